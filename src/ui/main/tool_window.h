#pragma once
// TToolform: one of the nine tool windows. It holds one tool bar or panel of the main window
// and floats as a small window with its caption or docks into the top or the bottom control
// bar. Closing it only hides it. Besides whether it shows right now, it remembers whether the
// user wants it shown, so that it can be hidden around a modal dialog and shown again after.

#include <QDockWidget>

namespace pw {

class ToolWindow : public QDockWidget {
    Q_OBJECT
  public:
    ToolWindow(int number, const QString& caption, QWidget* content, QWidget* parent);

    int Number() const { return number_; }
    // Whether the user wants the window shown (its entry in "Werkzeuge anzeigen" is hidden).
    bool Wanted() const { return wanted_; }
    void SetWanted(bool wanted);

  signals:
    // The user closed the window.
    void closedByUser(int number);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void UpdateTitleBar(bool floating);

    int number_;
    bool wanted_ = true;
};

}  // namespace pw
