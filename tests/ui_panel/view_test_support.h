#pragma once
// A panel view on the offscreen platform, driven with real Qt mouse and key events, and a way to
// answer the modal dialogs a panel call opens.
//
// Presses, releases and keys go through QTest. Moves are sent as QMouseEvents of their own:
// QTest moves the platform pointer when no button is held and carries no modifier keys, while
// the tools need Shift and Ctrl on moves.

#include <gtest/gtest.h>

#include <QDialog>
#include <QPoint>
#include <functional>
#include <memory>

#include "panel/platine.h"
#include "ui/panel/panel_view.h"

class QWidget;

namespace pw::test {

class ViewTest : public ::testing::Test {
  protected:
    // A 200 x 200 mm panel at zoom 10 (one view pixel is 5 model units), snap spacing 50 units,
    // in a view whose visible area is at least 800 x 600 pixels.
    void SetUp() override;
    void TearDown() override;

    TPlatine& panel() { return view->Panel(); }
    QWidget* area() { return view->viewport(); }

    void Press(int x, int y, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {});
    void Release(int x, int y, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {});
    void Click(int x, int y, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {});
    void Move(int x, int y, Qt::KeyboardModifiers m = {});
    // Sets the edit mode as the tool buttons do and lets the view paint.
    void Mode(TEditMode mode);
    // Runs what the event loop has pending (layout, queued repaints) and paints what is left.
    void Settle();

    template <class T>
    T* Last() {
        return panel().ElementCount() ? dynamic_cast<T*>(panel().Element(panel().ElementCount() - 1))
                                      : nullptr;
    }
    // A rectangle contour with the given corners (model units).
    TBauteil* AddRect(Real x1, Real y1, Real x2, Real y2, Real pen = 10);

    TBackupStream undo;
    std::unique_ptr<PanelView> view;

  private:
    Qt::MouseButtons held_;
};

// Answers the next modal dialog that opens: once it shows, answer runs on it (typing, clicking
// its buttons). Returns a counter of the dialogs answered so far that the caller may read.
std::shared_ptr<int> AnswerNextDialog(std::function<void(QDialog&)> answer);

// Types the text into a child field of the dialog (after selecting what it held) and clicks
// the named button.
void TypeInto(QDialog& dialog, const char* fieldName, const QString& text);
void ClickButton(QDialog& dialog, const char* buttonName);

}  // namespace pw::test
