// Where a text's ink falls when it is drawn. Some fonts draw narrower than their measured extents
// say (Wine's own Tahoma by a tenth at 8 pt), so a place that must match the drawn text, such as
// a box standing in the blanks of a caption, is found from the drawn text itself.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace win32 {

// For each pixel column from the text's left edge, whether drawing `text` in `font` inks it.
// Empty when it cannot be drawn.
std::vector<bool> inkColumns(HFONT font, const std::wstring& text);

}  // namespace win32
