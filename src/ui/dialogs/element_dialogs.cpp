#include "ui/dialogs/element_dialogs.h"

#include "elements/bogen.h"
#include "elements/bohrung.h"
#include "elements/btmap.h"
#include "elements/textlabel.h"
#include "ui/dialogs/bmp_dlg.h"
#include "ui/dialogs/bogen_dlg.h"
#include "ui/dialogs/bohr_dlg.h"
#include "ui/dialogs/txt_dlg.h"
#include "ui/panel/panel_view.h"

namespace pw {

namespace {
// Runs a dialog between the window's before and after calls.
template <class Show>
auto Around(const std::function<void(bool)>& around, Show show) {
    if (around) around(true);
    auto result = show();
    if (around) around(false);
    return result;
}
}  // namespace

void InstallElementDialogs(std::function<QWidget*()> parent, std::function<void(bool before)> around) {
    auto parentNow = [parent] {
        PanelView::FlushAll();
        return parent ? parent() : nullptr;
    };
    TBohrung::SetDialog([parentNow, around](const std::string& text) {
        return Around(around, [&] { return ShowBohrDlg(parentNow(), text); });
    });
    TBogen::SetDialog([parentNow, around](int style) {
        return Around(around, [&] { return ShowBogenDlg(parentNow(), style); });
    });
    TTextLabel::SetDialog([parentNow, around](const std::string& text) {
        return Around(around, [&] { return ShowTextDlg(parentNow(), text); });
    });
    TBtmap::SetDialog([parentNow, around](const TBtmap& element) {
        return Around(around, [&] { return ShowBmpDlg(parentNow(), element); });
    });
}

void RemoveElementDialogs() {
    TBohrung::SetDialog(nullptr);
    TBogen::SetDialog(nullptr);
    TTextLabel::SetDialog(nullptr);
    TBtmap::SetDialog(nullptr);
}

}  // namespace pw
