// The main window's layout: the tool bars and panels the nine tool windows hold, their docking
// and placement, and the drawing area with rulers, panels and tab strip.
#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolBar>
#include <algorithm>

#include "core/language.h"
#include "ui/dialogs/decimal_validator.h"
#include "ui/main/main_window.h"
#include "ui/main/ruler.h"
#include "ui/main/texts.h"
#include "ui/main/tool_window.h"
#include "ui/panel/panel_view.h"

namespace pw {

namespace {

constexpr const char* kTopBar = "Top_ControlBar";
constexpr const char* kBottomBar = "Bottom_ControlBar";

QToolBar* Bar(const char* name, QWidget* parent) {
    auto* bar = new QToolBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setIconSize(QSize(22, 22));
    bar->setMovable(false);
    bar->setFloatable(false);
    return bar;
}

void AddButtons(QToolBar* bar, MainWindow* window, std::initializer_list<const char*> names) {
    for (const char* n : names) {
        QAction* a = window->Action(n);
        bar->addAction(a);
        if (QWidget* button = bar->widgetForAction(a)) button->setObjectName(QString::fromLatin1(n));
    }
}

// A field of the bottom bar that takes only a number from minimum to maximum.
QLineEdit* NumberField(const char* name, const char* text, double minimum, double maximum, QWidget* parent) {
    auto* edit = new QLineEdit(QString::fromLatin1(text), parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setValidator(new DecimalValidator(minimum, maximum, edit));
    edit->setToolTip(Hint(name));
    edit->setFixedWidth(48);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

}  // namespace

void MainWindow::CreateToolBars() {
    // Order of the nine tool windows: their numbers 1 to 9.
    toolContents_.resize(kToolWindowCount);
    QToolBar* anordnen = Bar("ToolBar_Anordnen", this);
    AddButtons(
        anordnen, this,
        {"sb_gruppieren", "sb_GruppeAufloesen", "an_vorne", "an_Hinten", "an_Horizontal", "an_vertikal"});
    QToolBar* ansicht = Bar("Toolbar_Ansicht", this);
    AddButtons(ansicht, this, {"RasterBtn", "UmrissBtn", "MasseBtn", "BohrenBtn", "SymboleBtn"});
    QToolBar* ausrichten = Bar("ToolBar_ausrichten", this);
    AddButtons(ausrichten, this, {"ar_links", "ar_hMitte", "ar_rechts", "ar_oben", "ar_vMitte", "ar_unten"});
    QToolBar* bearbeiten = Bar("Toolbar_Bearbeiten", this);
    AddButtons(bearbeiten, this,
               {"sb_undo", "sb_redo", "sb_copy", "sb_Cut", "sb_insert", "sb_Dub", "SB_Del"});
    QToolBar* datei = Bar("ToolBar_Datei", this);
    AddButtons(datei, this, {"sb_neu", "sb_load", "sb_save", "sb_Print"});
    QToolBar* fraesen = Bar("ToolBar_Fraesen", this);
    AddButtons(fraesen, this, {"sb_Normal", "sb_Fraesen"});
    toolContents_[0] = anordnen;
    toolContents_[1] = ansicht;
    toolContents_[2] = CreateDisplayPanel();
    toolContents_[3] = ausrichten;
    toolContents_[4] = bearbeiten;
    toolContents_[5] = datei;
    toolContents_[6] = CreateRotatePanel();
    toolContents_[7] = fraesen;
    toolContents_[8] = CreateContourPanel();
}

QWidget* MainWindow::CreateDisplayPanel() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("DisplayPanel"));
    panel->setToolTip(Hint("DisplayPanel"));
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(6, 1, 6, 1);
    layout->setSpacing(0);
    infoTxt1_ = new QLabel(panel);
    infoTxt1_->setObjectName(QStringLiteral("InfoTxt1"));
    infoTxt2_ = new QLabel(panel);
    infoTxt2_->setObjectName(QStringLiteral("InfoTxt2"));
    for (QLabel* l : {infoTxt1_, infoTxt2_}) {
        l->setMinimumWidth(260);
        layout->addWidget(l);
    }
    return panel;
}

QWidget* MainWindow::CreateContourPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Kontur_Panel"));
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(2, 0, 4, 0);
    layout->setSpacing(2);
    QToolBar* buttons = Bar("Kontur_Buttons", panel);
    AddButtons(buttons, this, {"sB_KonturNormal", "sb_Splines", "sb_Fase", "sb_Runden"});
    layout->addWidget(buttons);
    lEdit_ = NumberField("L_Edit", "2.0", 0, kMaxContourAmountMm, panel);
    layout->addWidget(lEdit_);
    layout->addWidget(new QLabel(Caption("EinheitLabel"), panel));
    return panel;
}

QWidget* MainWindow::CreateRotatePanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Drehen_Panel"));
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(2, 0, 4, 0);
    layout->setSpacing(2);
    QToolBar* buttons = Bar("Drehen_Buttons", panel);
    AddButtons(buttons, this, {"WinkelLinksBtn", "WinkelRechtsBtn"});
    layout->addWidget(buttons);
    winkelEdit_ = NumberField("Winkel_Edit", "45.0", -kMaxAngleStep, kMaxAngleStep, panel);
    layout->addWidget(winkelEdit_);
    auto* unit = new QLabel(Caption("Label1"), panel);
    unit->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(unit);
    return panel;
}

QWidget* MainWindow::CreateDrawingArea() {
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("LPLPanel"));
    area->setAutoFillBackground(true);
    QPalette pal = area->palette();
    pal.setColor(QPalette::Window, QColor(128, 128, 128));
    area->setPalette(pal);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);

    auto* corner = new QLabel(Caption("EinheitLabel"), area);
    corner->setObjectName(QStringLiteral("EinheitLabel"));
    corner->setFixedSize(Ruler::kThickness, Ruler::kThickness);
    corner->setAlignment(Qt::AlignCenter);
    corner->setStyleSheet(QStringLiteral("background: rgb(255, 255, 219); color: black;"));
    // Edit1: the keyboard focus of the drawing area. A plain widget, not a text field: a text
    // field would claim the standard keys (Ctrl+A, Ctrl+C) before the menu shortcuts see them.
    focusField_ = new QWidget(corner);
    focusField_->setObjectName(QStringLiteral("Edit1"));
    focusField_->setFocusPolicy(Qt::StrongFocus);
    focusField_->setGeometry(0, 0, 1, 1);
    focusField_->installEventFilter(this);

    hScale_ = new Ruler(Qt::Horizontal, area);
    hScale_->setObjectName(QStringLiteral("HScale"));
    vScale_ = new Ruler(Qt::Vertical, area);
    vScale_->setObjectName(QStringLiteral("VScale"));
    scrollBox_ = new QStackedWidget(area);
    scrollBox_->setObjectName(QStringLiteral("PlatineScrollbox"));
    tabBar_ = new QTabBar(area);
    tabBar_->setObjectName(QStringLiteral("TabSet"));
    tabBar_->setShape(QTabBar::RoundedSouth);
    tabBar_->setExpanding(false);
    tabBar_->setContextMenuPolicy(Qt::CustomContextMenu);
    // The tabs in the window's colours, not in the grey of the drawing area.
    tabBar_->setPalette(QApplication::palette());
    connect(tabBar_, &QTabBar::currentChanged, this, &MainWindow::SelectTab);
    connect(tabBar_, &QTabBar::customContextMenuRequested, this,
            [this](const QPoint& p) { bordPopup_->popup(tabBar_->mapToGlobal(p)); });

    grid->addWidget(corner, 0, 0);
    grid->addWidget(hScale_, 0, 1);
    grid->addWidget(vScale_, 1, 0);
    grid->addWidget(scrollBox_, 1, 1);
    grid->addWidget(tabBar_, 2, 0, 1, 2, Qt::AlignLeft);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
    return area;
}

void MainWindow::CreateToolWindows() {
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks);
    for (int i = 0; i < kToolWindowCount; ++i) {
        auto* w = new ToolWindow(i + 1, ToolWindowCaption(i + 1), toolContents_[i], this);
        toolWindows_[i] = w;
        // Docked or floated when their places are restored (Start).
        w->hide();
        connect(w, &ToolWindow::closedByUser, this, [this] { UpdateToolMenu(); });
    }
    UpdateToolMenu();
}

void MainWindow::RestoreToolWindowPlacement() {
    struct Placed {
        ToolWindow* window;
        ToolWindowPlacement placement;
    };
    std::vector<Placed> top, bottom, floating;
    for (ToolWindow* w : toolWindows_) {
        Placed p{w, settings_.Placement(w->windowTitle().toStdString())};
        if (p.placement.parent == kTopBar)
            top.push_back(p);
        else if (p.placement.parent == kBottomBar)
            bottom.push_back(p);
        else
            floating.push_back(p);
        removeDockWidget(w);
    }
    // Docked windows keep their rows (by top) and their order within a row (by left).
    auto dock = [this](std::vector<Placed>& list, Qt::DockWidgetArea area) {
        std::stable_sort(list.begin(), list.end(), [](const Placed& a, const Placed& b) {
            return a.placement.top != b.placement.top ? a.placement.top < b.placement.top
                                                      : a.placement.left < b.placement.left;
        });
        for (size_t i = 0; i < list.size(); ++i) {
            ToolWindow* w = list[i].window;
            if (i > 0 && list[i].placement.top == list[i - 1].placement.top) {
                splitDockWidget(list[i - 1].window, w, Qt::Horizontal);
            } else {
                addDockWidget(area, w, Qt::Vertical);
            }
            w->setFloating(false);
            w->SetWanted(list[i].placement.visible);
        }
    };
    dock(top, Qt::TopDockWidgetArea);
    dock(bottom, Qt::BottomDockWidgetArea);
    // Docked windows as wide as their content; the last of a row takes what is left.
    QList<QDockWidget*> docked;
    QList<int> widths;
    for (const std::vector<Placed>* list : {&top, &bottom})
        for (const Placed& p : *list) {
            docked << p.window;
            widths << p.window->widget()->sizeHint().width() + 12;
        }
    if (!docked.isEmpty()) resizeDocks(docked, widths, Qt::Horizontal);
    for (Placed& p : floating) {
        addDockWidget(Qt::TopDockWidgetArea, p.window);
        p.window->setFloating(true);
        p.window->adjustSize();
        p.window->move(p.placement.left, p.placement.top);
        p.window->SetWanted(p.placement.visible);
    }
    UpdateToolMenu();
}

void MainWindow::SaveToolWindowPlacement() {
    for (ToolWindow* w : toolWindows_) {
        ToolWindowPlacement p;
        p.left = w->x();
        p.top = w->y();
        if (w->isFloating()) {
            p.parent = "none";
        } else {
            p.parent = dockWidgetArea(w) == Qt::BottomDockWidgetArea ? kBottomBar : kTopBar;
        }
        p.visible = w->Wanted();
        settings_.SetPlacement(w->windowTitle().toStdString(), p);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // The focus field would take the undo and redo keys for its own text; they belong to the
    // window's undo and redo.
    if (watched == focusField_ && event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool altBackspace = key->key() == Qt::Key_Backspace && (key->modifiers() & Qt::AltModifier);
        if (altBackspace || key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) return true;
    }
    if (watched == focusField_ && event->type() == QEvent::KeyPress && !tabs_.empty()) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
            case Qt::Key_Left:
            case Qt::Key_Right:
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_Delete:
            case Qt::Key_Escape:
                CurrentView().HandleKey(key->key(), key->modifiers());
                RefreshCommandStates();
                return true;
            default:
                break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace pw
