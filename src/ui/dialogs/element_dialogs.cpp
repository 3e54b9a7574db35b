#include "ui/dialogs/element_dialogs.h"

#include "elements/bogen.h"
#include "elements/bohrung.h"
#include "elements/textlabel.h"
#include "ui/dialogs/bogen_dlg.h"
#include "ui/dialogs/bohr_dlg.h"
#include "ui/dialogs/txt_dlg.h"
#include "ui/panel/panel_view.h"

namespace pw {

void InstallElementDialogs(std::function<QWidget*()> parent) {
    auto parentNow = [parent] {
        PanelView::FlushAll();
        return parent ? parent() : nullptr;
    };
    TBohrung::SetDialog([parentNow](const std::string& text) { return ShowBohrDlg(parentNow(), text); });
    TBogen::SetDialog([parentNow](int style) { return ShowBogenDlg(parentNow(), style); });
    TTextLabel::SetDialog([parentNow](const std::string& text) { return ShowTextDlg(parentNow(), text); });
}

void RemoveElementDialogs() {
    TBohrung::SetDialog(nullptr);
    TBogen::SetDialog(nullptr);
    TTextLabel::SetDialog(nullptr);
}

}  // namespace pw
