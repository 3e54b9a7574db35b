#pragma once
// The picture of the selected elements that every copy puts on the system clipboard for other
// programs: a true-size SVG drawing and enhanced metafile (one model unit per 0.02 mm) of exactly
// the selected elements, without the panel, whose origin is the selection's top-left corner; with
// a bitmap of it for programs that take neither.

#include <QByteArray>

namespace pw {

class TPlatine;

// The SVG drawing of the panel's selected elements; empty when nothing is selected.
QByteArray SelectionSvg(TPlatine& panel);

// Puts the drawing, the metafile and the bitmap on the system clipboard.
void CopySelectionPicture(TPlatine& panel);

}  // namespace pw
