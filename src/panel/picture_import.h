#pragma once
// The picture import: the chosen file becomes a bitmap or metafile element, appended to the
// panel, which then waits in its placing mode for the click that puts it down (PictureTool).
// The kind follows the filter the user chose in the open dialog, not the file's name.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "panel/platine.h"

namespace pw {

enum class PictureKind { Bitmap, Metafile };

// The open dialog's filters in their order (bitmaps, metafiles, enhanced metafiles), and the
// kind each one makes.
inline constexpr int kPictureFilterCount = 3;
inline constexpr int kPreselectedPictureFilter = 2;
PictureKind PictureKindOfFilter(int filter);

// Takes the snapshot, appends the picture with the placeholder corners (0, 0) to (100, 100) and
// switches to emBitmap or emMeta. Nothing changes when the file is no picture of that kind;
// the reason is returned.
std::optional<std::string> ImportPicture(TPlatine& panel, PictureKind kind, const std::vector<uint8_t>& file);

}  // namespace pw
