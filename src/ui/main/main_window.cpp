#include "ui/main/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/language.h"
#include "core/registry.h"
#include "panel/register_elements.h"
#include "scales/scale_memory.h"
#include "ui/dialogs/element_dialogs.h"
#include "ui/main/about_box.h"
#include "ui/main/help_window.h"
#include "ui/main/library_window.h"
#include "ui/main/main_window_tab.h"
#include "ui/main/program_dialogs.h"
#include "ui/main/side_area.h"
#include "ui/main/texts.h"
#include "ui/main/title_picture.h"
#include "ui/main/tool_palette.h"
#include "ui/main/tool_window.h"
#include "ui/main/user_prompts.h"
#include "ui/panel/panel_view.h"
#include "ui/print/print_command.h"
#include "ui/settings/recent_files.h"

namespace pw {

namespace {

constexpr const char* kUnnamed = "NONAME.FPL";

std::unique_ptr<TBauteil> MakeBaseElement() {
    return std::make_unique<TBauteil>();
}

}  // namespace

MainWindow::MainWindow(MainWindowOptions options, QWidget* parent)
    : QMainWindow(parent), options_(std::move(options)), dirs_(options_.dirs), settings_(dirs_.home) {
    setObjectName(QStringLiteral("Form1"));
    // The language is read before anything is built.
    SetLanguage(ReadEnglishFromLanguageFile(dirs_.home) ? Language::English : Language::German);
    QApplication::setApplicationName(msg::AppTitle());

    if (options_.prompts) {
        prompts_ = options_.prompts;
    } else {
        ownPrompts_ = std::make_unique<QtUserPrompts>();
        prompts_ = ownPrompts_.get();
    }
    if (options_.dialogs) {
        dialogs_ = options_.dialogs;
    } else {
        ownDialogs_ = MakeProgramDialogs(dirs_.home);
        dialogs_ = ownDialogs_.get();
        InstallElementDialogs([this]() -> QWidget* { return this; }, [this](bool before) {
            if (before) HideFloatingToolWindows();
            else ShowToolWindowsAgain();
        });
    }
    if (options_.titlePicture) ShowTitlePicture();

    lastView_.reset();
    if (!settings_.Load())
        prompts_->Error(this, msg::ReadErrorTitle(),
                        QString::fromStdString(CannotOpenMessage(settings_.Path())));
    currentFile_ = editFile_ = dirs_.home + kUnnamed;
    cancelled_ = false;

    RegisterBuiltinElementClasses();
    RegisterElementClass("TBauteil", &MakeBaseElement);
    scaleAssistant_ = std::make_unique<ScaleAssistant>();
    RecallScale(scaleAssistant_->Scale(), settings_.Ini());

    CreateActions();
    CreateMenus();
    CreateToolBars();
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    palette_ = new ToolPalette(central);
    side_ = new SideArea(central);
    row->addWidget(palette_);
    row->addWidget(CreateDrawingArea(), 1);
    row->addWidget(side_);
    setCentralWidget(central);
    CreateToolWindows();
    CreateSideWindows();
    CreateLibrary();
    CreateViewWindow();
    CreateExportCommand();

    connect(palette_, &ToolPalette::toolClicked, this, [this](int tag) {
        if (std::optional<TEditMode> mode = ModeOfToolTag(tag)) CurrentPanel().SetEditMode(*mode);
        palette_->ShowPressed(tag);
        RefreshCommandStates();
    });
    SetUpPictureImport();
    connect(palette_, &ToolPalette::scaleAssistantClicked, this, &MainWindow::ScaleAssistantCommand);
    connect(palette_, &ToolPalette::regularPolygonClicked, this, &MainWindow::RegularPolygonCommand);
    connect(palette_, &ToolPalette::gridDialogRequested, this, &MainWindow::GridDialogCommand);
    connect(side_, &SideArea::selected, this, [this] { RefreshCommandStates(); });

    CreatePanel();

    settings_.ReadRecentFiles(recent_);
    settings_.ReadAutosave(autosave_);
    UpdateRecentMenu();
    MarkDocumentSaved();

    backupTimer_.setObjectName(QStringLiteral("BackupTimer"));
    backupTimer_.setInterval(Autosave::kTimerMs);
    connect(&backupTimer_, &QTimer::timeout, this, &MainWindow::BackupTick);
    backupTimer_.start();
    resize(1200, 780);
}

MainWindow::~MainWindow() {
    // The element dialogs are centred on this window.
    if (ownDialogs_) RemoveElementDialogs();
}

void MainWindow::ShowTitlePicture() {
    // The picture closes itself when its time is up; the start goes on under it.
    titleBox_ = new TitlePicture(QString::fromStdString(dirs_.data));
    titleBox_->ShowNow();
}

void MainWindow::Start() {
    if (started_) return;
    started_ = true;
    // The start-up picture stays over the main window, which was shown after it.
    if (titleBox_) titleBox_->raise();
    // The steps run before the window first paints, so that its first picture already holds the
    // tool windows in their places and the start-up document.
    StartNewDocument();
    RestoreToolWindowPlacement();
    CheckColourDepth();
    side_->Select(SideArea::kSymbol);
    ReadLibraryPages(settings_.LibraryIndex());
    RefreshCommandStates();
    OpenStartupDocument();
    RefreshCommandStates();
}

void MainWindow::CheckColourDepth() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || screen->depth() > 8) return;
    prompts_->Warning(nullptr, msg::ColourDepthTitle(), msg::ColourDepth());
    CurrentPanel().SetFrontplattenFarbe(kSilver);
    CurrentView().RepaintPanel();
}

bool MainWindow::StartupDocumentExists(const std::string& path) {
    if (QFileInfo::exists(QString::fromStdString(path))) return true;
    // A document named for the start that is gone is named; the start goes on without it.
    prompts_->Warning(this, msg::MissingDocumentTitle(), msg::MissingDocument(QString::fromStdString(path)));
    return false;
}

void MainWindow::OpenStartupDocument() {
    std::string path;
    if (options_.document && StartupDocumentExists(*options_.document)) {
        path = QFileInfo(QString::fromStdString(*options_.document)).absoluteFilePath().toStdString();
        if (OpenDocument(path, false)) editFile_ = path;
    } else {
        path = settings_.EditFile();
        // An unnamed edit file was never saved: it is no document to miss.
        const bool unnamed = FileNameOf(path) == kUnnamed;
        if (path.empty() || (!unnamed && !StartupDocumentExists(path)))
            path = dirs_.home + Tr("Beispiele/Beispiel.fpl", "Examples/Examples.fpl");
        if (QFileInfo::exists(QString::fromStdString(path)))
            OpenDocument(path, false);
        else
            editFile_ = DirectoryOf(path) + kUnnamed;
    }
    // Whatever opened, the panel fits the view as it is now laid out.
    CurrentPanel().ZoomToPanel();
    CurrentView().SyncScrollBars();
    UpdateRulers(true);
    SetTitle();
}

void MainWindow::SetTitle() {
    // A leading "*" says that the document has changes not yet saved.
    const QString changed = DocumentChanged() ? QStringLiteral("*") : QString();
    setWindowTitle(changed + msg::AppTitle() + QStringLiteral(" - [") + QString::fromStdString(currentFile_) +
                   QStringLiteral("]"));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    if (!SavePrompt()) {
        cancelled_ = false;
        event->ignore();
        return;
    }
    WriteSettings();
    closing_ = true;
    if (help_) help_->close();
    if (titleBox_) titleBox_->close();
    event->accept();
}

void MainWindow::WriteSettings() {
    settings_.SetEditFile(editFile_);
    settings_.WriteAutosave(autosave_);
    SaveLibraryPage();
    settings_.SetLibraryIndex(library_ && started_ ? std::max(0, library_->CurrentIndex())
                                                   : settings_.LibraryIndex());
    SaveToolWindowPlacement();
    if (!settings_.Flush())
        prompts_->Error(nullptr, msg::WriteErrorTitle(),
                        QString::fromStdString(CannotCreateMessage(settings_.Path())));
}

// --- Modal dialogs and tool windows ---

void MainWindow::RunModal(const std::function<void()>& dialog) {
    HideFloatingToolWindows();
    dialog();
    ShowToolWindowsAgain();
}

void MainWindow::HideFloatingToolWindows() {
    for (ToolWindow* w : toolWindows_)
        if (w && w->isFloating() && w->isVisible()) w->hide();
}

void MainWindow::ShowToolWindowsAgain() {
    for (ToolWindow* w : toolWindows_)
        if (w && w->Wanted() && !w->isVisible()) w->show();
}

// --- Help ---

void MainWindow::ManualCommand() {
    const QString index = HelpWindow::ManualIndex(QString::fromStdString(dirs_.data));
    if (!help_) help_ = new HelpWindow(this);
    if (!help_->Open(index)) {
        prompts_->Error(this, msg::ReadErrorTitle(), msg::ManualMissing(index));
        return;
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void MainWindow::InfoCommand() {
    RunModal([this] {
        AboutBox box(QString::fromStdString(dirs_.data), this);
        box.exec();
    });
}

}  // namespace pw
