// The pen, brush and font windows of the side area: their events reach the current panel, and
// the panel's current element is shown in them.
#include "elements/marked_attributes.h"
#include "ui/lists/fontbox.h"
#include "ui/lists/fuell_dlg.h"
#include "ui/lists/stiftbox.h"
#include "ui/main/main_window.h"
#include "ui/main/side_area.h"
#include "ui/panel/panel_view.h"

namespace pw {

void MainWindow::CreateSideWindows() {
    const ListWindowContext context{dirs_.home, prompts_, ProgramColourChooser(dirs_.home)};
    fuellDlg_ = new TFuellDlg(context);
    fontbox_ = new TFontbox(context);
    stiftbox_ = new TStiftbox(context);
    side_->SetPage(SideArea::kStift, stiftbox_);
    side_->SetPage(SideArea::kFuell, fuellDlg_);
    side_->SetPage(SideArea::kFont, fontbox_);

    connect(stiftbox_, &TStiftbox::penChanged, this, &MainWindow::PenChanged);
    connect(stiftbox_, &TStiftbox::assignRequested, this, &MainWindow::PenApplied);
    connect(fuellDlg_, &TFuellDlg::brushChanged, this, &MainWindow::BrushChanged);
    connect(fuellDlg_, &TFuellDlg::assignRequested, this, &MainWindow::BrushApplied);
    connect(fontbox_, &TFontbox::fontChanged, this, &MainWindow::FontChanged);
    connect(fontbox_, &TFontbox::assignRequested, this, &MainWindow::FontApplied);
}

void MainWindow::TakeSideWindowValues(TPlatine& panel) {
    if (stiftbox_) TakePen(panel, stiftbox_->Current());
    if (fuellDlg_) TakeBrush(panel, fuellDlg_->Current());
    if (fontbox_) TakeFont(panel, fontbox_->Current());
}

void MainWindow::OnElementMarked() {
    const TBauteil* e = CurrentPanel().CurrentElement();
    if (!e) return;
    stiftbox_->ShowElement(PenOf(*e));
    fuellDlg_->ShowElement(BrushOf(*e));
    if (std::optional<FontValues> font = FontOf(*e)) fontbox_->ShowText(*font);
}

}  // namespace pw
