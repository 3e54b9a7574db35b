#include "panel/picture_import.h"

#include <memory>

#include "elements/btmap.h"
#include "elements/meta.h"

namespace pw {

PictureKind PictureKindOfFilter(int filter) {
    return filter == 0 ? PictureKind::Bitmap : PictureKind::Metafile;
}

std::optional<std::string> ImportPicture(TPlatine& panel, PictureKind kind,
                                         const std::vector<uint8_t>& file) {
    std::string error;
    std::unique_ptr<TRechteck> picture;
    if (kind == PictureKind::Bitmap) {
        auto b = std::make_unique<TBtmap>();
        if (!b->LoadFile(file, &error)) return error;
        picture = std::move(b);
    } else {
        auto m = std::make_unique<TMeta>();
        if (!m->LoadFile(file, &error)) return error;
        picture = std::move(m);
    }
    for (MPoint p : {MPoint{0, 0}, MPoint{100, 0}, MPoint{100, 100}, MPoint{0, 100}}) picture->AddPoint(p);
    picture->SetUmrissFlag(panel.UmrissModus());
    panel.SaveUndo();
    panel.AddElement(std::move(picture));
    panel.SetEditMode(kind == PictureKind::Bitmap ? emBitmap : emMeta);
    return std::nullopt;
}

}  // namespace pw
