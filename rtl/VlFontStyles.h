// Font styles as a set: the widget set's fonts, the scripts' Graphics unit and the editor's token
// styles (whose settings store writes exactly these bits) share them.
#pragma once

#include <cstdint>

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = uint32_t; // bit n = TFontStyle n

constexpr TFontStyles VlFontStyle(TFontStyle style) { return 1u << style; }
