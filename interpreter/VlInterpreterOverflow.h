// The error of runaway nesting: the script learns which routine went too deep.
#pragma once

#include <cstdint>

struct TVlInterpreterFunctionDesc;

// Raises "Stack overflow" (code 52), naming the routine that was running (none: the main block).
[[noreturn]] void VlRaiseStackOverflow(const TVlInterpreterFunctionDesc *routine, int32_t position);
