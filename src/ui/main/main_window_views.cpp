// The view window of the side area: its zoom buttons act on the current panel, its views are
// taken from and applied to the current panel and its tab.
#include <optional>
#include <utility>

#include "ui/main/ansichtbox.h"
#include "ui/main/main_window.h"
#include "ui/main/side_area.h"
#include "ui/panel/panel_view.h"

namespace pw {

void MainWindow::CreateViewWindow() {
    ansichtbox_ = new TAnsichtbox(views_, *prompts_);
    side_->SetPage(SideArea::kAnsicht, ansichtbox_);
    ansichtbox_->RequestView = [this] { return CurrentViewRecord(); };
    connect(ansichtbox_, &TAnsichtbox::applyRequested, this, &MainWindow::ApplyView);
    connect(ansichtbox_, &TAnsichtbox::zoomRequested, this, &MainWindow::ZoomSlot);
    // What the zoom button under the pointer shows is derived while the pointer rests there.
    connect(ansichtbox_, &TAnsichtbox::zoomHovered, this, [this](int tag) {
        if (tabs_.empty()) return;
        using B = PanelView::ZoomButton;
        constexpr std::pair<int, B> kButtons[] = {{TAnsichtbox::kZoomPlus, B::In},
                                                  {TAnsichtbox::kZoomMinus, B::Out},
                                                  {TAnsichtbox::kZoomPlatine, B::WholePanel},
                                                  {TAnsichtbox::kZoomAll, B::AllElements},
                                                  {TAnsichtbox::kZoomMarked, B::Selection}};
        std::optional<B> button;
        for (const auto& [t, b] : kButtons)
            if (t == tag) button = b;
        CurrentView().PointerOnZoomButton(button);
    });
}

TView MainWindow::CurrentViewRecord() {
    PanelView& view = CurrentView();
    TPlatine& panel = view.Panel();
    TView v;
    v.left = panel.ScrollX / static_cast<Real>(panel.Zoom());
    v.top = panel.ScrollY / static_cast<Real>(panel.Zoom());
    const MPoint size = panel.PixelToModel({view.viewport()->width(), view.viewport()->height()});
    v.width = size.x;
    v.height = size.y;
    v.panel = CurrentIndex();
    return v;
}

void MainWindow::ApplyView(const TView& v) {
    if (v.panel < 0 || v.panel >= PanelCount()) return;
    SelectTab(v.panel);
    CurrentPanel().ZoomToView(v.left, v.top, v.width, v.height);
    CurrentView().SyncScrollBars();
    UpdateRulers(true);
}

void MainWindow::ZoomSlot(int tag) {
    PanelView& view = CurrentView();
    TPlatine& panel = view.Panel();
    switch (tag) {
        case TAnsichtbox::kZoomPlatine:
            panel.ZoomToPanel();
            break;
        case TAnsichtbox::kZoomAll:
            if (panel.ElementCount() == 0) return;
            panel.ZoomToContent(false);
            break;
        case TAnsichtbox::kZoomMarked:
            if (!panel.HasSelection()) return;
            panel.ZoomToContent(true);
            break;
        case TAnsichtbox::kZoomPlus:
        case TAnsichtbox::kZoomMinus: {
            // About the middle of the view: ZoomStep takes a point of the view, in which the
            // scroll position is counted already.
            const QPoint middle(view.viewport()->width() / 2, view.viewport()->height() / 2);
            const int steps = tag == TAnsichtbox::kZoomPlus ? 1 : -1;
            panel.ZoomStep({middle.x(), middle.y()}, steps > 0);
            view.ExpectZoomSteps(steps);
            break;
        }
        default:
            return;
    }
    view.SyncScrollBars();
    UpdateRulers(true);
}

void MainWindow::RefreshViewWindow() {
    if (!ansichtbox_ || tabs_.empty()) return;
    ansichtbox_->Refresh(PanelCount());
    ansichtbox_->SetZoomStates(CurrentPanel().ElementCount() > 0, CurrentPanel().HasSelection());
}

}  // namespace pw
