#pragma once
// A mask the painter draws single shapes on, to read them back as pixels: for shapes the Qt canvas
// does not rasterise itself (qt_canvas_mask.cpp says which), so that they can be kept and stored
// like its own. The mask has the picture's size and clip, so the painter draws each shape there
// exactly as it would on the picture. Its memory is zero pages of its own, which take memory only
// where shapes are drawn: the shapes it takes lie along the edges. Any thread may draw on a mask
// of its own.

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>
#include <optional>
#include <vector>

#include "render/own_shape.h"

namespace pw {

// What a shape is drawn with on the mask: the picture's size and clip, the drawable area (the
// picture within the clip), the painter's pen for the outline (Qt::NoPen: none), whether it is
// filled, how far beyond its points it reaches (the pen and the pixel each edge takes), the fill
// rule of polygons and the width of their outline as runs (0: the painter's pen draws it).
struct MaskDrawing {
    QSize picture;
    std::optional<IRect> clip;
    IRect area;
    QPen pen{Qt::NoPen};
    bool fill = false;
    int32_t margin = 0;
    Qt::FillRule rule = Qt::OddEvenFill;
    int32_t runsWidth = 0;
};

class ShapeMask {
  public:
    // Draws with the painter on the mask, fill and outline in one call as on the picture, and
    // appends the pixels within box and the drawable area (right and bottom excluded) to shape:
    // fill runs where only the fill went, outline runs where the outline did. The mask is left
    // clear.
    void Draw(const MaskDrawing& d, const IRect& box, const std::function<void(QPainter&)>& draw,
              OwnShape& shape);
    // The shapes the canvas hands the painter, drawn so: a polyline; polygons (consecutive in
    // pts; one is drawn as a point array, several as a path), their outlines added as runs where
    // asked; an ellipse's box (painter coordinates).
    void Line(const MaskDrawing& d, const IPoint* pts, size_t n, OwnShape& shape);
    void Polygons(const MaskDrawing& d, const IPoint* pts, const int32_t* counts, size_t polygons,
                  bool single, OwnShape& shape);
    void Ellipse(const MaskDrawing& d, const QRectF& box, OwnShape& shape);

  private:
    QImage image_;  // a byte a pixel: 0 nothing, else kFill or kOutline
    QPainter painter_;
    std::optional<std::optional<IRect>> clip_;  // the clip set on the painter, once set
};

// The box (right and bottom excluded) a shape with these points can reach on the mask: the points'
// box widened by the margin (the pen's width and the pixel each edge takes).
IRect MaskBox(const IPoint* pts, size_t n, int32_t margin);

// Device points as the painter takes them.
QPolygon ToQPolygon(const IPoint* pts, size_t n);
// The outlines of polygons (consecutive in pts) as a painter path of closed subpaths, and as the
// runs of a wide pen within the area.
QPainterPath OutlinesPath(const IPoint* pts, const int32_t* counts, size_t polygons, Qt::FillRule rule);
void AddOutlineRuns(const IPoint* pts, const int32_t* counts, size_t polygons, int32_t penWidth,
                    const IRect& area, std::vector<PixelRun>& runs);

}  // namespace pw
