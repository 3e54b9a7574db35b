// Documents: the save prompt, new, open, save, save as, recent files, importing a file into new
// tabs, the start-up document and the automatic backup. A document is read completely into new
// panels before anything of the open one is given up, so a file that cannot be read leaves the
// window as it was.
#include <QAction>
#include <QFileInfo>
#include <QTabBar>

#include "core/language.h"
#include "panel/document_file.h"
#include "panel/font_usage.h"
#include "ui/main/main_window.h"
#include "ui/main/main_window_tab.h"
#include "ui/main/texts.h"
#include "ui/main/user_prompts.h"
#include "ui/main/window_dialogs.h"
#include "ui/panel/panel_view.h"
#include "ui/settings/recent_files.h"

namespace pw {

namespace {

constexpr const char* kUnnamed = "NONAME.FPL";

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QString DirectoryOfFile(const std::string& path) {
    return QFileInfo(Q(path)).absolutePath();
}

}  // namespace

struct MainWindow::ReadResult {
    std::vector<std::unique_ptr<TPlatine>> panels;
    std::vector<TView> views;
    // The message of an error that ended the read early; empty when the file was read whole.
    std::string error;
};

// --- Reading and writing ---

MainWindow::ReadResult MainWindow::ReadDocumentFile(const std::string& path) {
    const std::vector<uint8_t> data = ReadDocumentFileBytes(path);
    std::unique_ptr<LoadProgress> progress = dialogs_->LoadProgressWindow(this);
    ReadResult result;
    auto newPanel = [&]() -> TPlatine& {
        auto panel = std::make_unique<TPlatine>();
        PreparePanel(*panel);
        panel->Progress = progress.get();
        result.panels.push_back(std::move(panel));
        return *result.panels.back();
    };
    TPlatine& first = newPanel();
    try {
        ReadDocument(data, first, newPanel, result.views);
    } catch (const VersionError&) {
        throw;
    } catch (const StreamError& e) {
        result.error = e.what();
    }
    for (auto& panel : result.panels) panel->Progress = nullptr;
    return result;
}

void MainWindow::InstallPanels(ReadResult& read, bool replace) {
    const int firstIndex = replace ? 0 : PanelCount();
    if (replace) {
        ClearDocument();
        views_.Clear();
        StartUndoBudget();
    }
    for (size_t i = 0; i < read.panels.size(); ++i) {
        PanelView& view = CreatePanel(std::move(read.panels[i]));
        TPlatine& panel = view.Panel();
        // The first tab shows at most 35 characters of its name.
        if (i == 0) tabBar_->setTabText(CurrentIndex(), Q(panel.Name.Text()).left(35));
        panel.SelectAll(false);
        panel.ResetHistory();
        panel.ZoomToPanel();
        view.SyncScrollBars();
    }
    // Imported views keep pointing at their own panels, now behind the ones already open.
    for (TView& v : read.views) {
        v.panel += firstIndex;
        views_.Append(std::move(v));
    }
    read.panels.clear();
    CurrentView().RepaintPanel();
    UpdateRulers(true);
    RefreshCommandStates();
    ReportMissingFonts(firstIndex);
}

void MainWindow::ReportMissingFonts(int firstIndex) {
    std::vector<const TPlatine*> panels;
    for (int i = firstIndex; i < PanelCount(); ++i) panels.push_back(&Panel(i));
    const std::vector<FontSubstitution> missing = MissingFonts(panels);
    if (missing.empty()) return;
    QStringList lines;
    for (const FontSubstitution& s : missing) lines << Q(s.requested) + QString::fromUtf8(" → ") + Q(s.shown);
    prompts_->Warning(this, msg::FontsTitle(), msg::FontsReplaced(lines.join('\n')));
}

bool MainWindow::WriteDocument(const std::string& path, bool backup) {
    std::vector<TPlatine*> panels;
    for (int i = 0; i < PanelCount(); ++i) panels.push_back(&Panel(i));
    std::vector<uint8_t> bytes;
    pw::WriteDocument(bytes, panels, views_.Items());
    // The library page is saved with the document (and with its backup).
    SaveLibraryPage();
    try {
        WriteWholeFile(path, bytes);
    } catch (const FileError& e) {
        if (backup)
            prompts_->Error(this, msg::WriteErrorTitle(), msg::BackupFailed(Q(path), Q(e.what())));
        else
            prompts_->Error(this, msg::WriteErrorTitle(), Q(e.what()));
        return false;
    }
    return true;
}

bool MainWindow::SaveDocumentTo(const std::string& path) {
    if (!WriteDocument(path, false)) return false;
    editFile_ = currentFile_;
    MarkDocumentSaved();
    return true;
}

void MainWindow::ReportReadFailure(const std::string& path, const std::string& message) {
    prompts_->Error(this, msg::ReadErrorTitle(), msg::PartialLoad(Q(path), Q(message)));
}

bool MainWindow::OpenDocument(const std::string& path, bool addToRecentFiles) {
    ReadResult read;
    try {
        read = ReadDocumentFile(path);
    } catch (const VersionError& e) {
        prompts_->Warning(this, Q(VersionError::Title()), Q(e.Text()));
        return false;
    } catch (const FileError& e) {
        prompts_->Error(this, msg::ReadErrorTitle(), Q(e.what()));
        return false;
    }
    if (!SavePrompt()) {
        cancelled_ = false;
        return false;
    }
    InstallPanels(read, true);
    if (read.error.empty()) {
        MarkDocumentSaved();
        editFile_ = currentFile_ = path;
        if (addToRecentFiles && recent_.AddOpened(path)) {
            if (!settings_.WriteRecentFiles(recent_))
                prompts_->Error(this, msg::WriteErrorTitle(), Q(CannotCreateMessage(settings_.Path())));
            UpdateRecentMenu();
        }
    } else {
        // What was read is kept, but under no name: saving it asks where.
        editFile_ = currentFile_ = DirectoryOf(path) + kUnnamed;
        ReportReadFailure(path, read.error);
    }
    SetTitle();
    return read.error.empty();
}

// --- The save prompt and a new document ---

bool MainWindow::SavePrompt() {
    HideFloatingToolWindows();
    cancelled_ = false;
    // Only a document that differs from what was opened or saved asks; a new one counts as
    // changed once any of its panels holds an element.
    if (DocumentChanged()) {
        const UserPrompts::Answer answer =
            prompts_->AskYesNoCancel(this, msg::AppTitle(), msg::SaveChanges());
        if (answer == UserPrompts::Answer::Cancel) {
            cancelled_ = true;
            ShowToolWindowsAgain();
            return false;
        }
        if (answer == UserPrompts::Answer::Yes) {
            std::string target = currentFile_;
            if (FileNameOf(currentFile_) == kUnnamed) {
                std::optional<QString> chosen = prompts_->SaveFile(this, msg::SaveAsTitle(), Q(currentFile_),
                                                                   msg::FileFilter(), QStringLiteral("fpl"));
                if (!chosen) {
                    cancelled_ = true;
                    ShowToolWindowsAgain();
                    return false;
                }
                target = chosen->toStdString();
            }
            const std::string previous = currentFile_;
            currentFile_ = target;
            // A document that could not be saved is not thrown away.
            if (!SaveDocumentTo(target)) {
                currentFile_ = previous;
                cancelled_ = true;
                ShowToolWindowsAgain();
                return false;
            }
        }
    }
    ShowToolWindowsAgain();
    StartNewDocument();
    return true;
}

void MainWindow::StartNewDocument() {
    views_.Clear();
    ClearDocument();
    StartUndoBudget();
    PanelView& view = CreatePanel();
    currentFile_ = DirectoryOfFile(currentFile_).toStdString() + "/" + kUnnamed;
    SetTitle();
    view.Panel().Sizer.reset();
    view.Panel().ZoomToPanel();
    view.SyncScrollBars();
    view.RepaintPanel();
    MarkDocumentSaved();
    RefreshCommandStates();
}

// --- File commands ---

void MainWindow::NewCommand() {
    if (SavePrompt()) PanelPropertiesCommand();
}

void MainWindow::OpenCommand() {
    HideFloatingToolWindows();
    std::optional<QString> path =
        prompts_->OpenFile(this, msg::OpenTitle(), DirectoryOfFile(currentFile_), msg::FileFilter());
    if (path) OpenDocument(path->toStdString(), true);
    SetTitle();
    CurrentPanel().ZoomToPanel();
    CurrentView().SyncScrollBars();
    UpdateRulers(true);
    ShowToolWindowsAgain();
}

void MainWindow::SaveCommand() {
    HideFloatingToolWindows();
    if (FileNameOf(currentFile_) != kUnnamed)
        SaveDocumentTo(currentFile_);
    else
        SaveAsCommand();
    ShowToolWindowsAgain();
}

void MainWindow::SaveAsCommand() {
    HideFloatingToolWindows();
    std::optional<QString> path = prompts_->SaveFile(this, msg::SaveAsTitle(), Q(currentFile_),
                                                     msg::FileFilter(), QStringLiteral("fpl"));
    if (path) {
        const std::string previous = currentFile_;
        currentFile_ = path->toStdString();
        if (!SaveDocumentTo(currentFile_)) currentFile_ = previous;
        SetTitle();
    }
    ShowToolWindowsAgain();
}

void MainWindow::OpenRecentCommand(int k) {
    const std::string path = recent_.Entry(static_cast<size_t>(k));
    if (path.size() <= 1) return;
    OpenDocument(path, false);
    CurrentPanel().ZoomToPanel();
    CurrentView().SyncScrollBars();
    UpdateRulers(true);
}

void MainWindow::ImportFileCommand() {
    HideFloatingToolWindows();
    std::optional<QString> path =
        prompts_->OpenFile(this, msg::OpenTitle(), DirectoryOfFile(currentFile_), msg::FileFilter());
    if (path) {
        const std::string file = path->toStdString();
        try {
            ReadResult read = ReadDocumentFile(file);
            InstallPanels(read, false);
            if (!read.error.empty())
                prompts_->Error(this, msg::ReadErrorTitle(), msg::ImportIncomplete(*path, Q(read.error)));
        } catch (const VersionError& e) {
            prompts_->Warning(this, Q(VersionError::Title()), Q(e.Text()));
        } catch (const FileError& e) {
            prompts_->Error(this, msg::ReadErrorTitle(), Q(e.what()));
        }
    }
    CurrentPanel().ZoomToPanel();
    CurrentView().SyncScrollBars();
    UpdateRulers(true);
    ShowToolWindowsAgain();
}

// --- Automatic backup ---

void MainWindow::BackupDialogCommand() {
    RunModal([this] { dialogs_->Backup(this, autosave_); });
}

void MainWindow::BackupTick() {
    if (!autosave_.Tick()) return;
    // An unchanged document is on disk already.
    if (!DocumentChanged()) return;
    editFile_ = currentFile_;
    WriteDocument(BackupPath(), true);
}

}  // namespace pw
