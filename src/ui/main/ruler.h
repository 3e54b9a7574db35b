#pragma once
// HScale and VScale: the rulers along the top and the left edge of the drawing area. They show
// millimetres from the current panel's grid origin at its zoom and scroll position, and a small
// red marker at the position the panel would use for the mouse.

#include <QWidget>

#include "core/view_mapping.h"

namespace pw {

class Ruler : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kThickness = 30;

    Ruler(Qt::Orientation orientation, QWidget* parent = nullptr);

    // What the ruler shows: the panel's view (its zoom and its scroll position along the
    // ruler's direction), the origin in millimetres along that direction, and the length of the
    // drawing area it covers.
    void SetView(const ViewMapping& view, double originMm, int length);
    // Moves the cursor marker: the position in pixels along the ruler (its left or top edge).
    void SetMarker(int position);
    int MarkerPosition() const { return marker_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Qt::Orientation orientation_;
    double originMm_ = 0;
    int scroll_ = 0;
    double zoom_ = 1;
    int length_ = 0;
    int marker_ = 0;
};

}  // namespace pw
