#pragma once
// TInfoDlg: the title picture TITEL.BMP without a border, shown at start-up and as the about
// box, with a line naming the version and the licence under it. A click or a key closes the
// about box.

#include <QDialog>
#include <QPixmap>

namespace pw {

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    // The picture from the data directory; a drawn one when the file is missing.
    AboutBox(const QString& dataDirectory, QWidget* parent = nullptr);

    // The picture this program draws when it has no TITEL.BMP.
    static QPixmap DrawnPicture();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace pw
