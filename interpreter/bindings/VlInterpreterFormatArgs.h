// Format with a script's arguments, for routines of other units that format messages (ShowMessageFmt).
#pragma once

#include <string>

struct TVlInterpreterArgs;

// Format(Values[formatSlot], Values[argsSlot]) as the SysUtils unit's Format does it.
std::string VlFormatScriptArgs(TVlInterpreterArgs &args, int formatSlot, int argsSlot);
