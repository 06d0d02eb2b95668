// Field and parameter values between scripts and the data sets: Null stays Null, dates stay dates,
// several key values travel as a variant array.
#pragma once

#include "components/db/VlDbValue.h"
#include "interpreter/VlInterpreterAdapter.h"
#include "interpreter/VlInterpreterValue.h"

#include <vector>

TVarValue VlScriptToDbValue(const TVlValue &value);
// Date and time field types give Date values.
TVlValue VlDbToScriptValue(const TVarValue &value, TFieldType type = ftUnknown);
// The elements of a variant or script array, or the value alone.
std::vector<TVarValue> VlScriptToDbValues(const TVlValue &value);
// The elements of the open array in an argument slot (a script or variant array), or the value alone.
std::vector<TVarValue> VlScriptToDbArray(TVlInterpreterArgs &args, int slot);
// One value as itself, several as a variant array.
TVlValue VlDbToScriptValues(const std::vector<TVarValue> &values);
