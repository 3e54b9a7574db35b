#pragma once
// The manual: the HTML pages shipped in data/manual (German in de/, English in en/), shown in
// a window of the program at their table of contents.

#include <QWidget>

class QTextBrowser;

namespace pw {

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the page; false when it does not exist.
    bool Open(const QString& indexPath);

    // The manual's contents page in the current language.
    static QString ManualIndex(const QString& dataDirectory);

  private:
    QTextBrowser* browser_;
};

}  // namespace pw
