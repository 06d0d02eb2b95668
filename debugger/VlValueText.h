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
    uint16_t DeclaredKind = 0;  // of the field or the array's elements; 0 when not declared
};

// UTF-8: 5, 2.5, 'text', True, (пусто), nil, Object: TForm1, [1, 2, 3], (x: 1; y: 2) ...
// Long arrays and deep nesting are cut with "...".
std::string VlValueText(const TVlValue &value, TVlInterpreterAdapter &types);
// The kind as a learner reads it: Integer, String, Boolean, array, record TPoint ... A declared
// kind, when given, names a plain value's kind (a field not yet assigned may hold another).
std::string VlValueKindText(const TVlValue &value, uint16_t declaredKind = 0);
// Elements of an array or fields of a record (at most limit of them); none for other kinds.
std::vector<TVlValueChild> VlValueChildren(const TVlValue &value, TVlInterpreterAdapter &types,
                                           size_t limit = 1000);
