// How a paused program's values read for a learner: one line per value, by kind, and the
// elements of arrays and fields of records as children that a view can expand.
#pragma once

#include "interpreter/VlInterpreterValue.h"

#include <string>
#include <vector>

class TVlInterpreterAdapter;

struct TVlValueChild {
    std::string Name;  // "[3]" for an element, the field name for a field (UTF-8)
    TVlValue Value;
};

// UTF-8: 5, 2.5, 'text', True, (пусто), nil, Object: TForm1, [1, 2, 3], (x: 1; y: 2) ...
// Long arrays and deep nesting are cut with "...".
std::string VlValueText(const TVlValue &value, TVlInterpreterAdapter &types);
// The kind as a learner reads it: Integer, String, Boolean, array, record TPoint ...
std::string VlValueKindText(const TVlValue &value);
// Elements of an array or fields of a record (at most limit of them); none for other kinds.
std::vector<TVlValueChild> VlValueChildren(const TVlValue &value, TVlInterpreterAdapter &types,
                                           size_t limit = 1000);
