#pragma once
// Panel1: the side area along the right edge of the main window. Five selector buttons choose
// what it shows: the symbol library (BauteilPanel with LibCombo and LibScrollBox) or the pen,
// brush, view or font window. The main window puts the side windows in (SetPage); a window
// this version does not have yet keeps a place that says so.

#include <QWidget>

class QButtonGroup;
class QStackedWidget;
class QToolButton;

namespace pw {

class SideArea : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 183;
    // Selector tags.
    enum Tag { kStift = 1, kFuell = 2, kSymbol = 3, kAnsicht = 4, kFont = 5 };

    explicit SideArea(QWidget* parent = nullptr);

    // Puts the window of a selector in place of what it showed; the side area owns it.
    void SetPage(int tag, QWidget* page);
    // Presses a selector button and shows its window.
    void Select(int tag);
    int Selected() const;
    // The library shows (SymbolBtn pressed).
    bool LibraryVisible() const { return Selected() == kSymbol; }

  signals:
    void selected(int tag);

  private:
    QToolButton* AddSelector(const char* name, int tag);
    static int PageIndex(int tag);

    QButtonGroup* group_;
    QStackedWidget* stack_;
};

}  // namespace pw
