#pragma once
// The pictures of the tool buttons, drawn by the program itself: one small line drawing per
// button, looked up by the button's name.

#include <QIcon>

namespace pw {

// The icon of a tool button ("LinieBtn", "sb_save", "ar_links", ...); a null icon for names
// without a picture.
QIcon ToolIcon(const char* buttonName);

}  // namespace pw
