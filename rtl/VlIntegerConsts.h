// Named integer constants of integer property types (TColor: clRed, TCursor: crHandPoint), used by form streams.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using TIdentMapEntry = std::pair<std::string, int64_t>;

// Registers the names of a type's values; a later registration for the same type adds to it.
void RegisterIntegerConsts(std::string_view typeName, const std::vector<TIdentMapEntry> &map);
// Letter case of the identifier is ignored; false when the type or the name is unknown.
bool IdentToInt(std::string_view typeName, std::string_view ident, int64_t &value);
// The first name registered for the value; false when there is none.
bool IntToIdent(std::string_view typeName, int64_t value, std::string &ident);
