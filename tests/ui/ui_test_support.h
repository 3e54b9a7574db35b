#pragma once
// Shared pieces of the program's tests: a temporary directory that is removed afterwards, the
// language put back after a test, and message boxes, file dialogs and window dialogs that
// answer from a script and record what they were asked.

#include <QString>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/language.h"
#include "ui/main/user_prompts.h"
#include "ui/main/window_dialogs.h"
#include "ui/settings/autosave.h"

namespace pw::test {

class TempDir {
  public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "pw-ui-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream out(File(name), std::ios::binary);
        out << bytes;
    }

  private:
    std::string path_;
};

struct LanguageScope {
    Language saved = CurrentLanguage();
    ~LanguageScope() { SetLanguage(saved); }
};

// Answers from queues; every question is recorded. An empty queue answers Cancel, No or
// nothing.
class ScriptedPrompts : public UserPrompts {
  public:
    struct Asked {
        QString kind;
        QString title;
        QString text;
    };
    std::vector<Asked> asked;
    std::deque<Answer> answers;
    std::deque<bool> yesNo;
    // Paths the file dialogs give; an empty one cancels the dialog, as an empty queue does.
    std::deque<QString> openPaths;
    std::deque<QString> savePaths;
    QString lastSaveProposal;
    QString lastOpenDirectory;
    // The picture-open dialog: the file and the filter chosen; none cancels. What it was shown.
    std::deque<PickedFile> pictures;
    QStringList lastPictureFilters;
    int lastPicturePreselected = -1;

    int Count(const QString& kind) const {
        int n = 0;
        for (const Asked& a : asked) n += a.kind == kind;
        return n;
    }

    Answer AskYesNoCancel(QWidget*, const QString& title, const QString& text) override {
        asked.push_back({"YesNoCancel", title, text});
        return Take(answers, Answer::Cancel);
    }
    bool AskYesNo(QWidget*, const QString& title, const QString& text) override {
        asked.push_back({"YesNo", title, text});
        return Take(yesNo, false);
    }
    void Warning(QWidget*, const QString& title, const QString& text) override {
        asked.push_back({"Warning", title, text});
    }
    void Error(QWidget*, const QString& title, const QString& text) override {
        asked.push_back({"Error", title, text});
    }
    std::optional<QString> OpenFile(QWidget*, const QString& title, const QString& directory,
                                    const QString&) override {
        asked.push_back({"Open", title, directory});
        lastOpenDirectory = directory;
        return Chosen(Take(openPaths, QString()));
    }
    std::optional<QString> SaveFile(QWidget*, const QString& title, const QString& proposed, const QString&,
                                    const QString&) override {
        asked.push_back({"Save", title, proposed});
        lastSaveProposal = proposed;
        return Chosen(Take(savePaths, QString()));
    }

    std::optional<PickedFile> OpenPicture(QWidget*, const QString& title, const QString& directory,
                                          const QStringList& filters, int preselected) override {
        asked.push_back({"OpenPicture", title, directory});
        lastPictureFilters = filters;
        lastPicturePreselected = preselected;
        if (pictures.empty()) return std::nullopt;
        PickedFile f = pictures.front();
        pictures.pop_front();
        return f;
    }

  private:
    static std::optional<QString> Chosen(const QString& path) {
        if (path.isEmpty()) return std::nullopt;
        return path;
    }
    template <class T>
    static T Take(std::deque<T>& queue, T fallback) {
        if (queue.empty()) return fallback;
        T v = queue.front();
        queue.pop_front();
        return v;
    }
};

// The window's dialogs, answering from fields.
class ScriptedDialogs : public WindowDialogs {
  public:
    std::optional<PanelPropertiesValues> panelProperties;
    std::deque<std::optional<GridDialogValues>> grid;
    std::optional<RegularPolygonInput> regularPolygon;
    std::optional<std::pair<bool, int>> backup;
    // The scale assistant: what the user does in it, and OK (true) or cancel.
    std::function<bool(ScaleAssistant&)> scaleAssistant;
    int scaleAssistantShown = 0;
    int panelPropertiesShown = 0;
    int gridShown = 0;
    int progressWindows = 0;

    std::optional<PanelPropertiesValues> PanelProperties(QWidget*, const PanelPropertiesValues&) override {
        ++panelPropertiesShown;
        return panelProperties;
    }
    std::optional<GridDialogValues> Grid(QWidget*, const GridDialogValues&) override {
        ++gridShown;
        if (grid.empty()) return std::nullopt;
        auto v = grid.front();
        grid.pop_front();
        return v;
    }
    std::optional<RegularPolygonInput> RegularPolygon(QWidget*) override { return regularPolygon; }
    bool RunScaleAssistant(QWidget*, ScaleAssistant& assistant, UserPrompts&) override {
        ++scaleAssistantShown;
        return scaleAssistant && scaleAssistant(assistant);
    }
    void Backup(QWidget*, Autosave& autosave) override {
        if (!backup) return;
        autosave.SetActive(backup->first);
        autosave.SetInterval(backup->second);
    }
    // The print dialog: answer(session) plays the user's part and says whether "&Drucken" was
    // chosen; without an answer the dialog is cancelled.
    std::function<bool(PrintSession&)> print;
    int printShown = 0;
    bool Print(QWidget*, PrintSession& session) override {
        ++printShown;
        return print && print(session);
    }
    std::unique_ptr<LoadProgress> LoadProgressWindow(QWidget*) override {
        ++progressWindows;
        return nullptr;
    }
    // The export dialog's answer; without one it is cancelled.
    std::optional<ExportChoice> exportChoice;
    bool exportSelectionOffered = false;
    std::optional<ExportChoice> Export(QWidget*, bool selectionPossible, const ExportChoice&) override {
        exportSelectionOffered = selectionPossible;
        return exportChoice;
    }
};

}  // namespace pw::test
