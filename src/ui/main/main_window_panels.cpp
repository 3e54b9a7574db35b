// Panels and tabs: creating a panel, switching, adding, properties, duplicating, deleting and
// moving tabs, and the rulers that follow the current panel.
#include <QAction>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <algorithm>

#include "core/language.h"
#include "ui/main/clipboard_picture.h"
#include "ui/main/main_window.h"
#include "ui/main/main_window_tab.h"
#include "ui/main/ruler.h"
#include "ui/main/texts.h"
#include "ui/main/tool_palette.h"
#include "ui/main/user_prompts.h"
#include "ui/main/window_dialogs.h"
#include "ui/panel/panel_view.h"

namespace pw {

namespace {

QString TabCaption(const TPlatine& panel) {
    return QString::fromStdString(panel.Name.Text());
}

}  // namespace

int MainWindow::CurrentIndex() const {
    return std::max(0, tabBar_->currentIndex());
}

PanelView& MainWindow::View(int i) const {
    return *tabs_[static_cast<size_t>(i)]->view;
}

TPlatine& MainWindow::Panel(int i) const {
    return View(i).Panel();
}

void MainWindow::PreparePanel(TPlatine& panel) {
    panel.Width = panel.Height = 5000;
    panel.GridOrigin = {0, 0};
    panel.SnapSpacing = kUnitsPerMm;
    panel.SetMitBemassung(Action("MasseBtn")->isChecked());
    panel.SetMitSymbolen(Action("SymboleBtn")->isChecked());
    panel.SetMitBohren(Action("BohrenBtn")->isChecked());
    panel.CurrentPenWidth = 25;
}

PanelView& MainWindow::CreatePanel(std::unique_ptr<TPlatine> panel) {
    if (!panel) {
        panel = std::make_unique<TPlatine>();
        PreparePanel(*panel);
    }
    TakeSideWindowValues(*panel);
    auto tab = std::make_unique<Tab>();
    panel->UndoStream = &tab->undo;
    ConnectUndo(*panel);
    panel->SetEditMode(emStandard);
    panel->SetEditMode(emStandard);
    tab->view = new PanelView(std::move(panel), scrollBox_);
    PanelView* view = tab->view;
    view->setFrameShape(QFrame::NoFrame);
    view->Panel().OnCopyAsPicture = [](TPlatine& p) { CopySelectionPicture(p); };
    scrollBox_->addWidget(view);
    tabs_.push_back(std::move(tab));

    connect(view, &PanelView::clicked, this, [this, view] {
        if (&CurrentView() == view) RefreshCommandStates();
    });
    connect(view, &PanelView::changed, this, [this, view] {
        if (&CurrentView() == view) UpdateRulers();
    });
    connect(view, &PanelView::modeChanged, this, [this, view] {
        if (&CurrentView() == view) OnModeChange();
    });
    connect(view, &PanelView::elementMarked, this, [this, view] {
        if (&CurrentView() == view) OnElementMarked();
    });
    connect(view, &PanelView::popupRequested, this, [this, view](const QPoint& global) {
        if (&CurrentView() == view) OnPopupRequest(global);
    });
    connect(view, &PanelView::mouseMoved, this, [this, view](bool, int x, int y) {
        if (&CurrentView() == view) OnMouseMoved(x, y);
    });
    for (QScrollBar* bar : {view->horizontalScrollBar(), view->verticalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, [this, view] {
            if (&CurrentView() == view) UpdateRulers();
        });

    const QSignalBlocker block(tabBar_);
    const int index = tabBar_->addTab(TabCaption(view->Panel()));
    tabBar_->setCurrentIndex(index);
    scrollBox_->setCurrentWidget(view);
    UpdateRulers(true);
    view->Panel().ZoomToPanel();
    view->SyncScrollBars();
    return *view;
}

void MainWindow::ClearDocument() {
    const QSignalBlocker block(tabBar_);
    while (tabBar_->count() > 0) tabBar_->removeTab(0);
    for (auto& tab : tabs_) {
        scrollBox_->removeWidget(tab->view);
        delete tab->view;
    }
    tabs_.clear();
}

void MainWindow::SelectTab(int index) {
    if (index < 0 || index >= PanelCount()) return;
    if (tabBar_->currentIndex() != index) {
        const QSignalBlocker block(tabBar_);
        tabBar_->setCurrentIndex(index);
    }
    scrollBox_->setCurrentWidget(&View(index));
    TPlatine& panel = Panel(index);
    // The display switches show the state of the panel they act on.
    const std::pair<const char*, bool> display[] = {{"UmrissBtn", panel.UmrissModus()},
                                                    {"MasseBtn", panel.MitBemassung()},
                                                    {"BohrenBtn", panel.MitBohren()},
                                                    {"SymboleBtn", panel.MitSymbolen()}};
    for (auto [name, on] : display) {
        const QSignalBlocker blockAction(Action(name));
        Action(name)->setChecked(on);
    }
    UpdateRulers(true);
    OnModeChange();
    RefreshCommandStates();
}

void MainWindow::OnModeChange() {
    const TEditMode mode = CurrentPanel().EditMode();
    if (mode == emZoom || mode == emStandard || mode == emText) palette_->ShowPressed(ToolPalette::kStandard);
}

void MainWindow::UpdateRulers(bool force) {
    if (tabs_.empty()) return;
    PanelView& view = CurrentView();
    TPlatine& panel = view.Panel();
    const ViewMapping mapping = panel.View();
    if (!force && mapping == lastView_ && panel.EditMode() != emUrsprung) return;
    lastView_ = mapping;
    hScale_->SetView(mapping, static_cast<double>(panel.GridOrigin.x / kUnitsPerMm),
                     view.viewport()->width());
    vScale_->SetView(mapping, static_cast<double>(panel.GridOrigin.y / kUnitsPerMm),
                     view.viewport()->height());
}

void MainWindow::OnMouseMoved(int x, int y) {
    const TPlatine& panel = CurrentPanel();
    const IPoint p = panel.View().ToDevice(RoundPoint(panel.SnapPoint(x, y)));
    hScale_->SetMarker(p.x - 1);
    vScale_->SetMarker(p.y - 1);
}

// --- Panel commands ---

void MainWindow::AddPanelCommand() {
    CreatePanel();
    PanelPropertiesCommand();
}

void MainWindow::PanelPropertiesCommand() {
    RunModal([this] {
        TPlatine& panel = CurrentPanel();
        palette_->ShowPressed(ToolPalette::kStandard);
        panel.EndOperation();
        panel.SetEditMode(emStandard);
        panel.SaveUndo(StepKind::PanelProperties);
        if (std::optional<PanelPropertiesValues> values =
                dialogs_->PanelProperties(this, PanelPropertiesOf(panel))) {
            ApplyPanelProperties(panel, *values);
            tabBar_->setTabText(CurrentIndex(), TabCaption(panel));
        }
        panel.ZoomToPanel();
        CurrentView().SyncScrollBars();
        CurrentView().RepaintPanel();
        RefreshCommandStates();
        UpdateRulers(true);
    });
}

void MainWindow::DuplicatePanelCommand() {
    TPlatine& source = CurrentPanel();
    // The source's record, as its undo snapshot would hold it; the source itself is unchanged,
    // so it gets no undo step.
    std::vector<uint8_t> record;
    source.WritePanel(record, false);
    const std::string name = msg::CopyOf(QString::fromStdString(source.Name.Text())).toStdString();
    PanelView& view = CreatePanel();
    TPlatine& copy = view.Panel();
    try {
        TReader reader(record, StreamSource::Undo);
        copy.ReadPanel(reader);
    } catch (const StreamError& e) {
        prompts_->Error(this, msg::ReadErrorTitle(), QString::fromStdString(e.what()));
    }
    copy.Name.SetText(name);
    tabBar_->setTabText(CurrentIndex(), TabCaption(copy));
    copy.SelectAll(false);
    copy.ZoomToPanel();
    view.SyncScrollBars();
    UpdateRulers(true);
    view.RepaintPanel();
    RefreshCommandStates();
}

void MainWindow::DeletePanelCommand() {
    if (PanelCount() <= 1) return;
    RunModal([this] {
        const int index = CurrentIndex();
        const QString name = QString::fromStdString(CurrentPanel().Name.Text());
        if (!prompts_->AskYesNo(this, msg::DeletePanelTitle(), msg::DeletePanel(name))) return;
        std::vector<int> newIndex(static_cast<size_t>(PanelCount()));
        for (int i = 0; i < PanelCount(); ++i)
            newIndex[static_cast<size_t>(i)] = i < index ? i : i == index ? -1 : i - 1;
        RenumberViews(newIndex);
        PanelView* view = tabs_[static_cast<size_t>(index)]->view;
        {
            const QSignalBlocker block(tabBar_);
            tabBar_->removeTab(index);
            scrollBox_->removeWidget(view);
            tabs_.erase(tabs_.begin() + index);
        }
        delete view;
        SelectTab(std::min(index, PanelCount() - 1));
    });
}

void MainWindow::MovePanel(int from, int to) {
    if (from == to) return;
    std::vector<int> newIndex(static_cast<size_t>(PanelCount()));
    for (int i = 0; i < PanelCount(); ++i) {
        int j = i;
        if (i == from)
            j = to;
        else if (from < to && i > from && i <= to)
            j = i - 1;
        else if (from > to && i >= to && i < from)
            j = i + 1;
        newIndex[static_cast<size_t>(i)] = j;
    }
    RenumberViews(newIndex);
    auto tab = std::move(tabs_[static_cast<size_t>(from)]);
    tabs_.erase(tabs_.begin() + from);
    tabs_.insert(tabs_.begin() + to, std::move(tab));
    const QSignalBlocker block(tabBar_);
    tabBar_->moveTab(from, to);
}

void MainWindow::RenumberViews(const std::vector<int>& newIndexOfOld) {
    views_.Renumber(newIndexOfOld);
}

void MainWindow::PanelToFrontCommand() {
    MovePanel(CurrentIndex(), 0);
    SelectTab(0);
}

void MainWindow::PanelToBackCommand() {
    MovePanel(CurrentIndex(), PanelCount() - 1);
    SelectTab(PanelCount() - 1);
}

}  // namespace pw
