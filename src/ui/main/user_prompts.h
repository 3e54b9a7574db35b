#pragma once
// The standard dialogs and message boxes the main window asks the user through. The program
// uses the Qt ones; tests put in their own answers.

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace pw {

class UserPrompts {
  public:
    enum class Answer { Yes, No, Cancel };
    virtual ~UserPrompts() = default;

    virtual Answer AskYesNoCancel(QWidget* parent, const QString& title, const QString& text) = 0;
    virtual bool AskYesNo(QWidget* parent, const QString& title, const QString& text) = 0;
    virtual void Warning(QWidget* parent, const QString& title, const QString& text) = 0;
    virtual void Error(QWidget* parent, const QString& title, const QString& text) = 0;
    // The open dialog: the path of an existing file, nothing when cancelled.
    virtual std::optional<QString> OpenFile(QWidget* parent, const QString& title, const QString& directory,
                                            const QString& filter) = 0;
    // The save dialog (asks before overwriting): the chosen path, nothing when cancelled.
    virtual std::optional<QString> SaveFile(QWidget* parent, const QString& title,
                                            const QString& proposedPath, const QString& filter,
                                            const QString& defaultSuffix) = 0;
    // The picture-open dialog with the given filters, one preselected: the path of an existing
    // file and the number of the filter chosen (0 the first), nothing when cancelled. The Qt
    // dialog unless a caller puts in its own answer.
    struct PickedFile {
        QString path;
        int filter = 0;
    };
    virtual std::optional<PickedFile> OpenPicture(QWidget* parent, const QString& title,
                                                  const QString& directory, const QStringList& filters,
                                                  int preselected);
};

// The platform's message boxes and file dialogs.
class QtUserPrompts : public UserPrompts {
  public:
    Answer AskYesNoCancel(QWidget* parent, const QString& title, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& title, const QString& text) override;
    void Warning(QWidget* parent, const QString& title, const QString& text) override;
    void Error(QWidget* parent, const QString& title, const QString& text) override;
    std::optional<QString> OpenFile(QWidget* parent, const QString& title, const QString& directory,
                                    const QString& filter) override;
    std::optional<QString> SaveFile(QWidget* parent, const QString& title, const QString& proposedPath,
                                    const QString& filter, const QString& defaultSuffix) override;
};

}  // namespace pw
