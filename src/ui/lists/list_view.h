#pragma once
// ListView: what the pen, brush and font windows share below their controls: the bar with the
// add, delete, down and up buttons, and the owner-drawn list of named lines with its in-place
// name editor. A double click opens the editor over the line; Enter or leaving it takes the
// text, Escape keeps the old one. The window keeps the lines in its model and puts them in
// after every change; the view reports what the user did.

#include <QLineEdit>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "core/named_list.h"

class QListWidget;
class QToolButton;

namespace pw {

class ListView : public QWidget {
    Q_OBJECT
  public:
    // Draws line `index` into an image of the line's size.
    using LinePicture = std::function<QImage(int index, QSize size, bool selected)>;

    ListView(int lineHeight, LinePicture picture, QWidget* parent = nullptr);

    QListWidget* List() const { return list_; }
    QToolButton* AddButton() const { return addBtn_; }
    QToolButton* DeleteButton() const { return delBtn_; }
    QToolButton* DownButton() const { return downBtn_; }
    QToolButton* UpButton() const { return upBtn_; }
    // The hints of the four buttons, in this order.
    void SetHints(const QString& add, const QString& del, const QString& down, const QString& up);

    // Puts in the names and the selected line (-1: none) without reporting anything.
    void SetLines(const std::vector<std::string>& names, int selected);
    void SetButtons(const ListButtons& buttons);
    bool EditorOpen() const { return editorOpen_; }
    // The open name editor; null while none is open.
    QLineEdit* Editor() const { return editorOpen_ ? editor_.data() : nullptr; }
    // Opens the name editor on a line.
    void OpenEditor(int index);

  signals:
    void lineClicked(int index);
    void renamed(int index, const QString& name);
    void editorOpened(bool open);
    void addClicked();
    void deleteClicked();
    void downClicked();
    void upClicked();

  private:
    class Delegate;
    QToolButton* BarButton(const char* name, const QString& face);
    void SetEditorOpen(bool open, QLineEdit* editor);

    QListWidget* list_;
    QToolButton* addBtn_;
    QToolButton* delBtn_;
    QToolButton* downBtn_;
    QToolButton* upBtn_;
    QPointer<QLineEdit> editor_;
    bool editorOpen_ = false;
    bool filling_ = false;
};

}  // namespace pw
