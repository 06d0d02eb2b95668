// TPoint and TRect record values (the Windows unit's record types) for host routines of other units.
#pragma once

#include "interpreter/VlInterpreterValue.h"

#include <cstdint>

struct TVlInterpreterArgs;

// A new record value; args (may be null) names the calling script, whose own record types come first.
TVlValue VlPointValue(const TVlInterpreterArgs *args, int32_t x, int32_t y);
TVlValue VlRectValue(const TVlInterpreterArgs *args, int32_t left, int32_t top, int32_t right, int32_t bottom);
// The coordinates a TPoint or TRect value holds; raise code 109 for any other value.
void VlValueToPoint(const TVlValue &value, int32_t &x, int32_t &y);
void VlValueToRect(const TVlValue &value, int32_t &left, int32_t &top, int32_t &right, int32_t &bottom);
