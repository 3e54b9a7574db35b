#pragma once
// ColourSwatch: a framed field filled with a colour that reports clicks; the dialogs open the
// colour dialog from it.

#include <QFrame>

#include "core/color.h"

namespace pw {

class ColourSwatch : public QFrame {
    Q_OBJECT
  public:
    explicit ColourSwatch(QWidget* parent = nullptr);
    void SetColour(Color colour);
    Color Colour() const { return colour_; }

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    Color colour_ = kWhite;
};

}  // namespace pw
