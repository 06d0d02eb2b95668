// The error of a form file that asks for more than a reader allows (nesting, sizes, lengths):
// unlike a bad property value, which is skipped, it stops the read.
#pragma once

#include "VlExceptions.h"

VL_DECLARE_EXCEPTION(EFormLimitError, EReadError)

// More items in one list or collection of a form file are refused.
constexpr int VlMaxFormListItems = 1000000;
