// Quick expressions: expressions made only of local variables, constants, operators and
// parentheses are translated once into postfix form and evaluated without re-reading tokens.
#pragma once

#include "VlInterpreterParser.h"

#include <cstdint>
#include <vector>

struct TVlQuickStep {
    enum TKind : uint8_t { skLocal, skConstant, skBinary, skNegate, skNot, skParenthesis, skElement } Kind;
    int32_t Operand;  // atom of a local (or of a local array for skElement), index in Constants, token kind of an operator
};

struct TVlQuickExpression {
    std::vector<TVlQuickStep> Steps;
    std::vector<TVlValue> Constants;  // values of the constant tokens, in order of appearance
    int32_t LastToken = 0;  // index of the expression's last token
    int32_t Depth = 0;      // values held at once while evaluating
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
