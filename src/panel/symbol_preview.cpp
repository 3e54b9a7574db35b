#include "panel/symbol_preview.h"

namespace pw {

MPoint ReferencePoint(const MRect& b, int position) {
    const Real mx = (b.x1 + b.x2) / 2;
    const Real my = (b.y1 + b.y2) / 2;
    const int column = (position - 1) % 3;
    const int row = (position - 1) / 3;
    const Real x = column == 0 ? b.x1 : column == 1 ? mx : b.x2;
    const Real y = row == 0 ? b.y1 : row == 1 ? my : b.y2;
    return {x, y};
}

TBauteil* SymbolPreview::Symbol() const {
    return preview_.ElementCount() > 0 ? preview_.Element(0) : nullptr;
}

MPoint SymbolPreview::SnapShift() {
    IPoint px = preview_.ModelToPixel(preview_.MarkerPoint);
    return preview_.SnapPoint(px.x, px.y) - preview_.MarkerPoint;
}

void SymbolPreview::Shift(MPoint d) {
    if (TBauteil* s = Symbol()) s->Move(d);
    preview_.MarkerPoint = preview_.MarkerPoint + d;
}

void SymbolPreview::Show(const MemoryStream& symbol, MPoint insertPoint, bool gridVisible, Real snapSpacing) {
    edge_ = true;
    position_ = 7;
    preview_.SelectAll(true);
    preview_.DeleteSelected();
    preview_.SelectAll(false);
    preview_.GridVisible = gridVisible;
    preview_.SnapSpacing = snapSpacing;
    preview_.MarkerPoint = insertPoint;
    TReader r(symbol.bytes, StreamSource::Clipboard);
    preview_.ReadPanel(r);
    if (preview_.SelectedCount() > 1) preview_.Group();
    preview_.ZoomToContent(true);
    const MPoint d = SnapShift();
    Shift(d);
    if (TBauteil* s = Symbol()) s->InsertPoint = s->InsertPoint + d;
    shift_ = d;
    preview_.ZoomToContent(true);
    preview_.SelectAll(false);
}

void SymbolPreview::Press(int tag) {
    if (tag == kEdge)
        edge_ = true;
    else if (tag == kOutline)
        edge_ = false;
    else if (tag >= 1 && tag <= 9)
        position_ = tag;
    else
        return;
    const MRect b = edge_ ? preview_.SelectionBounds(false) : preview_.SelectionShapeBounds(false);
    preview_.MarkerPoint = ReferencePoint(b, position_);
    const MPoint d = SnapShift();
    Shift(d);
    if (TBauteil* s = Symbol()) s->InsertPoint = preview_.MarkerPoint;
    preview_.ZoomToContent(false);
    shift_ = shift_ + d;
    preview_.Repaint();
}

void SymbolPreview::MarkerMoved() {
    if (TBauteil* s = Symbol()) s->InsertPoint = preview_.MarkerPoint;
}

}  // namespace pw
