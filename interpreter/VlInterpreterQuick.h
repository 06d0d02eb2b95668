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
        skBinaryLocal,     // the value on top op a local
        skCall             // a routine called with the values on top (direct statements only)
    } Kind;
    // Atom of a local (or of a local array for skElement, or of a routine), index in Constants,
    // or the token kind of the operator of skBinary.
    int32_t Operand;
    int32_t Operator = 0;  // token kind of the operator of skBinaryConstant and skBinaryLocal
    mutable TVlSlotHint Hint;  // where the local was last found
    // Token index of the local or routine name read by the step, and of the token current
    // after the step's operand or operator has been read.
    int32_t Token = -1;
    int32_t After = -1;
    uint8_t Count = 0;     // arguments of skCall
    int32_t Arguments = 0; // skCall: where its arguments' first tokens start in ArgumentTokens
    bool InArguments = false;  // the step computes an argument of the next skCall
};

struct TVlQuickExpression {
    std::vector<TVlQuickStep> Steps;
    std::vector<TVlValue> Constants;  // values of the constant tokens, in order of appearance
    std::vector<int32_t> ArgumentTokens;  // first token of every argument of the calls
    int32_t LastToken = 0;  // index of the expression's last token
    int32_t Depth = 0;      // values held at once while evaluating
    // Integer constants and operators the integer form computes only (+ - * div mod and the
    // comparisons): tried first, as long as it has not often met values of other kinds.
    // Calls of routines: such expressions are computed by direct statements only.
    bool HasCalls = false;
    bool IntegerForm = false;
    mutable uint8_t IntegerMisses = 0;
    // Frequent shapes of the integer form, computed without the step loop.
    enum TShape : uint8_t {
        qsSteps,
        qsLocalConstant,          // a op 1
        qsLocalLocal,             // a op b
        qsLocalConstantConstant,  // a op 1 op 2
        qsConstantLocalConstant,  // 1 op a op 2
        qsLocalLocalConstant      // a op b op 1
    } Shape = qsSteps;  // parentheses aside
    // The steps of the shape, parentheses left out.
    TVlQuickStep ShapeSteps[3];
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

// One operator of the integer form on two Integer operands; false where the general operation
// does more (overflow into a wider kind, division by zero). Comparisons give a Boolean.
[[gnu::always_inline]] inline bool VlIntegerOperation(int32_t op, int64_t &a, int64_t b, bool &boolean)
{
    switch (op) {
    case tkPlus: a += b; break;
    case tkMinus: a -= b; break;
    case tkMul: a *= b; break;
    case tkMod:
        if (b == 0)
            return false;
        a %= b;
        return true;
    case tkDiv:
        if (b == 0 || (a == INT32_MIN && b == -1))
            return false;
        a /= b;
        return true;
    case tkEqual: a = a == b; boolean = true; return true;
    case tkNotEqual: a = a != b; boolean = true; return true;
    case tkLess: a = a < b; boolean = true; return true;
    case tkGreater: a = a > b; boolean = true; return true;
    case tkLessEqual: a = a <= b; boolean = true; return true;
    case tkGreaterEqual: a = a >= b; boolean = true; return true;
    default: return false;
    }
    return a >= INT32_MIN && a <= INT32_MAX;
}

// The integer value of a local, or false when it holds another kind.
[[gnu::always_inline]] inline bool VlIntegerLocal(TVlInterpreterVarList &vars, const TVlQuickStep &step, int64_t &value)
{
    TVlInterpreterVar *var = vars.LookupHinted(step.Operand, step.Hint);
    if (!var || var->Value.Kind() != varInteger)
        return false;
    value = var->Value.RawInteger();
    return true;
}

// Evaluates the step loop of an integer form (VlInterpreterQuick.cpp).
bool VlRunIntegerSteps(const TVlQuickExpression &quick, TVlInterpreterVarList &vars, int64_t &value, bool &boolean);

// Evaluates the integer form of a quick expression: every local and element read must hold an
// Integer and no operator may meet a Boolean; false (nothing changed) otherwise. The result is
// an Integer, or a Boolean (value 0 or 1) when boolean is set.
[[gnu::always_inline]] inline bool VlRunIntegerForm(const TVlQuickExpression &quick, TVlInterpreterVarList &vars,
                                                    int64_t &value, bool &boolean)
{
    const TVlQuickStep *steps = quick.ShapeSteps;
    boolean = false;
    int64_t other;
    auto constant = [&quick](const TVlQuickStep &step) {
        return static_cast<int64_t>(quick.Constants[static_cast<size_t>(step.Operand)].RawInteger());
    };
    switch (quick.Shape) {
    case TVlQuickExpression::qsLocalConstant:
        return VlIntegerLocal(vars, steps[0], value) && VlIntegerOperation(steps[1].Operator, value, constant(steps[1]), boolean);
    case TVlQuickExpression::qsLocalLocal:
        return VlIntegerLocal(vars, steps[0], value) && VlIntegerLocal(vars, steps[1], other) &&
               VlIntegerOperation(steps[1].Operator, value, other, boolean);
    case TVlQuickExpression::qsLocalConstantConstant:
        return VlIntegerLocal(vars, steps[0], value) &&
               VlIntegerOperation(steps[1].Operator, value, constant(steps[1]), boolean) && !boolean &&
               VlIntegerOperation(steps[2].Operator, value, constant(steps[2]), boolean);
    case TVlQuickExpression::qsConstantLocalConstant:
        value = constant(steps[0]);
        return VlIntegerLocal(vars, steps[1], other) && VlIntegerOperation(steps[1].Operator, value, other, boolean) &&
               !boolean && VlIntegerOperation(steps[2].Operator, value, constant(steps[2]), boolean);
    case TVlQuickExpression::qsLocalLocalConstant:
        return VlIntegerLocal(vars, steps[0], value) && VlIntegerLocal(vars, steps[1], other) &&
               VlIntegerOperation(steps[1].Operator, value, other, boolean) && !boolean &&
               VlIntegerOperation(steps[2].Operator, value, constant(steps[2]), boolean);
    default:
        return VlRunIntegerSteps(quick, vars, value, boolean);
    }
}
