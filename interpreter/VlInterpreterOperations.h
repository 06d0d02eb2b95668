// Arithmetic, logic and comparison on values, with the variant promotion rules.
#pragma once

#include "VlInterpreterValue.h"

enum TVlOpCode : int32_t {
    opAdd = 0, opSubtract = 1, opMultiply = 2, opDivide = 3, opIntDivide = 4, opModulus = 5,
    opShiftLeft = 6, opShiftRight = 7, opAnd = 8, opOr = 9, opXor = 10
};

// Failures: EVlVariantError for kinds that do not convert, EVlRuntimeError for division by zero.
TVlValue VlBinaryOp(int32_t op, const TVlValue &left, const TVlValue &right);
TVlValue VlNegate(const TVlValue &value);
TVlValue VlNot(const TVlValue &value);

// Result of VlCompare when either side is Null.
constexpr int VlUnordered = 2;
// -1, 0 or 1, or VlUnordered.
int VlCompare(const TVlValue &left, const TVlValue &right);

// The fuller dialect's integer arithmetic: operands of integer kinds computed in 64 bits, so that
// results leaving 32 bits are Int64 values (wrapping at 64 bits) rather than Doubles. False (result
// untouched) for other operands or operators, and where the general operation must fail.
bool VlWideIntegerOp(int32_t op, const TVlValue &left, const TVlValue &right, TVlValue &result);
// Operators on wide sets (token kinds): + - * = <> <= >=; an Empty or a 32-bit Set operand takes part as
// the set it stands for.
TVlValue VlWideSetOp(int32_t tokenKind, const TVlValue &left, const TVlValue &right);
// element in set, for wide sets and 32-bit Sets.
TVlValue VlInSet(const TVlValue &element, const TVlValue &set);

// The fuller dialect's reals keep the precision Free Pascal gives them: an operation with an
// extended operand (and no operand that is not a number) is computed in extended precision, one of
// singles and integers in single precision (except "/" of two integers); comparisons answer
// Booleans. False (result untouched) for other operands and operators.
bool VlPrecisionFloatOp(int32_t tokenKind, const TVlValue &left, const TVlValue &right, TVlValue &result);
// A number as an extended real (integers exactly).
long double VlToLongDouble(const TVlValue &value);
