// TVlInterpreterExpression: token state, the operator-priority evaluator and name resolution.
#include "VlInterpreter.h"

#include "VlInterpreterOperations.h"
#include "VlInterpreterOverflow.h"
#include "VlInterpreterQuick.h"

#include <algorithm>

namespace {

const TVlToken EndToken = {tkEof, 0, 0, 0, 0, -1};

bool IsOperandKind(int32_t kind)
{
    return kind == tkIdentifier || kind == tkInteger || kind == tkFloat || kind == tkString ||
           kind == tkFalse || kind == tkTrue;
}

bool IsBinaryKind(int32_t kind)
{
    return (kind >= tkMul && kind <= tkLessEqual) || kind == tkShl || kind == tkShr || kind == tkXor;
}

int32_t OpCodeOf(int32_t kind)
{
    switch (kind) {
    case tkPlus: return opAdd;
    case tkMinus: return opSubtract;
    case tkMul: return opMultiply;
    case tkSlash: return opDivide;
    case tkDiv: return opIntDivide;
    case tkMod: return opModulus;
    case tkShl: return opShiftLeft;
    case tkShr: return opShiftRight;
    case tkAnd: return opAnd;
    case tkOr: return opOr;
    default: return opXor;
    }
}

bool ComparesPayloads(uint16_t kind)
{
    return kind == varVlObject || kind == varVlClass || kind == varVlSet || kind == varVlPointer;
}

uint64_t PayloadBits(const TVlValue &v)
{
    switch (v.Kind()) {
    case varVlObject: case varVlClass: case varVlPointer: case varDispatch: case varUnknown:
        return reinterpret_cast<uintptr_t>(v.RawPointer());
    case varEmpty: case varNull: return 0;
    default:
        return static_cast<uint32_t>(v.RawInteger());
    }
}

} // namespace

TVlInterpreterExpression::TEntryGuard::TEntryGuard(TVlInterpreterExpression &owner) : Owner(owner)
{
    if (Owner.EntryDepth++ == 0)
        Owner.StackBase = static_cast<const char *>(__builtin_frame_address(0));
}

TVlInterpreterExpression::TEntryGuard::~TEntryGuard()
{
    --Owner.EntryDepth;
}

TVlInterpreterExpression::TVlInterpreterExpression()
    : Source(VlTokenize(std::string())), Tok(&EndToken), OwnArgs(std::make_unique<TVlInterpreterArgs>()),
      Global(&GlobalAdapter())
{
    TokenBase = Source->Tokens.data();
    Args = OwnArgs.get();
    Adapter = CreateAdapter();
    Adapter->Owner = this;
    StateStack.reserve(200);
}

TVlInterpreterExpression::~TVlInterpreterExpression() = default;

std::unique_ptr<TVlInterpreterAdapter> TVlInterpreterExpression::CreateAdapter()
{
    return std::make_unique<TVlInterpreterAdapter>(this);
}

void TVlInterpreterExpression::AddHostAdapter(std::shared_ptr<TVlInterpreterAdapter> adapter)
{
    HostAdapters.push_back(std::move(adapter));
}

void TVlInterpreterExpression::AddFallbackAdapter(std::shared_ptr<TVlInterpreterAdapter> adapter)
{
    FallbackAdapters.push_back(std::move(adapter));
}

void TVlInterpreterExpression::SetSourceText(const std::string &text)
{
    if (text != Source->Text || Source->Extended != ExtendedDialect)
        UseSource(VlTokenize(text, ExtendedDialect));
    Cursor = 0;
    NextIndex = 0;
    SourceChanged();
}

void TVlInterpreterExpression::ResetState()
{
    if (Source->Extended != ExtendedDialect)
        UseSource(VlTokenize(Source->Text, ExtendedDialect));
    ResultValue.Clear();
    for (int i = 0; i <= StackTop && i < 200; ++i)
        ValueStack[i].Clear();
    StackTop = -1;
    Cursor = 0;
    NextIndex = 0;
    Tok = &EndToken;
    TokenKind = tkEof;
    PrevTokenKind = tkEof;
    TokenBacked = false;
    AllowAssignment = true;
    Args = OwnArgs.get();
    Args->Clear();
    Adapter->ClearHost();
    KeptSources.clear();
    KeptSources.push_back(Source);
    ClearFailure();
}

void TVlInterpreterExpression::Execute()
{
    TEntryGuard entry(*this);
    ResetState();
    NextToken();
    EvaluateExpression(ResultValue);
}

// ---- tokens -------------------------------------------------------------------------------

void TVlInterpreterExpression::RaiseTokenFailure()
{
    const TVlToken &token = Source->Tokens[static_cast<size_t>(NextIndex)];
    const TVlTokenFailure &failure = Source->Failures[static_cast<size_t>(token.Index)];
    if (failure.Code == 0)
        throw EVlRuntimeError("EConvertError", failure.Message);
    RaiseError(failure.Code, failure.Position);
}

void TVlInterpreterExpression::UseSource(const std::shared_ptr<TVlSource> &source)
{
    Source = source;
    TokenBase = Source->Tokens.data();
    if (std::find(KeptSources.begin(), KeptSources.end(), source) == KeptSources.end())
        KeptSources.push_back(source);
}

void TVlInterpreterExpression::ReadWordValue(const TVlToken &token)
{
    TokenValueIsName = false;
    if (token.Kind == tkArray)
        TokenValue = Source->Values[static_cast<size_t>(token.Index)];
    else
        TokenValue = TVlValue::Boolean(token.Kind == tkTrue);
}

// The token kinds that carry a value, the end of the source and stored tokenizer failures.
void TVlInterpreterExpression::ReadSpecialToken(const TVlToken &token)
{
    if (token.Kind == tkFailure) {
        TokenKind = PrevTokenKind;
        RaiseTokenFailure();
    }
    Tok = &token;
    TokIndex = NextIndex;
    if (token.Kind != tkEof)
        ++NextIndex;
    Cursor = token.End;
    switch (token.Kind) {
    case tkIdentifier:
        TokenValueIsName = true;
        TokenAtom = token.Atom;
        TokenNamePtr = &Source->Texts[static_cast<size_t>(token.Index)];
        break;
    case tkInteger: case tkFloat: case tkString: case tkArray:
        TokenValueIsName = false;
        TokenValue = Source->Values[static_cast<size_t>(token.Index)];
        break;
    case tkFalse: case tkTrue:
        TokenValueIsName = false;
        TokenValue = TVlValue::Boolean(token.Kind == tkTrue);
        break;
    default:
        break;
    }
}

void TVlInterpreterExpression::BackToken()
{
    if (TokenBacked)
        RaiseError(erInternal, -1);
    TokenBacked = true;
}

void TVlInterpreterExpression::SetReaderPos(int32_t offset)
{
    Cursor = offset;
    NextIndex = Source->TokenAt(offset);
    TokenBacked = false;
}

void TVlInterpreterExpression::SetReaderToken(int32_t index, int32_t cursor)
{
    Cursor = cursor;
    NextIndex = index;
    TokenBacked = false;
}

void TVlInterpreterExpression::ReportExpected(const std::string &what)
{
    std::string text = TokenText();
    RaiseError(erExpected, TokenStart(), what, text.empty() ? ErrorMessageText(erTextEndOfFile) : "'" + text + "'");
}


std::string TVlInterpreterExpression::TokenValueName() const
{
    if (TokenValueIsName && TokenNamePtr)
        return *TokenNamePtr;
    return TokenValue.IsString() ? TokenValue.RawString() : std::string();
}

// ---- saved reader states ------------------------------------------------------------------

void TVlInterpreterExpression::SaveState(TParserState &state) const
{
    state.Source = Source.get();
    state.Cursor = Cursor;
    state.NextIndex = NextIndex;
    state.TokIndex = TokIndex;
    state.TokenKind = TokenKind;
    state.PrevTokenKind = PrevTokenKind;
    state.TokenAtom = TokenAtom;
    state.TokenBacked = TokenBacked;
    state.AllowAssignment = AllowAssignment;
    state.TokenValueIsName = TokenValueIsName;
    state.TokenNamePtr = TokenNamePtr;
    state.TokenValue = TokenValue;
}

void TVlInterpreterExpression::RestoreState(TParserState &state)
{
    if (state.Source != Source.get()) {
        for (const auto &kept : KeptSources)
            if (kept.get() == state.Source) {
                UseSource(kept);
                break;
            }
    }
    Cursor = state.Cursor;
    NextIndex = state.NextIndex;
    TokIndex = state.TokIndex;
    Tok = &Source->Tokens[static_cast<size_t>(TokIndex)];
    TokenKind = state.TokenKind;
    PrevTokenKind = state.PrevTokenKind;
    TokenAtom = state.TokenAtom;
    TokenBacked = state.TokenBacked;
    AllowAssignment = state.AllowAssignment;
    TokenValueIsName = state.TokenValueIsName;
    TokenNamePtr = state.TokenNamePtr;
    TokenValue = std::move(state.TokenValue);
}

void TVlInterpreterExpression::PushState()
{
    if (StateStack.size() >= 200)
        RaiseStackOverflow();
    StateStack.emplace_back();
    SaveState(StateStack.back());
}

void TVlInterpreterExpression::PopState()
{
    if (StateStack.empty())
        RaiseError(erInternal, -1);
    RestoreState(StateStack.back());
    StateStack.pop_back();
}

void TVlInterpreterExpression::DropState()
{
    if (!StateStack.empty())
        StateStack.pop_back();
}

void TVlInterpreterExpression::SwitchSource(const std::shared_ptr<TVlSource> &source)
{
    UseSource(source);
    Cursor = 0;
    NextIndex = 0;
    TokenBacked = false;
}

void TVlInterpreterExpression::RaiseStackOverflow()
{
    VlRaiseStackOverflow(FrameCount ? Frames[static_cast<size_t>(FrameCount - 1)]->Desc : nullptr, ReaderPos());
}

// ---- evaluator ----------------------------------------------------------------------------

void TVlInterpreterExpression::Push(const TVlValue &value)
{
    if (StackTop >= 199)
        RaiseError(erExpressionOverflow, -1);
    ValueStack[++StackTop] = value;
}

TVlValue TVlInterpreterExpression::Pop()
{
    if (StackTop < 0)
        RaiseError(erInternal, -1);
    return std::move(ValueStack[StackTop--]);
}

namespace {

// The integer cases ApplyBinary answers first, computed in place; false for the others.
inline bool QuickIntegerBinary(int32_t op, TVlValue &left, int32_t right)
{
    int64_t a = left.RawInteger(), b = right;
    switch (op) {
    case tkPlus: case tkMinus: {
        int64_t r = op == tkPlus ? a + b : a - b;
        if (r < INT32_MIN || r > INT32_MAX)
            return false;
        left = TVlValue::Integer(static_cast<int32_t>(r));
        return true;
    }
    case tkMul: {
        int64_t r = a * b;
        if (r < INT32_MIN || r > INT32_MAX)
            return false;
        left = TVlValue::Integer(static_cast<int32_t>(r));
        return true;
    }
    case tkMod:
        if (b == 0)
            return false;
        left = TVlValue::Integer(static_cast<int32_t>(a % b));
        return true;
    case tkDiv:
        if (b == 0 || (a == INT32_MIN && b == -1))
            return false;
        left = TVlValue::Integer(static_cast<int32_t>(a / b));
        return true;
    case tkEqual: left = TVlValue::Boolean(a == b); return true;
    case tkNotEqual: left = TVlValue::Boolean(a != b); return true;
    case tkLess: left = TVlValue::Boolean(a < b); return true;
    case tkGreater: left = TVlValue::Boolean(a > b); return true;
    case tkLessEqual: left = TVlValue::Boolean(a <= b); return true;
    case tkGreaterEqual: left = TVlValue::Boolean(a >= b); return true;
    default: return false;
    }
}

} // namespace

bool TVlInterpreterExpression::EvaluateQuick(TVlValue &result)
{
    if (!LocalsReadFirst)
        return false;
    const TVlQuickExpression *quick = VlQuickExpressionAt(*Source, TokIndex);
    if (!quick || !RunQuick(*quick, TokIndex, result))
        return false;
    NextIndex = quick->LastToken;
    NextToken();
    NextToken();
    return true;
}

bool TVlInterpreterExpression::RunQuick(const TVlQuickExpression &quick, int32_t first, TVlValue &result,
                                         bool integerTried)
{
    // The general path would push about one value per token: leave a deep stack to it, so
    // that it reports the overflow.
    if (quick.HasCalls || StackTop + (quick.LastToken - first) + 2 >= 199)
        return false;
    TRoutineFrame *frame = CurrentFrame();
    if (quick.Steps.size() == 1) {
        // A single local or constant, the most frequent expression of all.
        const TVlQuickStep &step = quick.Steps[0];
        if (step.Kind == TVlQuickStep::skConstant) {
            result = quick.Constants[static_cast<size_t>(step.Operand)];
            return true;
        }
        if (step.Kind == TVlQuickStep::skLocal) {
            TVlInterpreterVar *var = frame->Vars.LookupHinted(step.Operand, step.Hint);
            if (!var || var->Value.IsRecord())
                return false;
            result = var->Value;
            return true;
        }
    }
    if (!integerTried && quick.IntegerForm && quick.IntegerMisses < 16) {
        int64_t value;
        bool boolean;
        if (VlRunIntegerForm(quick, frame->Vars, value, boolean)) {
            result = boolean ? TVlValue::Boolean(value != 0) : TVlValue::Integer(static_cast<int32_t>(value));
            return true;
        }
        ++quick.IntegerMisses;
    }
    TVlValue *stack = QuickStack;
    int top = -1;
    struct TRelease {
        TVlValue *Stack;
        int Depth;
        ~TRelease()
        {
            for (int i = 0; i < Depth; ++i)
                Stack[i].Clear();
        }
    } release{stack, quick.Depth};
    try {
        for (const TVlQuickStep &step : quick.Steps) {
            switch (step.Kind) {
            case TVlQuickStep::skLocal: {
                TVlInterpreterVar *var = frame->Vars.LookupHinted(step.Operand, step.Hint);
                if (!var || var->Value.IsRecord())
                    return false;
                stack[++top] = var->Value;
                break;
            }
            case TVlQuickStep::skConstant:
                stack[++top] = quick.Constants[static_cast<size_t>(step.Operand)];
                break;
            case TVlQuickStep::skBinary:
                if (stack[top - 1].Kind() == varInteger && stack[top].Kind() == varInteger &&
                    QuickIntegerBinary(step.Operand, stack[top - 1], stack[top].RawInteger())) {
                    --top;  // the integer left above needs no release
                    break;
                }
                stack[top - 1] = ApplyBinary(step.Operand, stack[top - 1], stack[top]);
                stack[top--].Clear();
                break;
            case TVlQuickStep::skBinaryConstant: {
                const TVlValue &right = quick.Constants[static_cast<size_t>(step.Operand)];
                if (stack[top].Kind() == varInteger && right.Kind() == varInteger &&
                    QuickIntegerBinary(step.Operator, stack[top], right.RawInteger()))
                    break;
                stack[top] = ApplyBinary(step.Operator, stack[top], right);
                break;
            }
            case TVlQuickStep::skBinaryLocal: {
                TVlInterpreterVar *var = frame->Vars.LookupHinted(step.Operand, step.Hint);
                if (!var || var->Value.IsRecord())
                    return false;
                const TVlValue &right = var->Value;
                if (stack[top].Kind() == varInteger && right.Kind() == varInteger &&
                    QuickIntegerBinary(step.Operator, stack[top], right.RawInteger()))
                    break;
                stack[top] = ApplyBinary(step.Operator, stack[top], right);
                break;
            }
            case TVlQuickStep::skNegate: case TVlQuickStep::skNot: case TVlQuickStep::skElement:
                if (!PureStep(step, stack[top]))
                    return false;
                break;
            case TVlQuickStep::skParenthesis:
                if (stack[top].IsEmpty())
                    return false;  // the general path reports the missing expression
                break;
            case TVlQuickStep::skCall:
                return false;  // expressions with calls are refused above
            }
        }
    } catch (...) {
        return false;
    }
    result = std::move(stack[0]);
    return true;
}

// A negation, "not", parenthesis or element read of a quick expression on the value on top;
// false when it cannot be computed here.
bool TVlInterpreterExpression::PureStep(const TVlQuickStep &step, TVlValue &top)
{
    try {
        switch (step.Kind) {
        case TVlQuickStep::skNegate:
            top = Negated(top);
            return true;
        case TVlQuickStep::skNot:
            top = VlNot(top);
            return true;
        case TVlQuickStep::skParenthesis:
            return !top.IsEmpty();
        case TVlQuickStep::skElement: {
            TVlInterpreterVar *var = CurrentFrame()->Vars.LookupHinted(step.Operand, step.Hint);
            if (!var || !var->Value.IsScriptArray() || top.Kind() != varInteger)
                return false;
            const TVlInterpreterArrayRec &array = *var->Value.RawScriptArray();
            int32_t index = top.RawInteger();
            if (array.DimCount != 1 || index < array.LowBounds[0] || index > array.HighBounds[0])
                return false;
            top = array.Items[static_cast<size_t>(index - array.LowBounds[0])];
            return true;
        }
        default:
            return false;
        }
    } catch (...) {
        return false;
    }
}

void TVlInterpreterExpression::EvaluateExpression(TVlValue &result)
{
    if (FrameCount > 0 && !TokenBacked && EvaluateQuick(result))
        return;
    int16_t saved = StackTop;
    result = TVlValue::Null();
    try {
        Operator(-1);
        result = Pop();
    } catch (const EVlVariantError &) {
        StackTop = saved;
        RaiseError(erTypeMismatch, ReaderPos());
    } catch (...) {
        StackTop = saved;
        throw;
    }
    StackTop = saved;
}

void TVlInterpreterExpression::EvaluateWithoutAssignment(TVlValue &result)
{
    bool allow = AllowAssignment;
    AllowAssignment = false;
    try {
        EvaluateExpression(result);
    } catch (...) {
        AllowAssignment = allow;
        throw;
    }
    AllowAssignment = allow;
}

void TVlInterpreterExpression::EvaluateTyped(uint16_t kind, TVlValue &result)
{
    int32_t start = TokenStart();
    EvaluateWithoutAssignment(result);
    if (result.Kind() != kind)
        RaiseError(kind == varInteger ? erIntegerRequired : kind == varBoolean ? erBooleanRequired : erUnknown, start);
}

TVlValue TVlInterpreterExpression::ApplyBinary(int32_t op, const TVlValue &left, const TVlValue &right)
{
    if (left.Kind() == varInteger && right.Kind() == varInteger) {
        int64_t a = left.RawInteger(), b = right.RawInteger();
        switch (op) {
        case tkPlus: { int64_t r = a + b; if (r >= INT32_MIN && r <= INT32_MAX) return TVlValue::Integer(static_cast<int32_t>(r)); break; }
        case tkMinus: { int64_t r = a - b; if (r >= INT32_MIN && r <= INT32_MAX) return TVlValue::Integer(static_cast<int32_t>(r)); break; }
        case tkMod: if (b != 0) return TVlValue::Integer(static_cast<int32_t>(a % b)); break;
        case tkDiv: if (b != 0 && !(a == INT32_MIN && b == -1)) return TVlValue::Integer(static_cast<int32_t>(a / b)); break;
        case tkEqual: return TVlValue::Boolean(a == b);
        case tkNotEqual: return TVlValue::Boolean(a != b);
        case tkLess: return TVlValue::Boolean(a < b);
        case tkGreater: return TVlValue::Boolean(a > b);
        case tkLessEqual: return TVlValue::Boolean(a <= b);
        case tkGreaterEqual: return TVlValue::Boolean(a >= b);
        default: break;
        }
    }
    if (ExtendedDialect) {
        if (ShortCircuits(op, left))
            return left;  // what the reader gives without reading the right operand
        if (left.Kind() == varVlEnum || right.Kind() == varVlEnum) {
            // Enumeration members compare (and compute) as their ordinal numbers.
            auto ordinal = [](const TVlValue &v) { return v.Kind() == varVlEnum ? TVlValue::Integer(v.RawInteger()) : v; };
            return ApplyBinary(op, ordinal(left), ordinal(right));
        }
        TVlValue wide;
        if (VlPrecisionFloatOp(op, left, right, wide))
            return wide;
        if (left.Kind() == varVlWideSet || right.Kind() == varVlWideSet)
            return VlWideSetOp(op, left, right);
        if (left.Kind() == varVlSet && right.Kind() == varVlSet) {
            // What the core dialect has no operator for: intersection and inclusion.
            if (op == tkMul)
                return SetToValue(left.RawSet() & right.RawSet());
            if (op == tkLessEqual || op == tkGreaterEqual)
                return VlWideSetOp(op, left, right);
        }
        bool comparison = op >= tkEqual && op <= tkLessEqual;  // compared below, in 64 bits
        if (!comparison && VlWideIntegerOp(OpCodeOf(op), left, right, wide))
            return wide;
    }
    switch (op) {
    case tkEqual: case tkNotEqual: {
        bool payloads = ComparesPayloads(left.Kind()) || (op == tkNotEqual && left.Kind() == varUnknown);
        bool equal = payloads ? PayloadBits(left) == PayloadBits(right) : VlCompare(left, right) == 0;
        return TVlValue::Boolean(op == tkEqual ? equal : !equal);
    }
    case tkLess: case tkGreater: case tkLessEqual: case tkGreaterEqual: {
        int c = VlCompare(left, right);
        if (c == VlUnordered)
            return TVlValue::Boolean(false);
        bool r = op == tkLess ? c < 0 : op == tkGreater ? c > 0 : op == tkLessEqual ? c <= 0 : c >= 0;
        return TVlValue::Boolean(r);
    }
    case tkPlus:
        if (left.Kind() == varVlSet)
            return SetToValue(left.RawSet() | static_cast<uint32_t>(PayloadBits(right)));
        break;
    case tkMinus:
        if (left.Kind() == varVlSet)
            return SetToValue(left.RawSet() & ~static_cast<uint32_t>(PayloadBits(right)));
        break;
    default:
        break;
    }
    return VlBinaryOp(OpCodeOf(op), left, right);
}

TVlValue TVlInterpreterExpression::Operator(int32_t op)
{
    CheckStack();
    TVlValue result;
    if (op != -1)
        NextToken();
    int32_t entryKind = TokenKind;
    int32_t opPriority = op == -1 ? 0 : OperatorPriority(op);
    for (;;) {
        int32_t kind = TokenKind;
        if (IsOperandKind(kind)) {
            if (kind == tkIdentifier) {
                if (!ReadLocalFast(result)) {
                    Args->Clear();
                    ReadDesignator(nullptr, 0, result);
                }
            } else {
                result = TokenValue;
            }
            NextToken();
            if (IsOperandKind(TokenKind))
                RaiseError(erMissingOperator, ReaderPos());
            if (OperatorPriority(TokenKind) < opPriority)
                return result;
            Push(result);
            continue;
        }
        bool binarySign = (kind == tkPlus || kind == tkMinus) &&
                          (IsOperandKind(PrevTokenKind) || PrevTokenKind == tkRParen || PrevTokenKind == tkRBracket);
        if (IsBinaryKind(kind) && (binarySign || (kind != tkPlus && kind != tkMinus))) {
            if (opPriority >= OperatorPriority(kind))
                return result;
            TVlValue left = Pop();
            if (ShortCircuits(kind, left)) {
                SkipOperand(kind);
                result = std::move(left);
                Push(result);
                continue;
            }
            TVlValue right = Operator(kind);
            result = ApplyBinary(kind, left, right);
            Push(result);
            continue;
        }
        if (kind == tkIn && ExtendedDialect) {
            // "in" compares like "=": its right operand stops at the relational operators.
            if (opPriority >= OperatorPriority(tkEqual))
                return result;
            TVlValue element = Pop();
            TVlValue set = Operator(tkEqual);
            result = VlInSet(element, set);
            Push(result);
            continue;
        }
        switch (kind) {
        case tkPlus: case tkMinus: {
            TVlValue operand = Operator(tkNot);
            result = kind == tkMinus ? Negated(operand) : operand;
            Push(result);
            continue;
        }
        case tkNot:
            result = VlNot(Operator(tkNot));
            Push(result);
            continue;
        case tkLParen:
            result = Operator(tkLParen);
            if (TokenKind != tkRParen)
                ReportExpected("')'");
            NextToken();
            Push(result);
            continue;
        case tkLBracket:
            NextToken();
            ReadSetConstructor(result);
            if (TokenKind != tkRBracket)
                ReportExpected("']'");
            NextToken();
            Push(result);
            continue;
        default:
            if (!result.IsEmpty() || entryKind == tkIdentifier)
                return result;
            ReportExpected(ErrorMessageText(erTextExpression));
        }
    }
}

// Operator(op) without evaluating: the same tokens are read, and the reader is left where
// Operator(op) leaves it; what only evaluating finds (undeclared names, types) is not reported.
void TVlInterpreterExpression::SkipOperand(int32_t op)
{
    CheckStack();
    NextToken();
    int32_t entryKind = TokenKind;
    int32_t opPriority = OperatorPriority(op);
    bool operand = false;  // an operand has been read (Operator: a value is there)
    for (;;) {
        int32_t kind = TokenKind;
        if (IsOperandKind(kind)) {
            if (kind == tkIdentifier)
                SkipDesignator();
            NextToken();
            if (IsOperandKind(TokenKind))
                RaiseError(erMissingOperator, ReaderPos());
            operand = true;
            if (OperatorPriority(TokenKind) < opPriority)
                return;
            continue;
        }
        bool binarySign = (kind == tkPlus || kind == tkMinus) &&
                          (IsOperandKind(PrevTokenKind) || PrevTokenKind == tkRParen || PrevTokenKind == tkRBracket);
        if (IsBinaryKind(kind) && (binarySign || (kind != tkPlus && kind != tkMinus))) {
            if (opPriority >= OperatorPriority(kind))
                return;
            SkipOperand(kind);
            continue;
        }
        if (kind == tkIn && ExtendedDialect) {
            if (opPriority >= OperatorPriority(tkEqual))
                return;
            SkipOperand(tkEqual);
            continue;
        }
        switch (kind) {
        case tkPlus: case tkMinus: case tkNot:
            SkipOperand(tkNot);
            operand = true;
            continue;
        case tkLParen:
            SkipOperand(tkLParen);
            if (TokenKind != tkRParen)
                ReportExpected("')'");
            NextToken();
            operand = true;
            continue;
        case tkLBracket:
            SkipBracketed(tkRBracket);
            NextToken();
            operand = true;
            continue;
        default:
            if (operand || entryKind == tkIdentifier)
                return;
            ReportExpected(ErrorMessageText(erTextExpression));
        }
    }
}

// ReadDesignator's tokens: name [ (..) | [..] {[..]} ] [ . designator ], the token after it
// pushed back.
void TVlInterpreterExpression::SkipDesignator()
{
    CheckStack();
    NextToken();
    bool indexed = TokenKind == tkLBracket;
    if (TokenKind == tkLParen || indexed) {
        SkipBracketed(TokenKind == tkLParen ? tkRParen : tkRBracket);
        NextToken();
    }
    while (indexed && TokenKind == tkLBracket) {
        SkipBracketed(tkRBracket);
        NextToken();
    }
    if (TokenKind == tkDot) {
        NextToken();
        if (TokenKind != tkIdentifier)
            ReportExpected(ErrorMessageText(erTextIdentifier));
        SkipDesignator();
        NextToken();
    }
    BackToken();
}

// At "(" or "[": reads up to the matching closing bracket, which is then current.
void TVlInterpreterExpression::SkipBracketed(int32_t closing)
{
    std::vector<int32_t> open{closing};
    while (!open.empty()) {
        NextToken();
        switch (TokenKind) {
        case tkEof:
            ReportExpected(open.back() == tkRParen ? "')'" : "']'");
        case tkLParen: open.push_back(tkRParen); break;
        case tkLBracket: open.push_back(tkRBracket); break;
        case tkRParen: case tkRBracket:
            if (TokenKind != open.back())
                ReportExpected(open.back() == tkRParen ? "')'" : "']'");
            open.pop_back();
            break;
        default: break;
        }
    }
}

// -value; the fuller dialect keeps a single a single and an Int64 an Int64 (the core's variant
// rules make a Double of what leaves 32 bits).
TVlValue TVlInterpreterExpression::Negated(const TVlValue &value) const
{
    if (ExtendedDialect && value.Kind() == varSingle)
        return TVlValue::Single(-static_cast<float>(value.RawDouble()));
    if (ExtendedDialect && (value.Kind() == varInt64 || value.Kind() == varLongWord))
        return TVlValue::Int64(static_cast<int64_t>(0 - static_cast<uint64_t>(ValueToInt64(value))));
    return VlNegate(value);
}

bool TVlInterpreterExpression::ReadLocalFast(TVlValue &result)
{
    TRoutineFrame *frame = CurrentFrame();
    if (!frame || TokenBacked || !LocalsReadFirst)
        return false;
    int32_t next = TokenBase[NextIndex].Kind;
    if (next == tkLParen || next == tkDot || next == tkColon)
        return false;
    TVlInterpreterVar *var = frame->Vars.LookupAtom(0, TokenAtom);
    if (!var || var->Value.IsRecord())
        return false;
    if (next != tkLBracket) {
        result = var->Value;
        return true;
    }
    if (!var->Value.IsScriptArray() || HoldsArrays(*var->Value.RawScriptArray()))
        return false;
    int32_t close = Source->Match[static_cast<size_t>(NextIndex)];
    if (close < 0 || static_cast<size_t>(close) + 1 >= Source->Tokens.size())
        return false;
    int32_t after = TokenBase[close + 1].Kind;
    if (after == tkDot || after == tkLBracket || after == tkLParen || after == tkColon)
        return false;
    // name [ index {, index} ]: the indexes are read as the arguments of the general path would be.
    TVlValue array = var->Value;
    int32_t indexes[10];
    int32_t count = 0;
    TVlValue index;
    NextToken();
    for (;;) {
        NextToken();
        EvaluateExpression(index);
        if (count >= 10)
            RaiseError(erTooManyBounds, -1);
        indexes[count++] = VlIndexOf(index, array.RawScriptArray()->OrdinalIndexes);
        if (TokenKind == tkComma)
            continue;
        if (TokenKind != tkRBracket)
            ReportExpected("']'");
        break;
    }
    const TVlInterpreterArrayRec &rec = *array.RawScriptArray();
    result = rec.Items[ScriptArrayPosition(rec, indexes, count)];
    return true;
}

// An argument that is a lone local or a lone literal: read as EvaluateExpression would, without
// evaluating.
bool TVlInterpreterExpression::ReadLocalArgument(int32_t closing, TVlValue &result)
{
    if (TokenBacked || StackTop + 2 >= 199)
        return false;
    int32_t next = TokenBase[NextIndex].Kind;
    if (next != tkComma && next != closing)
        return false;
    if (TokenKind == tkIdentifier) {
        if (!ReadLocalFast(result))
            return false;
    } else if (IsOperandKind(TokenKind)) {
        result = TokenValue;
    } else {
        return false;
    }
    NextToken();
    return true;
}

// [ element {, element} ] of the fuller dialect: elements are ordinal expressions or ranges a..b.
// A set of elements 0 to 31 only is the core dialect's Set value, any other a wide set.
void TVlInterpreterExpression::ReadWideSetConstructor(TVlValue &result)
{
    std::string mask(32, '\0');
    bool narrow = true;
    while (TokenKind != tkRBracket) {
        int32_t start = TokenStart();
        TVlValue low, high;
        EvaluateWithoutAssignment(low);
        high = low;
        if (TokenKind == tkDotDot) {
            NextToken();
            EvaluateWithoutAssignment(high);
        }
        int64_t from, to;
        if (!VlOrdinalOf(low, from) || !VlOrdinalOf(high, to))
            RaiseError(erIntegerRequired, start);
        narrow = narrow && (from > to || (from >= 0 && to < 32));
        for (int64_t e = std::max<int64_t>(from, 0); e <= to && e < 256; ++e)
            mask[static_cast<size_t>(e / 8)] = static_cast<char>(mask[static_cast<size_t>(e / 8)] | (1 << (e % 8)));
        if (TokenKind == tkComma) {
            NextToken();
            continue;
        }
        if (TokenKind != tkRBracket)
            ReportExpected("']'");
    }
    result = TVlValue::WideSet(std::move(mask));
    if (narrow)
        result = ConvertToKind(result, varVlSet);
}

void TVlInterpreterExpression::ReadSetConstructor(TVlValue &result)
{
    if (ExtendedDialect) {
        ReadWideSetConstructor(result);
        return;
    }
    uint32_t mask = 0;
    result = TVlValue::Byte(0);
    while (TokenKind == tkIdentifier || TokenKind == tkInteger) {
        int32_t bit = 0;
        if (TokenKind == tkIdentifier) {
            TVlValue element;
            Args->Clear();
            ReadDesignator(nullptr, 0, element);
            if (element.Kind() != varInteger)
                RaiseError(erIntegerRequired, TokenStart());
            bit = element.RawInteger();
        } else {
            bit = ValueToInteger(TokenValue);
        }
        mask |= 1u << (static_cast<uint32_t>(bit) & 31);
        NextToken();
        if (TokenKind == tkComma) {
            NextToken();
            continue;
        }
        if (TokenKind == tkRBracket)
            break;
        ReportExpected("']'");
    }
    result = SetToValue(mask);
}

// ---- designators and arguments ------------------------------------------------------------

TVlInterpreterArgs *TVlInterpreterExpression::AcquireArgs()
{
    if (ArgsPool.empty())
        return new TVlInterpreterArgs;
    TVlInterpreterArgs *args = ArgsPool.back().release();
    ArgsPool.pop_back();
    return args;
}

void TVlInterpreterExpression::ReleaseArgs(TVlInterpreterArgs *args)
{
    args->Clear();
    args->ValueContext = false;
    args->ResultUsed = false;
    args->HasVarArgs = false;
    for (int i = 0; i < args->Count; ++i)
        args->Values[i].Clear();
    ArgsPool.emplace_back(args);
}

// At "[" starting an argument: whether the brackets hold the whole argument, a list of values
// (an array constructor); otherwise (ranges in them, an operator after them) they start a set
// expression.
bool TVlInterpreterExpression::IsArrayConstructorArgument() const
{
    int32_t depth = 0;
    for (int32_t i = TokIndex;; ++i) {
        switch (TokenBase[i].Kind) {
        case tkEof: case tkFailure: return true;  // reading reports it
        case tkLParen: case tkLBracket: ++depth; break;
        case tkDotDot:
            if (depth == 1)
                return false;
            break;
        case tkRParen: case tkRBracket:
            if (--depth == 0) {
                int32_t after = TokenBase[i + 1].Kind;
                return after == tkComma || after == tkRParen || after == tkRBracket || after == tkColon;
            }
            break;
        default: break;
        }
    }
}

bool TVlInterpreterExpression::AcceptsFormattedArgs(int32_t atom)
{
    if (!VlNames().MayBeFormatted(atom))
        return false;
    if (Adapter->AcceptsFormattedArgs(atom) || Global->AcceptsFormattedArgs(atom))
        return true;
    for (const auto &adapter : HostAdapters)
        if (adapter->AcceptsFormattedArgs(atom))
            return true;
    if (ExtendedDialect)
        for (const auto &adapter : FallbackAdapters)
            if (adapter->AcceptsFormattedArgs(atom))
                return true;
    return false;
}

void TVlInterpreterExpression::ReadArguments(int32_t nameAtom)
{
    CheckStack();
    TVlInterpreterArgs *remembered = Args;
    TVlInterpreterArgs *fresh = AcquireArgs();
    fresh->Clear();
    fresh->Indexed = remembered->Indexed;
    int32_t closing = TokenKind == tkLParen ? tkRParen : tkRBracket;
    bool formats = closing == tkRParen && AcceptsFormattedArgs(nameAtom);
    Args = fresh;
    remembered->ElementArgs.clear();
    remembered->ElementIndexes.clear();
    remembered->FieldArgs.clear();
    try {
        NextToken();
        int32_t count = 0;
        if (!(closing == tkRParen && TokenKind == tkRParen)) {
            for (;;) {
                if (count >= VlMaxArgs)
                    RaiseError(erTooManyParams, TokenStart());
                if (TokenKind == tkIdentifier) {
                    remembered->VarNames[count] = *TokenNamePtr;
                    remembered->VarAtoms[count] = TokenAtom;
                } else {
                    remembered->VarNames[count].clear();
                    remembered->VarAtoms[count] = 0;
                }
                remembered->Widths[count] = -1;
                remembered->Decimals[count] = -1;
                fresh->Clear();
                TVlValue value;
                if (TokenKind == tkLBracket && (!ExtendedDialect || IsArrayConstructorArgument())) {
                    std::vector<TVlValue> items;
                    NextToken();
                    // "[]" is an empty list: what an options argument given no options reads as the empty set.
                    for (bool empty = TokenKind == tkRBracket; !empty;) {
                        TVlValue item;
                        EvaluateExpression(item);
                        items.push_back(std::move(item));
                        if (TokenKind == tkComma) {
                            NextToken();
                            continue;
                        }
                        if (TokenKind != tkRBracket)
                            ReportExpected("']'");
                        break;
                    }
                    NextToken();
                    value = TVlValue::VariantArray(0, static_cast<int32_t>(items.size()) - 1);
                    TVlVariantArray &array = value.MutableVariantArray();
                    for (size_t i = 0; i < items.size(); ++i)
                        array.Items[i] = std::move(items[i]);
                } else if (closing == tkRParen && ReadElementArgument(*remembered, count, value)) {
                    // an element of a script variable, remembered for a by-reference write-back
                } else if (closing == tkRParen && ExtendedDialect && MemberFollows() &&
                           ReadFieldArgument(*remembered, count, value, formats)) {
                    // a field of a record, likewise
                } else if (formats) {
                    EvaluateWithoutAssignment(value);
                } else if (!ReadLocalArgument(closing, value)) {
                    EvaluateExpression(value);
                }
                remembered->Values[count] = std::move(value);
                if (formats && TokenKind == tkColon) {
                    TVlValue width;
                    NextToken();
                    EvaluateExpression(width);
                    remembered->Widths[count] = ValueToInteger(width);
                    if (TokenKind == tkColon) {
                        TVlValue decimals;
                        NextToken();
                        EvaluateExpression(decimals);
                        remembered->Decimals[count] = ValueToInteger(decimals);
                    }
                }
                ++count;
                if (TokenKind == tkComma) {
                    NextToken();
                    continue;
                }
                break;
            }
            if (TokenKind != closing)
                ReportExpected(closing == tkRParen ? "')'" : "']'");
        }
        NextToken();
        remembered->Count = count;
    } catch (...) {
        Args = remembered;
        ReleaseArgs(fresh);
        throw;
    }
    Args = remembered;
    ReleaseArgs(fresh);
}

// At the member name after "target.": a plain "Free" of nil (or of an object variable never
// assigned, which holds Empty), which does nothing.
bool TVlInterpreterExpression::IsFreeOfNil(const TVlValue &target) const
{
    static const int32_t freeAtom = VlNames().Intern("Free");
    if (TokenAtom != freeAtom || TokenBacked)
        return false;
    uint16_t kind = target.Kind();
    if (kind != varEmpty && ((kind != varVlObject && kind != varVlPointer) || target.RawPointer()))
        return false;
    int32_t next = TokenBase[NextIndex].Kind;
    return next != tkLParen && next != tkLBracket && next != tkDot && next != tkColon;
}

void TVlInterpreterExpression::ReadDesignator(void *targetObject, uint16_t targetKind, TVlValue &result)
{
    CheckStack();
    int32_t atom = TokenAtom;
    const std::string *namePtr = TokenNamePtr;
    std::string name = TokenValueIsName && namePtr ? *namePtr : TokenValueName();
    if (!TokenValueIsName)
        atom = VlNames().Intern(name);
    NextToken();
    TVlInterpreterArgs &args = *Args;
    args.Indexed = TokenKind == tkLBracket;
    args.Parenthesized = TokenKind == tkLParen;
    if (TokenKind == tkLParen || TokenKind == tkLBracket)
        ReadArguments(atom);
    else
        args.Count = 0;
    while (args.Indexed && TokenKind == tkLBracket && ExtendedDialect)
        ReadMoreIndexes(args);  // a[i][j]
    args.Obj = targetObject;
    args.ObjType = targetKind;
    if (TokenKind == tkColon && AllowAssignment) {
        if (targetKind == varDispatch || targetKind == varUnknown)
            args.TargetKeeper = TVlValue::Pointer(targetKind, targetObject);
        BackToken();
        TokenValueIsName = true;
        TokenAtom = atom;
        TokenNamePtr = namePtr;
        if (!namePtr)
            TokenValue = TVlValue::String(name), TokenValueIsName = false;
        return;
    }
    args.ResultUsed = (TokenKind >= tkNot && TokenKind <= tkLessEqual) || TokenKind == tkRParen ||
                      TokenKind == tkComma || TokenKind == tkDot || args.ValueContext;
    args.IndexedResult = false;
    result.Clear();
    if (!ReadWithoutLookup(name, atom, result, args) && !GetValue(name, atom, result, args))
        RaiseError(erUndeclared, TokenStart(), name);
    CompleteDesignatorValue(result, args);
    if (args.Indexed && !args.IndexedResult) {
        TVlValue container = result;
        if (FieldCapture)
            CaptureIndexedField(container, args);
        if (!GetIndexed(container, result, args))
            RaiseError(erArrayRequired, TokenStart());
    }
    args.Obj = nullptr;
    args.ObjType = 0;
    args.Count = 0;
    args.TargetKeeper.Clear();
    if (TokenKind == tkDot) {
        NextToken();
        if (TokenKind != tkIdentifier)
            ReportExpected(ErrorMessageText(erTextIdentifier));
        uint16_t kind = result.Kind();
        if (IsFreeOfNil(result)) {
            result = TVlValue::Null();
            NextToken();
            BackToken();
            return;
        }
        if (kind != varVlObject && kind != varVlClass && kind != varVlRecord && kind != varDispatch &&
            kind != varUnknown)
            RaiseError(erStructRequired, TokenStart());
        void *payload = kind == varVlRecord ? static_cast<void *>(result.RawRecord()) : result.RawPointer();
        if (!payload)
            throw EVlRuntimeError("EAccessViolation", "Access violation: member '" + *TokenNamePtr + "' of nil");
        if (FieldCapture && kind == varVlRecord) {
            FieldCapture->Record = result;
            FieldCapture->Name = *TokenNamePtr;
            FieldCapture->Atom = TokenAtom;
            FieldCapture->Container.Clear();
        }
        TVlValue member;
        Args->Clear();
        ReadDesignator(payload, kind, member);
        result = std::move(member);
        NextToken();
    }
    BackToken();
}

bool TVlInterpreterExpression::ReadHostMember(const std::string &name, int32_t atom, TVlValue &result,
                                              TVlInterpreterArgs &args)
{
    try {
        return ReadRememberedMember(name, atom, result, args).value_or(false);
    } catch (...) {
        RecordFailure(std::current_exception(), std::string());
        throw;
    }
}

// Where locals are read first, a local holding an object is what the lookup chain would find.
bool TVlInterpreterExpression::ReadLocalObject(int32_t atom, TVlValue &result)
{
    TRoutineFrame *frame = CurrentFrame();
    if (!LocalsReadFirst || !frame)
        return false;
    TVlInterpreterVar *var = frame->Vars.LookupAtom(0, atom);
    if (!var || var->Value.Kind() != varVlObject)
        return false;
    result = var->Value;
    return true;
}

// [ index {, index} ] after the first index list: the indexes are appended to the request.
void TVlInterpreterExpression::ReadMoreIndexes(TVlInterpreterArgs &args)
{
    TVlInterpreterArgs *fresh = AcquireArgs();
    fresh->Clear();
    Args = fresh;
    try {
        NextToken();
        for (;;) {
            if (args.Count >= VlMaxArgs)
                RaiseError(erTooManyBounds, TokenStart());
            fresh->Clear();
            TVlValue index;
            EvaluateExpression(index);
            args.VarNames[args.Count].clear();
            args.VarAtoms[args.Count] = 0;
            args.Values[args.Count++] = std::move(index);
            if (TokenKind == tkComma) {
                NextToken();
                continue;
            }
            if (TokenKind != tkRBracket)
                ReportExpected("']'");
            break;
        }
        NextToken();
    } catch (...) {
        Args = &args;
        ReleaseArgs(fresh);
        throw;
    }
    Args = &args;
    ReleaseArgs(fresh);
}

// How many of the indexes a value takes itself: the dimensions of an array, one for a string,
// all that are left for anything else.
static int32_t IndexesTaken(const TVlValue &container, int32_t left)
{
    if (container.IsScriptArray())
        return std::min(container.RawScriptArray()->DimCount, left);
    if (container.IsVariantArray())
        return std::min(container.RawVariantArray()->DimCount, left);
    if (container.IsString())
        return 1;
    return left;
}

// Copies indexes first..first+count-1 of a request into another one.
static void TakeIndexes(const TVlInterpreterArgs &from, int32_t first, int32_t count, TVlInterpreterArgs &to)
{
    to.Clear();
    for (int32_t i = 0; i < count; ++i)
        to.Values[i] = from.Values[first + i];
    to.Count = count;
    to.Indexed = true;
}

bool TVlInterpreterExpression::GetIndexed(const TVlValue &container, TVlValue &result, TVlInterpreterArgs &args)
{
    int32_t taken = IndexesTaken(container, args.Count);
    if (!ExtendedDialect || taken >= args.Count)
        return GetElement(container, result, args);
    // a[i][j]: each value takes its own indexes in turn.
    TVlInterpreterArgs *part = AcquireArgs();
    TVlValue current = container;
    bool found = true;
    try {
        for (int32_t used = 0; used < args.Count && found; used += taken) {
            taken = IndexesTaken(current, args.Count - used);
            TakeIndexes(args, used, taken, *part);
            found = GetElement(current, result, *part);
            current = result;
        }
    } catch (...) {
        ReleaseArgs(part);
        throw;
    }
    ReleaseArgs(part);
    return found;
}

bool TVlInterpreterExpression::SetIndexed(TVlValue &container, const TVlValue &value, TVlInterpreterArgs &args,
                                          int32_t first)
{
    int32_t taken = IndexesTaken(container, args.Count - first);
    if (!ExtendedDialect || (first == 0 && taken >= args.Count))
        return SetElement(container, value, args);
    TVlInterpreterArgs *part = AcquireArgs();
    bool done = false;
    try {
        TakeIndexes(args, first, taken, *part);
        if (first + taken >= args.Count) {
            done = SetElement(container, value, *part);
        } else {
            // The inner value is changed, then stored back (strings and variant arrays are copies).
            TVlValue inner;
            done = GetElement(container, inner, *part) && SetIndexed(inner, value, args, first + taken);
            if (done && (inner.IsString() || inner.IsVariantArray())) {
                TakeIndexes(args, first, taken, *part);
                done = SetElement(container, inner, *part);
            }
        }
    } catch (...) {
        ReleaseArgs(part);
        throw;
    }
    ReleaseArgs(part);
    return done;
}

void TVlInterpreterExpression::CompleteDesignatorValue(TVlValue &result, TVlInterpreterArgs &args)
{
    if (result.IsRecord()) {
        TVlInterpreterRecHolder &holder = *result.RawRecord();
        std::shared_ptr<const TVlInterpreterRecord> record = Adapter->FindRecordType(holder.RecordName);
        if (!record && Global != Adapter.get())
            record = Global->FindRecordType(holder.RecordName);
        if (!record)
            RaiseError(erRecordNotDefined, -1, "Unknown RecordType");
        if (!holder.RecordDesc)
            holder.RecordDesc = record;
    }
    if (args.HasVarArgs) {
        args.Obj = nullptr;
        args.ObjType = 0;
        for (int i = 0; i < args.Count; ++i)
            if ((args.Types[i] & varByRef) && !args.VarNames[i].empty()) {
                if (const TVlFieldArg *field = args.FieldArgs.empty() ? nullptr : args.FieldArgOf(i))
                    StoreFieldArgument(*field, args.Values[i]);
                else if (const TVlElementArg *element = args.ElementArgOf(i))
                    StoreElementArgument(args, *element, args.VarNames[i], args.VarAtoms[i], args.Values[i]);
                else
                    SetValue(args.VarNames[i], args.VarAtoms[i], args.Values[i], args);
            }
    }
}

// ---- resolution ---------------------------------------------------------------------------

bool TVlInterpreterExpression::GetValue(const std::string &name, int32_t atom, TVlValue &result,
                                        TVlInterpreterArgs &args)
{
    try {
        std::optional<bool> remembered;
        if (args.Obj && args.ObjType == varVlObject && !args.Indexed)
            remembered = ReadRememberedMember(name, atom, result, args);
        if (remembered.value_or(false))
            return true;
        if (!remembered) {
            if (Adapter->GetValue(this, name, atom, result, args))
                return true;
            for (const auto &adapter : HostAdapters)
                if (adapter->GetValue(this, name, atom, result, args))
                    return true;
            if (Global != Adapter.get() && Global->GetValue(this, name, atom, result, args))
                return true;
        }
    } catch (...) {
        RecordFailure(std::current_exception(), std::string());
        throw;
    }
    if (OnGetValue) {
        bool done = false;
        OnGetValue(this, name, result, args, done);
        return done;
    }
    return false;
}

// A member of a live object (not indexed) whose class every adapter was asked for before: what
// they remember stands for the lookups (true: read; false: no adapter has it; nullopt: some
// adapter must look).
std::optional<bool> TVlInterpreterExpression::ReadRememberedMember(const std::string &name, int32_t atom,
                                                                   TVlValue &result, TVlInterpreterArgs &args)
{
    if (atom <= 0)
        return std::nullopt;
    const TVlHostObjectModel &model = Global->ObjectModel();
    const TVlHostClass cls = model.LiveClassOf(args.Obj);
    if (!cls)
        return std::nullopt;
    TVlInterpreterAdapter *answering = nullptr;
    const TVlInterpreterMethod *getter = nullptr;
    auto ask = [&](TVlInterpreterAdapter &adapter) {
        if (answering)
            return true;
        std::optional<const TVlInterpreterMethod *> memo = adapter.RememberedMember(atom, cls, model);
        if (memo && *memo) {
            answering = &adapter;
            getter = *memo;
        }
        return memo.has_value();
    };
    if (!ask(*Adapter))
        return std::nullopt;
    for (const auto &adapter : HostAdapters)
        if (!ask(*adapter))
            return std::nullopt;
    if (Global != Adapter.get() && !ask(*Global))
        return std::nullopt;
    if (!answering)
        return false;
    answering->CallRemembered(this, *getter, name, result, args);
    return true;
}

bool TVlInterpreterExpression::SetValue(const std::string &name, int32_t atom, const TVlValue &value,
                                        TVlInterpreterArgs &args)
{
    try {
        if (Adapter->SetValue(this, name, atom, value, args))
            return true;
        for (const auto &adapter : HostAdapters)
            if (adapter->SetValue(this, name, atom, value, args))
                return true;
        if (Global != Adapter.get() && Global->SetValue(this, name, atom, value, args))
            return true;
    } catch (EVlInterpreterError &error) {
        error.Position = TokenStart();
        throw;
    }
    if (OnSetValue) {
        bool done = false;
        OnSetValue(this, name, value, args, done);
        return done;
    }
    return false;
}

bool TVlInterpreterExpression::WriteFallbackName(const std::string &name, int32_t atom, const TVlValue &value,
                                                 TVlInterpreterArgs &args)
{
    for (const auto &adapter : FallbackAdapters)
        if (adapter->SetValue(this, name, atom, value, args))
            return true;
    return false;
}

bool TVlInterpreterExpression::GetElement(const TVlValue &container, TVlValue &result, TVlInterpreterArgs &args)
{
    if (args.Count == 0)
        return false;
    if (container.Kind() == varVlObject || container.Kind() == varVlClass) {
        if (Adapter->GetElement(this, container, result, args))
            return true;
        for (const auto &adapter : HostAdapters)
            if (adapter->GetElement(this, container, result, args))
                return true;
        return Global != Adapter.get() && Global->GetElement(this, container, result, args);
    }
    return ::GetElement(container, result, args, ReaderPos());
}

bool TVlInterpreterExpression::SetElement(TVlValue &container, const TVlValue &value, TVlInterpreterArgs &args)
{
    if (args.Count == 0)
        return false;
    if (container.Kind() == varVlObject || container.Kind() == varVlClass) {
        if (Adapter->SetElement(this, container, value, args))
            return true;
        for (const auto &adapter : HostAdapters)
            if (adapter->SetElement(this, container, value, args))
                return true;
        return Global != Adapter.get() && Global->SetElement(this, container, value, args);
    }
    return ::SetElement(container, value, args, ReaderPos());
}

void TVlInterpreterExpression::InvokeFunction(const std::string &, TVlInterpreterArgs *, const std::vector<TVlValue> &)
{
    RaiseError(erInternal, -1, "InvokeFunction" "not implemented");
}

void TVlInterpreterExpression::InvokeFunctionIn(void *, const std::string &, const std::string &, TVlInterpreterArgs *,
                                                const std::vector<TVlValue> &, TVlValue &)
{
    RaiseError(erInternal, -1, "InvokeFunctionIn" "not implemented");
}

bool TVlInterpreterExpression::UnitExistsAnywhere(const std::string &name)
{
    if (Adapter->UnitExists(name))
        return true;
    int32_t atom = VlNames().Find(name);
    if (Adapter->HasHostUnit(atom) || Global->HasHostUnit(atom) || Global->UnitExists(name))
        return true;
    for (const auto &adapter : HostAdapters)
        if (adapter->HasHostUnit(atom) || adapter->UnitExists(name))
            return true;
    if (ExtendedDialect)
        for (const auto &adapter : FallbackAdapters)
            if (adapter->HasHostUnit(atom))
                return true;
    return false;
}

// ---- failures -----------------------------------------------------------------------------

void TVlInterpreterExpression::ClearFailure()
{
    LastFailure.Located = false;
    LastFailure.Arg1.clear();
    LastFailure.Arg2.clear();
    LastFailure.ErrorUnit.clear();
    LastFailure.Position = -1;
    LastFailure.ErrorLine = -1;
}

void TVlInterpreterExpression::RecordFailure(const std::exception_ptr &error, const std::string &unitName)
{
    try {
        std::rethrow_exception(error);
    } catch (EVlInterpreterError &e) {
        LocateError(e, unitName, Source->Text, Cursor);
        LastFailure.Message = e.Message;
        LastFailure.Code = e.Code;
        LastFailure.Position = e.Position;
        LastFailure.Arg1 = e.Arg1;
        LastFailure.Arg2 = e.Arg2;
        LastFailure.BareMessage = e.BareMessage;
    } catch (...) {
        if (LastFailure.Located)
            return;
        LastFailure.Code = erExternal;
        LastFailure.Message = VlExceptionMessage(error);
        LastFailure.BareMessage = LastFailure.Message;
        LocateError(LastFailure, unitName, Source->Text, Cursor);
    }
}
