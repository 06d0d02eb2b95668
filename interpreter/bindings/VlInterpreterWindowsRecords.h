// TPoint and TRect record values (the Windows unit's record types) for host routines of other units.
#pragma once

#include "interpreter/VlInterpreterValue.h"
#include "rtl/VlPersistent.h"

#include <cstdint>

struct TVlInterpreterArgs;

// A new record value; args (may be null) names the calling script, whose own record types come first.
TVlValue VlPointValue(const TVlInterpreterArgs *args, int32_t x, int32_t y);
TVlValue VlRectValue(const TVlInterpreterArgs *args, int32_t left, int32_t top, int32_t right, int32_t bottom);
// The coordinates a TPoint or TRect value holds (for a TRect also a TVlEventRect object); raise
// code 109 for any other value.
void VlValueToPoint(const TVlValue &value, int32_t &x, int32_t &y);
void VlValueToRect(const TVlValue &value, int32_t &left, int32_t &top, int32_t &right, int32_t &bottom);

// The rectangle of a drawing event as its script handler receives it. A record cannot be an
// argument of a script routine (error 2), so the bridges pass this object instead: its Left, Top,
// Right and Bottom read and write like the record's fields, and every routine taking a TRect takes
// it too. It lives while the handler runs.
class TVlEventRect : public TPersistent {
    VL_CLASS(TVlEventRect)
    TVlEventRect() = default;
    TVlEventRect(int32_t left, int32_t top, int32_t right, int32_t bottom)
        : Left(left), Top(top), Right(right), Bottom(bottom)
    {
    }
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};
