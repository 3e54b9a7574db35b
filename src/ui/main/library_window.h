#pragma once
// BauteilPanel: the library window of the side area. LibCombo lists the pages of the library
// directory, a search field filters the symbols of all pages by name, and LibScrollBox shows the
// current page (TBibo) as a stacked strip of its symbols with their names. A left release on a
// symbol chooses it and asks for it to be placed; a right release asks for LibMenu.

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "panel/library_directory.h"
#include "panel/library_page.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QScrollArea;

namespace pw {

class LibraryPageView;

class LibraryWindow : public QWidget {
    Q_OBJECT
  public:
    explicit LibraryWindow(const std::string& directory, QWidget* parent = nullptr);
    ~LibraryWindow() override;

    TBibo& Page() { return page_; }
    const std::string& Directory() const { return directory_; }
    const std::vector<LibraryPageEntry>& Pages() const { return pages_; }
    int CurrentIndex() const;
    QComboBox* Combo() const { return combo_; }
    QLineEdit* SearchField() const { return search_; }
    LibraryPageView* PageView() const { return view_; }

    // Reads the page list again and loads the page at the position (kept within the list). An
    // empty directory gets a first page. Returns the messages of page files that were skipped.
    std::vector<std::string> ReadPageList(int position);
    // Saves the shown page when it changed; returns the failure's message, or nothing.
    std::optional<std::string> SavePage();
    // Loads the page of a position of the list (the shown one saved first when it changed).
    void SelectPage(int position);
    // The position of the page whose file is path, or -1.
    int PositionOf(const std::string& path) const;
    // Lays the page out again and repaints it.
    void Refresh();

  signals:
    void symbolChosen();
    void menuRequested(const QPoint& global);
    // A failure the window met (a page that could not be read or saved), for a message box.
    void failure(const QString& text);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void ApplySearch(const QString& text);

    std::string directory_;
    TBibo page_;
    std::vector<LibraryPageEntry> pages_;
    QComboBox* combo_;
    QLineEdit* search_;
    QListWidget* results_;
    QScrollArea* scroll_;
    LibraryPageView* view_;
    bool filling_ = false;
};

// The page painted as a strip of symbols; mouse releases choose them.
class LibraryPageView : public QWidget {
    Q_OBJECT
  public:
    LibraryPageView(TBibo& page, QWidget* parent);
    void Relayout();

  signals:
    void released(Qt::MouseButton button, const QPoint& global);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    TBibo& page_;
};

}  // namespace pw
