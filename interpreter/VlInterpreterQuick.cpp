// Quick expressions: translation of simple expressions into postfix form, cached per source.
#include "VlInterpreterQuick.h"

#include "VlInterpreterConst.h"

namespace {

// Longest expression translated; longer ones take the general path.
constexpr int32_t MaxQuickTokens = 48;

bool IsBinaryOperator(int32_t kind)
{
    return (kind >= tkMul && kind <= tkLessEqual) || kind == tkShl || kind == tkShr || kind == tkXor;
}

// Precedence climbing with the evaluator's priorities: operators of equal priority associate to
// the left, unary signs and "not" bind tightest.
class TTranslator {
public:
    TTranslator(const TVlSource &source, int32_t start) : Source(source), Pos(start) {}

    bool Translate(TVlQuickExpression &out)
    {
        if (!Expression(0))
            return false;
        if (Pos - 1 < 0)
            return false;
        // With calls, only what a call's arguments compute may be more than plain operands
        // and operators (VlInterpreterDirectRun hands the rest back to the token reader).
        if (HasCalls) {
            if (MaxDepth > 16)
                return false;
            for (const TVlQuickStep &step : Steps) {
                if (!step.InArguments && step.Kind != TVlQuickStep::skLocal && step.Kind != TVlQuickStep::skConstant &&
                    step.Kind != TVlQuickStep::skBinary && step.Kind != TVlQuickStep::skCall)
                    return false;
                // The fuller dialect's "and" and "or" may leave their right operand unread: the
                // postfix form, which computes it first, cannot call routines there.
                if (Source.Extended && step.Kind == TVlQuickStep::skBinary &&
                    (step.Operand == tkAnd || step.Operand == tkOr))
                    return false;
            }
        }
        out.Steps = Fused(Steps);
        out.Constants = Constants;
        out.ArgumentTokens = ArgumentTokens;
        out.HasCalls = HasCalls;
        out.IntegerForm = IsIntegerForm(out);
        out.Shape = out.IntegerForm ? ShapeOf(out.Steps) : TVlQuickExpression::qsSteps;
        size_t shaped = 0;
        for (const TVlQuickStep &step : out.Steps)
            if (step.Kind != TVlQuickStep::skParenthesis && shaped < 3)
                out.ShapeSteps[shaped++] = step;
        out.LastToken = Pos - 1;
        out.Depth = MaxDepth;
        return Ends(Kind(Pos));
    }

private:
    int32_t Kind(int32_t index) const { return Source.Tokens[static_cast<size_t>(index)].Kind; }

    static bool Ends(int32_t kind)
    {
        switch (kind) {
        case tkSemicolon: case tkThen: case tkDo: case tkTo: case tkDownto: case tkOf: case tkEnd: case tkElse:
        case tkUntil: case tkComma: case tkRBracket: case tkEof: case tkFinally: case tkExcept: case tkRParen:
        case tkColon: case tkDotDot:
            return true;
        default:
            return false;
        }
    }

    void Emit(TVlQuickStep::TKind kind, int32_t operand, int delta, int32_t token = -1)
    {
        TVlQuickStep step{kind, operand, 0, {}};
        step.Token = token;
        step.After = Pos;
        step.InArguments = InArguments;
        Steps.push_back(step);
        Height += delta;
        if (Height > MaxDepth)
            MaxDepth = Height;
    }

    // name ( arguments ): a routine called with quick arguments, which call nothing themselves.
    bool Call()
    {
        if (InArguments)
            return false;
        int32_t name = Pos;
        Pos += 2;
        int count = 0;
        int32_t arguments = static_cast<int32_t>(ArgumentTokens.size());
        InArguments = true;
        if (Kind(Pos) != tkRParen) {
            for (;;) {
                ArgumentTokens.push_back(Pos);
                // An element argument may be written back into its element: the token reader's.
                bool element = Kind(Pos) == tkIdentifier && Kind(Pos + 1) == tkLBracket;
                if (count >= 8 || element || !Expression(0)) {
                    InArguments = false;
                    return false;
                }
                ++count;
                if (Kind(Pos) == tkComma) {
                    ++Pos;
                    continue;
                }
                if (Kind(Pos) != tkRParen) {
                    InArguments = false;
                    return false;
                }
                break;
            }
        }
        InArguments = false;
        ++Pos;
        int32_t after = Kind(Pos);
        if (after == tkDot || after == tkLBracket || after == tkLParen || after == tkColon || IsOperand(after))
            return false;
        Emit(TVlQuickStep::skCall, Source.Tokens[static_cast<size_t>(name)].Atom, 1 - count, name);
        Steps.back().Count = static_cast<uint8_t>(count);
        Steps.back().Arguments = arguments;
        HasCalls = true;
        return true;
    }

    bool Operand()
    {
        if (Pos - Start() > MaxQuickTokens)
            return false;
        int32_t kind = Kind(Pos);
        switch (kind) {
        case tkIdentifier: {
            int32_t next = Kind(Pos + 1);
            if (next == tkLBracket) {
                // name [ index ]: one index of a local array.
                int32_t atom = Source.Tokens[static_cast<size_t>(Pos)].Atom;
                Pos += 2;
                if (!Expression(0) || Kind(Pos) != tkRBracket)
                    return false;
                ++Pos;
                int32_t after = Kind(Pos);
                if (after == tkDot || after == tkLBracket || after == tkLParen || after == tkColon || IsOperand(after))
                    return false;
                Emit(TVlQuickStep::skElement, atom, 0, Pos - 1);
                return true;
            }
            if (next == tkLParen)
                return Call();
            if (next == tkDot || next == tkColon)
                return false;
            ++Pos;
            Emit(TVlQuickStep::skLocal, Source.Tokens[static_cast<size_t>(Pos - 1)].Atom, 1, Pos - 1);
            return !IsOperand(Kind(Pos));
        }
        case tkInteger: case tkFloat: case tkString: case tkTrue: case tkFalse: {
            const TVlToken &token = Source.Tokens[static_cast<size_t>(Pos)];
            Constants.push_back(kind == tkTrue || kind == tkFalse ? TVlValue::Boolean(kind == tkTrue)
                                                                  : Source.Values[static_cast<size_t>(token.Index)]);
            Emit(TVlQuickStep::skConstant, static_cast<int32_t>(Constants.size()) - 1, 1);
            ++Pos;
            return !IsOperand(Kind(Pos));
        }
        case tkMinus: case tkPlus: case tkNot: {
            ++Pos;
            if (!Operand())
                return false;
            if (kind == tkMinus)
                Emit(TVlQuickStep::skNegate, 0, 0);
            else if (kind == tkNot)
                Emit(TVlQuickStep::skNot, 0, 0);
            return true;
        }
        case tkLParen:
            ++Pos;
            if (!Expression(0) || Kind(Pos) != tkRParen)
                return false;
            Emit(TVlQuickStep::skParenthesis, 0, 0);
            ++Pos;
            return !IsOperand(Kind(Pos));
        default:
            return false;
        }
    }

    static bool IsOperand(int32_t kind)
    {
        return kind == tkIdentifier || kind == tkInteger || kind == tkFloat || kind == tkString || kind == tkTrue ||
               kind == tkFalse;
    }

    bool Expression(int32_t minPriority)
    {
        if (!Operand())
            return false;
        for (;;) {
            int32_t kind = Kind(Pos);
            if (!IsBinaryOperator(kind))
                return true;
            int32_t priority = OperatorPriority(kind);
            if (priority <= minPriority)
                return true;
            ++Pos;
            if (!Expression(priority))
                return false;
            Emit(TVlQuickStep::skBinary, kind, -1);  // After: the token behind the right operand
        }
    }

    int32_t Start() const { return StartPos; }

    static bool IsIntegerOperator(int32_t kind)
    {
        switch (kind) {
        case tkPlus: case tkMinus: case tkMul: case tkDiv: case tkMod: case tkEqual: case tkNotEqual: case tkLess:
        case tkGreater: case tkLessEqual: case tkGreaterEqual:
            return true;
        default:
            return false;
        }
    }

    static bool IsIntegerForm(const TVlQuickExpression &quick)
    {
        for (const TVlValue &constant : quick.Constants)
            if (constant.Kind() != varInteger)
                return false;
        for (const TVlQuickStep &step : quick.Steps) {
            switch (step.Kind) {
            case TVlQuickStep::skNegate: case TVlQuickStep::skNot: case TVlQuickStep::skCall:
                return false;
            case TVlQuickStep::skBinary:
                if (!IsIntegerOperator(step.Operand))
                    return false;
                break;
            case TVlQuickStep::skBinaryConstant: case TVlQuickStep::skBinaryLocal:
                if (!IsIntegerOperator(step.Operator))
                    return false;
                break;
            default:
                break;
            }
        }
        return quick.Depth <= 32;
    }

    // The shape of an integer form; parentheses compute nothing there and are passed over.
    static TVlQuickExpression::TShape ShapeOf(const std::vector<TVlQuickStep> &all)
    {
        std::vector<TVlQuickStep::TKind> steps;
        for (const TVlQuickStep &step : all)
            if (step.Kind != TVlQuickStep::skParenthesis)
                steps.push_back(step.Kind);
        using Q = TVlQuickStep;
        using E = TVlQuickExpression;
        if (steps == std::vector<Q::TKind>{Q::skLocal, Q::skBinaryConstant})
            return E::qsLocalConstant;
        if (steps == std::vector<Q::TKind>{Q::skLocal, Q::skBinaryLocal})
            return E::qsLocalLocal;
        if (steps == std::vector<Q::TKind>{Q::skLocal, Q::skBinaryConstant, Q::skBinaryConstant})
            return E::qsLocalConstantConstant;
        if (steps == std::vector<Q::TKind>{Q::skConstant, Q::skBinaryLocal, Q::skBinaryConstant})
            return E::qsConstantLocalConstant;
        if (steps == std::vector<Q::TKind>{Q::skLocal, Q::skBinaryLocal, Q::skBinaryConstant})
            return E::qsLocalLocalConstant;
        return E::qsSteps;
    }

    // A binary operator whose right operand is a single constant or local takes it directly:
    // in postfix form that operand is the step just before the operator.
    static std::vector<TVlQuickStep> Fused(const std::vector<TVlQuickStep> &steps)
    {
        std::vector<TVlQuickStep> fused;
        fused.reserve(steps.size());
        for (const TVlQuickStep &step : steps) {
            if (step.Kind == TVlQuickStep::skBinary && fused.size() >= 2 &&
                (fused.back().Kind == TVlQuickStep::skConstant || fused.back().Kind == TVlQuickStep::skLocal)) {
                TVlQuickStep &right = fused.back();
                right.Kind = right.Kind == TVlQuickStep::skConstant ? TVlQuickStep::skBinaryConstant
                                                                     : TVlQuickStep::skBinaryLocal;
                right.Operator = step.Operand;
                right.After = step.After;
                continue;
            }
            fused.push_back(step);
        }
        return fused;
    }

    const TVlSource &Source;
    int32_t Pos;
    int32_t StartPos = Pos;  // initialised after Pos
    std::vector<TVlQuickStep> Steps;
    std::vector<TVlValue> Constants;
    std::vector<int32_t> ArgumentTokens;
    int Height = 0;
    int MaxDepth = 0;
    bool InArguments = false;
    bool HasCalls = false;
};

} // namespace

const TVlQuickExpression *VlTranslateQuickExpression(const TVlSource &source, int32_t start)
{
    if (source.QuickIndex.empty())
        source.QuickIndex.assign(source.Tokens.size(), -1);
    int32_t &known = source.QuickIndex[static_cast<size_t>(start)];
    if (known == -1) {
        known = -2;
        TVlQuickExpression quick;
        TTranslator translator(source, start);
        if (translator.Translate(quick) && quick.Depth <= 32) {
            source.Quick.push_back(std::make_shared<const TVlQuickExpression>(std::move(quick)));
            known = static_cast<int32_t>(source.Quick.size()) - 1;
        }
    }
    return known >= 0 ? source.Quick[static_cast<size_t>(known)].get() : nullptr;
}

bool VlRunIntegerSteps(const TVlQuickExpression &quick, TVlInterpreterVarList &vars, int64_t &result, bool &isBoolean)
{
    int64_t value[32];
    bool boolean[32];
    int top = -1;
    for (const TVlQuickStep &step : quick.Steps) {
        switch (step.Kind) {
        case TVlQuickStep::skLocal:
            if (!VlIntegerLocal(vars, step, value[++top]))
                return false;
            boolean[top] = false;
            break;
        case TVlQuickStep::skConstant:
            value[++top] = quick.Constants[static_cast<size_t>(step.Operand)].RawInteger();
            boolean[top] = false;
            break;
        case TVlQuickStep::skBinary:
            if (boolean[top - 1] || boolean[top] ||
                !VlIntegerOperation(step.Operand, value[top - 1], value[top], boolean[top - 1]))
                return false;
            --top;
            break;
        case TVlQuickStep::skBinaryConstant:
            if (boolean[top] ||
                !VlIntegerOperation(step.Operator, value[top],
                                    quick.Constants[static_cast<size_t>(step.Operand)].RawInteger(), boolean[top]))
                return false;
            break;
        case TVlQuickStep::skBinaryLocal: {
            int64_t right;
            if (boolean[top] || !VlIntegerLocal(vars, step, right) ||
                !VlIntegerOperation(step.Operator, value[top], right, boolean[top]))
                return false;
            break;
        }
        case TVlQuickStep::skElement: {
            TVlInterpreterVar *var = vars.LookupHinted(step.Operand, step.Hint);
            if (!var || !var->Value.IsScriptArray() || boolean[top])
                return false;
            const TVlInterpreterArrayRec &array = *var->Value.RawScriptArray();
            int64_t index = value[top];
            if (array.DimCount != 1 || index < array.LowBounds[0] || index > array.HighBounds[0])
                return false;
            const TVlValue &item = array.Items[static_cast<size_t>(index - array.LowBounds[0])];
            if (item.Kind() != varInteger)
                return false;
            value[top] = item.RawInteger();
            break;
        }
        case TVlQuickStep::skParenthesis:
            break;
        default:
            return false;
        }
    }
    result = value[0];
    isBoolean = boolean[0];
    return true;
}
