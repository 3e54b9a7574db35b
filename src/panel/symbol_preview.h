#pragma once
// The model of the symbol properties dialog: the symbol shown on a preview panel, whose marker
// point is the symbol's insertion point. A reference point of the symbol's bounds (one of nine
// positions, with the pen's width or without it) is brought onto the preview's grid, the
// symbol moving with it; the insertion point handed back is expressed in the coordinates of
// the symbol as it was given.

#include "panel/platine.h"

namespace pw {

class SymbolPreview {
  public:
    // Position buttons: 1 to 9 from top left to bottom right, row by row; 10 "Außenkante"
    // (bounds with the pen), 11 "Außenlinie" (the geometry without the pen).
    static constexpr int kEdge = 10;
    static constexpr int kOutline = 11;

    explicit SymbolPreview(TPlatine& preview) : preview_(preview) {}

    // Shows the symbol held by the stream (several elements as one group) with the grid of the
    // document panel; the marker starts at the insertion point, brought onto the grid.
    void Show(const MemoryStream& symbol, MPoint insertPoint, bool gridVisible, Real snapSpacing);
    // A position button.
    void Press(int tag);
    // The marker moved by a click in the preview (emPoint): the insertion point follows it.
    void MarkerMoved();
    // The insertion point to hand back, in the coordinates of the symbol as given.
    MPoint Result() const { return preview_.MarkerPoint - shift_; }

    TBauteil* Symbol() const;
    bool EdgeMode() const { return edge_; }
    int Position() const { return position_; }

  private:
    // The vector that brings the marker onto the grid.
    MPoint SnapShift();
    // Moves symbol and marker by d.
    void Shift(MPoint d);

    TPlatine& preview_;
    bool edge_ = true;
    int position_ = 7;
    MPoint shift_;
};

// The reference point of a position (1 to 9) on bounds.
MPoint ReferencePoint(const MRect& bounds, int position);

}  // namespace pw
