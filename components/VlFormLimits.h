// What a form file, or a script, may ask of the widgets. Beyond these limits the request fails at
// once with EFormLimitError, which the form reader passes on (reading stops) instead of skipping
// the property.
#pragma once

#include "VlFilerValues.h"
#include "VlFormLimitError.h"

#include <cstdint>
#include <string>

constexpr int VlMaxControlExtent = 16384;              // a control's width or height, in pixels
constexpr int64_t VlMaxGridCells = 1000000;            // columns times rows of a grid
constexpr int64_t VlMaxBufferPixels = int64_t(64) << 20; // a bitmap or a canvas buffer

// Raises EFormLimitError "<what> <value> is beyond the limit of <limit>" when value > limit.
inline void VlCheckFormLimit(const char *what, int64_t value, int64_t limit)
{
    if (value > limit)
        throw EFormLimitError(std::string(what) + " " + std::to_string(value) + " is beyond the limit of " +
                              std::to_string(limit));
}
