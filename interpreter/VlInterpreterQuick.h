// Quick expressions: expressions made only of local variables, constants, operators and
// parentheses are translated once into postfix form and evaluated without re-reading tokens.
#pragma once

#include "VlInterpreterParser.h"
#include "VlInterpreterTypes.h"

#include <cstdint>
#include <vector>

struct TVlQuickStep {
    enum TKind : uint8_t {
        skLocal, skConstant, skBinary, skNegate, skNot, skParenthesis, skElement,
        skBinaryConstant,  // the value on top op a constant
        skBinaryLocal      // the value on top op a local
    } Kind;
    // Atom of a local (or of a local array for skElement), index in Constants, or the token kind
    // of the operator of skBinary.
    int32_t Operand;
    int32_t Operator = 0;  // token kind of the operator of skBinaryConstant and skBinaryLocal
    mutable TVlSlotHint Hint;  // where the local was last found
};

struct TVlQuickExpression {
    std::vector<TVlQuickStep> Steps;
    std::vector<TVlValue> Constants;  // values of the constant tokens, in order of appearance
    int32_t LastToken = 0;  // index of the expression's last token
    int32_t Depth = 0;      // values held at once while evaluating
    // Integer constants and operators the integer form computes only (+ - * div mod and the
    // comparisons): tried first, as long as it has not often met values of other kinds.
    bool IntegerForm = false;
    mutable uint8_t IntegerMisses = 0;
};

// Translates (once) the expression starting at token index start; see VlQuickExpressionAt.
const TVlQuickExpression *VlTranslateQuickExpression(const TVlSource &source, int32_t start);

// The quick form of the expression starting at token index start, or nullptr when the
// expression has another shape (results are cached in the source).
inline const TVlQuickExpression *VlQuickExpressionAt(const TVlSource &source, int32_t start)
{
    if (static_cast<size_t>(start) < source.QuickIndex.size()) {
        int32_t known = source.QuickIndex[static_cast<size_t>(start)];
        if (known >= 0)
            return source.Quick[static_cast<size_t>(known)].get();
        if (known == -2)
            return nullptr;
    }
    return VlTranslateQuickExpression(source, start);
}
