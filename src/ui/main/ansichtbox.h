#pragma once
// TAnsichtbox ("Ansichten"): the view window of the side area. Five zoom buttons act on the
// current panel (tags 1 to 5; plus and minus repeat every 100 ms while held), and the list of
// the document's stored views: a click applies a view, "neue Ansicht" goes on top with its name
// open for editing, a double click renames, and entries are deleted (after a question) or moved
// up and down. The list shows the ViewList the main window owns; a view whose panel is missing
// shows greyed and is never applied.

#include <QWidget>
#include <functional>
#include <optional>

#include "panel/view_list.h"

class QListWidget;
class QListWidgetItem;
class QToolButton;

namespace pw {

class UserPrompts;

class TAnsichtbox : public QWidget {
    Q_OBJECT
  public:
    enum ZoomTag { kZoomPlatine = 1, kZoomAll = 2, kZoomMarked = 3, kZoomPlus = 4, kZoomMinus = 5 };

    TAnsichtbox(ViewList& views, UserPrompts& prompts, QWidget* parent = nullptr);
    ~TAnsichtbox() override;

    // OnAnsichtRequest: the current view of the current panel, filled by the main window.
    std::function<TView()> RequestView;

    // Shows the list anew when the views or the number of panels changed (not while a name is
    // being edited).
    void Refresh(int panelCount);
    // "zoom all" with elements on the panel, "zoom selected" with a selection.
    void SetZoomStates(bool hasElements, bool hasSelection);
    bool Editing() const { return editing_; }

    QListWidget* Ansichtliste;
    QToolButton* ZoomPlatineBtn;
    QToolButton* ZoomAllBtn;
    QToolButton* ZoomMarkedBtn;
    QToolButton* ZoomPlusBtn;
    QToolButton* ZoomMinusBtn;
    QToolButton* addBtn;
    QToolButton* DelBtn;
    QToolButton* UpBtn;
    QToolButton* DownBtn;

  signals:
    void zoomRequested(int tag);
    // The pointer came onto a zoom button (its tag) or left it (0).
    void zoomHovered(int tag);
    // OnAnsichtZuweisen: apply this view (its panel exists).
    void applyRequested(const pw::TView& view);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QToolButton* Button(const char* name, const QString& text, const QString& hint);
    void Rebuild();
    void AddView();
    void DeleteView();
    void Move(bool up);
    void Apply(QListWidgetItem* item);
    void EditName(int row);
    void UpdateButtons();
    int SelectedRow() const;

    ViewList& views_;
    UserPrompts& prompts_;
    int panelCount_ = 0;
    // What the list shows, to rebuild it only after a change.
    std::vector<TView> shown_;
    int shownPanelCount_ = -1;
    bool editing_ = false;
    std::function<void()> detach_;
};

}  // namespace pw
