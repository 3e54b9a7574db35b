#pragma once
// TForm1: the main window. It owns the document, an ordered list of panels with one tab each of
// which one is current, and the element clipboard they share. Around the drawing area it
// carries the tool palette, the rulers, the tab strip, the nine tool windows, the side area
// and the menus; it runs the document, panel and edit commands on the current panel, keeps the
// settings, the recent files and the automatic backup, and refreshes the states of its menu
// items and buttons after every command.

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "panel/attribute_commands.h"
#include "panel/document.h"
#include "panel/document_state.h"
#include "panel/edit_commands.h"
#include "panel/scale_assistant.h"
#include "panel/view_list.h"
#include "render/picture_export.h"
#include "ui/app/program_dirs.h"
#include "ui/settings/autosave.h"
#include "ui/settings/recent_files.h"
#include "ui/settings/werkbank_settings.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QStackedWidget;
class QTabBar;
class QToolBar;
class QToolButton;

namespace pw {

class PrintCommand;
class HelpWindow;
class LibraryWindow;
class PanelView;
class Ruler;
class SideArea;
class TAnsichtbox;
class TFontbox;
class TFuellDlg;
class TStiftbox;
class TitlePicture;
class ToolPalette;
class ToolWindow;
class UserPrompts;
class WindowDialogs;

// The ranges of the bottom bar's number fields: the rotation step in degrees, the chamfer or
// rounding amount in millimetres.
constexpr double kMaxAngleStep = 360;
constexpr double kMaxContourAmountMm = 100;

struct MainWindowOptions {
    ProgramDirs dirs;
    // The document named on the command line.
    std::optional<std::string> document;
    // Message boxes and file dialogs; the Qt ones when null. Not owned.
    UserPrompts* prompts = nullptr;
    // The window's dialogs; the program's own when null. Not owned.
    WindowDialogs* dialogs = nullptr;
    // The start-up picture (tests go without it).
    bool titlePicture = true;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(MainWindowOptions options, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The steps of the first show: tool windows and their placement, a new document, the
    // library page, the command states and the start-up document.
    void Start();

    // --- The document ---
    int PanelCount() const { return static_cast<int>(tabs_.size()); }
    int CurrentIndex() const;
    PanelView& View(int i) const;
    TPlatine& Panel(int i) const;
    PanelView& CurrentView() const { return View(CurrentIndex()); }
    TPlatine& CurrentPanel() const { return Panel(CurrentIndex()); }
    QTabBar* TabStrip() const { return tabBar_; }
    const std::vector<TView>& Views() const { return views_.Items(); }
    const std::string& CurrentFile() const { return currentFile_; }
    const std::string& EditFile() const { return editFile_; }
    bool Cancelled() const { return cancelled_; }
    ElementClipboard& Clipboard() { return clipboard_; }
    ScaleAssistant& Assistant() { return *scaleAssistant_; }
    const RecentFiles& Recent() const { return recent_; }
    Autosave& AutosaveState() { return autosave_; }
    WerkbankSettings& Settings() { return settings_; }
    const ProgramDirs& Dirs() const { return dirs_; }
    ToolWindow* Tool(int number) const { return toolWindows_[number - 1]; }
    QAction* Action(const char* name) const;
    SideArea* Side() const { return side_; }
    TStiftbox* PenWindow() const { return stiftbox_; }
    TFuellDlg* BrushWindow() const { return fuellDlg_; }
    TFontbox* FontWindow() const { return fontbox_; }
    TAnsichtbox* ViewWindow() const { return ansichtbox_; }
    ToolPalette* Palette() const { return palette_; }
    LibraryWindow* Library() const { return library_; }
    MemoryStream& LibraryClipboard() { return libClipboard_; }
    Ruler* HorizontalRuler() const { return hScale_; }
    Ruler* VerticalRuler() const { return vScale_; }

    // The save prompt before a document is replaced: false when the user cancelled (or saving
    // failed). Then a new, empty document.
    bool SavePrompt();
    // Writes the document; false, after a message with the path, when it could not be written.
    bool SaveDocumentTo(const std::string& path);
    // Reads a document into the window after the save prompt; false when nothing was opened.
    bool OpenDocument(const std::string& path, bool addToRecentFiles);
    // One tick of the backup timer.
    void BackupTick();
    // The backup path of the current file.
    std::string BackupPath() const { return BackupPathOf(currentFile_); }
    // Writes the settings of the closing window.
    void WriteSettings();
    // Whether the document differs from what was last opened or saved (main_window_undo.cpp).
    bool DocumentChanged();
    // The document's undo budget, shared by the histories of its panels.
    const UndoBudget& DocumentUndoBudget() const { return *undoBudget_; }

  public slots:
    // --- Datei ---
    void NewCommand();
    void OpenCommand();
    void SaveCommand();
    void SaveAsCommand();
    void OpenRecentCommand(int k);
    void BackupDialogCommand();
    void PrintSlot();
    // --- Frontplatte ---
    void AddPanelCommand();
    void PanelPropertiesCommand();
    void DuplicatePanelCommand();
    void DeletePanelCommand();
    void ImportFileCommand();
    void PanelToFrontCommand();
    void PanelToBackCommand();
    // --- Bearbeiten, Anordnen ---
    void UndoSlot();
    void RedoSlot();
    void CutSlot();
    void CopySlot();
    void PasteSlot();
    void DuplicateSlot();
    void SelectAllSlot();
    void DeleteSlot();
    void ToFrontSlot();
    void ToBackSlot();
    void GroupSlot();
    void UngroupSlot();
    void MirrorSlot(int button);
    void AlignSlot(int tag);
    void RotateSlot(int tag);
    void ContourSlot(int tag);
    void MillingSlot(int tag);
    void DisplaySlot(int tag, bool pressed);
    void GridButtonSlot();
    void ElementPropertiesSlot();
    // --- Optionen ---
    void GridDialogCommand();
    void SetOriginCommand();
    void RegularPolygonCommand();
    // "&Skalen-Assistent...", SkaleBtn: the assistant; on OK its scale is placed like a paste.
    void ScaleAssistantCommand();
    // "&Exportieren..." (Ctrl+E): the export dialog, then the file.
    void ExportCommand();
    // The zoom buttons of the view window, by tag (1 panel, 2 all, 3 selected, 4 in, 5 out).
    void ZoomSlot(int tag);
    // --- Bibliothek (main_window_library.cpp) ---
    void AddToLibraryCommand();
    void NewPageCommand();
    void DeletePageCommand();
    void RenamePageCommand();
    void SymbolUpCommand();
    void SymbolDownCommand();
    void DeleteSymbolCommand();
    void SymbolPropertiesCommand();
    // The chosen symbol of the library page follows the mouse over the current panel.
    void PlaceLibrarySymbol();
    // Saves the library page when it changed; a failure is reported.
    void SaveLibraryPage();
    // --- Picture import (main_window_import.cpp) ---
    // Connects "&Importieren..." and BitmapBtn to the import.
    void SetUpPictureImport();
    // "&Importieren...", Ctrl+I, BitmapBtn: the chosen picture waits in the panel's placing mode.
    void ImportPictureCommand();
    // --- Hilfe ---
    void ManualCommand();
    void InfoCommand();
    // --- The side windows' events (the pen, brush and font windows call these) ---
    // OnStiftwechsel, OnFuellWechsel, OnFontwechsel: the values become the current panel's
    // drawing attributes for new elements.
    void PenChanged(const PenValues& pen);
    void BrushChanged(const BrushValues& brush);
    void FontChanged(const FontValues& font);
    // OnZuweisen: snapshot, the values taken as above, and those of the code applied to the
    // selected elements.
    void PenApplied(int code, const PenValues& pen);
    void BrushApplied(int code, const BrushValues& brush);
    void FontApplied(int code, const FontValues& font);
    // The command states of every menu item and button (DoMenues).
    void RefreshCommandStates();
    // Tool windows: the floating ones hidden around a dialog, and shown again.
    void HideFloatingToolWindows();
    void ShowToolWindowsAgain();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Tab;

    // --- Building the window ---
    void CreateActions();
    QAction* MakeAction(const char* name, const QKeySequence& shortcut = {});
    QAction* MakeToolAction(const char* name);
    void CreateMenus();
    void CreateToolBars();
    QWidget* CreateDrawingArea();
    QWidget* CreateDisplayPanel();
    QWidget* CreateContourPanel();
    QWidget* CreateRotatePanel();
    void CreateToolWindows();
    void RestoreToolWindowPlacement();
    void SaveToolWindowPlacement();
    void UpdateToolMenu();
    void ShowTitlePicture();
    void CheckColourDepth();

    // --- The library window and its menu ---
    void CreateLibrary();
    void ReadLibraryPages(int position);

    // --- The pen, brush and font windows ---
    void CreateSideWindows();
    // The windows' current pen, brush and font become the panel's drawing attributes.
    void TakeSideWindowValues(TPlatine& panel);
    // OnBtMarkieren: the side windows show the current element's attributes.
    void OnElementMarked();

    // --- The view window and export ---
    void CreateViewWindow();
    void CreateExportCommand();
    // OnAnsichtRequest: the current panel's visible area and its tab.
    TView CurrentViewRecord();
    // OnAnsichtZuweisen: selects the view's tab and zooms to the view.
    void ApplyView(const TView& view);
    void RefreshViewWindow();
    // "&Exportieren..." is enabled when the "&Datei" menu opens and the panel has elements.
    void UpdateExportState();

    // --- Panels and tabs ---
    // A new tab for the panel (a new, empty one when none is given); it becomes current.
    PanelView& CreatePanel(std::unique_ptr<TPlatine> panel = nullptr);
    // The settings of a panel the window makes: size, grid, display switches, pen width.
    void PreparePanel(TPlatine& panel);
    void ClearDocument();
    void SelectTab(int index);
    void MovePanel(int from, int to);
    void RenumberViews(const std::vector<int>& newIndexOfOld);
    void OnPanelChange();
    void OnModeChange();
    void OnMouseMoved(int x, int y);
    void OnPopupRequest(const QPoint& global);
    void UpdateRulers(bool force = false);

    // --- Documents ---
    void StartNewDocument();
    void OpenStartupDocument();
    // Whether the document named for the start exists; a message names it when it does not.
    bool StartupDocumentExists(const std::string& path);
    void SetTitle();
    // Reads a whole document into new panels. Fills `panels` and `views` with what was read;
    // returns the message of an error that ended the read (empty when complete). Throws
    // FileError and VersionError when nothing was read.
    struct ReadResult;
    ReadResult ReadDocumentFile(const std::string& path);
    void InstallPanels(ReadResult& read, bool replace);
    // Says which fonts of the panels from firstIndex on are not installed and what shows instead.
    void ReportMissingFonts(int firstIndex);
    void ReportReadFailure(const std::string& path, const std::string& message);
    bool WriteDocument(const std::string& path, bool backup);
    void UpdateRecentMenu();

    // --- Undo, redo and the changed state (main_window_undo.cpp) ---
    void CreateUndoActions();
    // A panel of the document joins its undo budget and reports failed steps.
    void ConnectUndo(TPlatine& panel);
    // The undo and redo entries name their steps; the title shows the changed state.
    void RefreshUndoEntries();
    void MarkDocumentSaved();
    // A new document: a budget of its own for the histories of its panels.
    void StartUndoBudget();
    std::vector<TPlatine*> DocumentPanels() const;
    // After a step the panel's size and name may have changed.
    void AfterStep();

    // --- Commands ---
    // Runs an edit command on the current panel and refreshes the states after it.
    template <class F>
    void Edit(F f);
    void RunModal(const std::function<void()>& dialog);
    // The numbers of the bottom bar's fields; a field that holds none in its range is named in
    // a warning, and nothing comes back.
    std::optional<QString> ContourAmountText();
    std::optional<QString> AngleText();
    std::optional<QString> FieldNumber(QLineEdit* field, const char* hintName, const char* unitName);

    MainWindowOptions options_;
    ProgramDirs dirs_;
    // Lives for the whole run, so that the assistant shows its last scale each time.
    std::unique_ptr<ScaleAssistant> scaleAssistant_;
    std::unique_ptr<UserPrompts> ownPrompts_;
    std::unique_ptr<WindowDialogs> ownDialogs_;
    UserPrompts* prompts_ = nullptr;
    WindowDialogs* dialogs_ = nullptr;
    WerkbankSettings settings_;
    std::unique_ptr<PrintCommand> print_;

    std::vector<std::unique_ptr<Tab>> tabs_;
    ViewList views_;
    ExportChoice lastExport_;
    DocumentState documentState_;
    std::shared_ptr<UndoBudget> undoBudget_ = std::make_shared<UndoBudget>();
    ElementClipboard clipboard_;
    std::string currentFile_;
    std::string editFile_;
    bool cancelled_ = false;
    RecentFiles recent_;
    Autosave autosave_;
    QTimer backupTimer_;

    // The view the rulers last showed; none at first, so that the first change repaints them.
    std::optional<ViewMapping> lastView_;

    std::map<std::string, QAction*> actions_;
    QMenu* bauteilMenu_ = nullptr;
    QMenu* bordPopup_ = nullptr;
    QMenu* libMenu_ = nullptr;
    LibraryWindow* library_ = nullptr;
    MemoryStream libClipboard_;
    QMenu* toolMenu_ = nullptr;
    QMenu* dateiMenu_ = nullptr;
    QMenu* platineMenu_ = nullptr;
    ToolPalette* palette_ = nullptr;
    SideArea* side_ = nullptr;
    TStiftbox* stiftbox_ = nullptr;
    TFuellDlg* fuellDlg_ = nullptr;
    TFontbox* fontbox_ = nullptr;
    TAnsichtbox* ansichtbox_ = nullptr;
    Ruler* hScale_ = nullptr;
    Ruler* vScale_ = nullptr;
    QStackedWidget* scrollBox_ = nullptr;
    QTabBar* tabBar_ = nullptr;
    QWidget* focusField_ = nullptr;
    QLabel* infoTxt1_ = nullptr;
    QLabel* infoTxt2_ = nullptr;
    QLineEdit* lEdit_ = nullptr;
    QLineEdit* winkelEdit_ = nullptr;
    std::vector<QWidget*> toolContents_;
    ToolWindow* toolWindows_[9] = {};
    QPointer<HelpWindow> help_;
    QPointer<TitlePicture> titleBox_;
    bool started_ = false;
    bool closing_ = false;
};

}  // namespace pw
