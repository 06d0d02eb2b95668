// Running direct statements. Each step mirrors the token reader's statement of the same kind:
// the same steps are counted and hooked, the same flags set and cleared, the same state saved.
// Anything the tree cannot finish itself (a name that is not a local, a value of another kind,
// an operation that fails) is handed to the token reader at the place where it would stand, before
// anything of that part has run; the token reader then raises exactly its own errors.
#include "VlInterpreter.h"

#include "VlInterpreterDirect.h"
#include "VlInterpreterOperations.h"

namespace {

// Stores a value into a local as a store by the declared kind does; false (nothing stored) when
// that store fails or is more than a copy (records, arrays): the token reader then does it.
bool StoreLocal(TVlInterpreterVar &var, const TVlValue &value)
{
    if (value.IsRecord() || value.IsScriptArray())
        return false;
    try {
        TVlInterpreterVarList::StoreInto(var, value);
    } catch (...) {
        return false;
    }
    return true;
}

} // namespace

void TVlInterpreterFunction::PlaceReader(int32_t index, int32_t valueToken)
{
    TokenBacked = false;
    if (valueToken >= 0) {
        NextIndex = valueToken;
        NextToken();
    }
    TokenKind = index > 0 ? TokenBase[index - 1].Kind : tkEof;
    NextIndex = index;
    NextToken();
}

void TVlInterpreterFunction::RunDirect(const TVlDirectStatement &statement, bool routineBody)
{
    DirectObserved = ObservesStatements();
    Args->Clear();
    int32_t cur = statement.First;
    if (routineBody)
        DirectCompound(statement, cur);  // a body is no statement of its own: no step, no hook
    else
        DirectStatement(statement, cur);
    int32_t valueToken = statement.ValueToken;
    if (cur != statement.End) {
        // Left by break, continue or exit: only the tokens before the current one were read.
        valueToken = -1;
        for (int32_t i = statement.First; i < cur; ++i)
            if (VlSetsTokenValue(TokenBase[i].Kind))
                valueToken = i;
    }
    PlaceReader(cur, valueToken);
}

// The hook that runs before every statement and every empty statement of a compound.
[[gnu::always_inline]] inline void TVlInterpreterFunction::DirectStep(int32_t index)
{
    if (DirectObserved || StopRequested || StatementBudget >= 0 || InterruptPending())
        DirectHookedStep(index);
}

void TVlInterpreterFunction::DirectHookedStep(int32_t index)
{
    if (DirectObserved || StopRequested || StatementBudget == 0 || InterruptPending()) {
        PlaceReader(index, -1);
        StatementHook();
        return;
    }
    --StatementBudget;
}

// The step counted at every pass of a loop, with the reader where the loop has it then.
[[gnu::always_inline]] inline void TVlInterpreterFunction::DirectCount(int32_t index)
{
    if (StopRequested || StatementBudget == 0 || InterruptPending()) {
        PlaceReader(index, -1);
        CountStep();
        return;
    }
    if (StatementBudget > 0)
        --StatementBudget;
}

// The integer form of an expression where it applies; false leaves the expression to RunQuick.
[[gnu::always_inline]] inline bool TVlInterpreterFunction::DirectInteger(const TVlQuickExpression &quick, int32_t first,
                                                                         int64_t &value, bool &boolean)
{
    if (!quick.IntegerForm || quick.IntegerMisses >= 16 || StackTop + (quick.LastToken - first) + 2 >= 199)
        return false;
    if (VlRunIntegerForm(quick, CurrentFrame()->Vars, value, boolean))
        return true;
    ++quick.IntegerMisses;
    return false;
}

// An expression's value; false when the tree cannot compute it.
[[gnu::always_inline]] inline bool TVlInterpreterFunction::DirectValue(const TVlQuickExpression &quick, int32_t first,
                                                                       TVlValue &result)
{
    int64_t value;
    bool boolean;
    if (DirectInteger(quick, first, value, boolean)) {
        result = boolean ? TVlValue::Boolean(value != 0) : TVlValue::Integer(static_cast<int32_t>(value));
        return true;
    }
    return RunQuick(quick, first, result, true);
}

// A condition's truth; false when the tree cannot compute it or it is not a Boolean.
[[gnu::always_inline]] inline bool TVlInterpreterFunction::DirectCondition(const TVlQuickExpression &quick, int32_t first,
                                                                           bool &truth)
{
    int64_t value;
    bool boolean;
    if (DirectInteger(quick, first, value, boolean) && boolean) {
        truth = value != 0;
        return true;
    }
    TVlValue condition;
    if (!RunQuick(quick, first, condition, true) || condition.Kind() != varBoolean)
        return false;
    truth = condition.RawInteger() != 0;
    return true;
}

void TVlInterpreterFunction::DirectByTokens(const TVlDirectStatement &s, int32_t &cur)
{
    PlaceReader(s.First, -1);
    ExecuteStatementBody();
    cur = TokIndex;
}

void TVlInterpreterFunction::DirectStatement(const TVlDirectStatement &s, int32_t &cur)
{
    DirectStep(s.First);
    switch (s.Kind) {
    case TVlDirectStatement::dkAssign: DirectAssign(s, cur); break;
    case TVlDirectStatement::dkAssignElement: DirectAssignElement(s, cur); break;
    case TVlDirectStatement::dkIf: DirectIf(s, cur); break;
    case TVlDirectStatement::dkWhile: DirectWhile(s, cur); break;
    case TVlDirectStatement::dkFor: DirectFor(s, cur); break;
    case TVlDirectStatement::dkCompound: DirectCompound(s, cur); break;
    case TVlDirectStatement::dkBreak: BreakFlag = true; cur = s.First; break;
    case TVlDirectStatement::dkContinue: ContinueFlag = true; cur = s.First; break;
    case TVlDirectStatement::dkExit: ExitFlag = true; cur = s.First; break;
    }
}

// What the token reader does with an operand that is a name, at token index.
void TVlInterpreterFunction::ReadOperandAt(int32_t index, TVlValue &result)
{
    PlaceReader(index, -1);
    if (!ReadLocalFast(result)) {
        Args->Clear();
        ReadDesignator(nullptr, 0, result);
    }
    NextToken();
}

// left op right into left. Before the first call a failure answers false; after it, the reader
// stands where the token reader computes the operator, which fails as it does.
bool TVlInterpreterFunction::DirectBinary(int32_t op, TVlValue &left, const TVlValue &right, int32_t after,
                                          bool committed)
{
    if (!committed) {
        try {
            left = ApplyBinary(op, left, right);
        } catch (...) {
            return false;
        }
        return true;
    }
    if (left.Kind() == varInteger && right.Kind() == varInteger && op != tkDiv && op != tkMod && op != tkSlash) {
        left = ApplyBinary(op, left, right);  // cannot fail
        return true;
    }
    PlaceReader(after, -1);
    try {
        left = ApplyBinary(op, left, right);
    } catch (const EVlVariantError &) {
        RaiseError(erTypeMismatch, ReaderPos());
    }
    return true;
}

// A routine called as ReadDesignator calls it: the arguments in the current request, the reader
// after the closing parenthesis, then the name resolution chain.
void TVlInterpreterFunction::DirectCall(const TVlQuickExpression &quick, const TVlQuickStep &step, TVlValue *arguments,
                                        TVlValue &result)
{
    if (StackNearlyFull()) {
        PlaceReader(step.Token, -1);
        RaiseStackOverflow();
    }
    TVlInterpreterArgs &args = *Args;
    args.Clear();
    args.ElementArgs.clear();
    args.ElementIndexes.clear();
    const TVlToken *tokens = TokenBase;
    for (int i = 0; i < step.Count; ++i) {
        args.Values[i] = std::move(arguments[i]);
        args.Widths[i] = -1;
        args.Decimals[i] = -1;
        // The name an argument begins with, for a by-reference write-back.
        const TVlToken &token = tokens[quick.ArgumentTokens[static_cast<size_t>(step.Arguments + i)]];
        if (token.Kind == tkIdentifier) {
            args.VarNames[i] = Source->Texts[static_cast<size_t>(token.Index)];
            args.VarAtoms[i] = token.Atom;
        } else {
            args.VarNames[i].clear();
            args.VarAtoms[i] = 0;
        }
    }
    args.Count = step.Count;
    PlaceReader(step.After, -1);
    int32_t following = TokenKind;
    args.ResultUsed = (following >= tkNot && following <= tkLessEqual) || following == tkRParen || following == tkComma ||
                      following == tkDot || args.ValueContext;
    args.IndexedResult = false;
    const TVlToken &nameToken = tokens[step.Token];
    const std::string &name = Source->Texts[static_cast<size_t>(nameToken.Index)];
    result.Clear();
    if (!GetValue(name, nameToken.Atom, result, args))
        RaiseError(erUndeclared, TokenStart(), name);
    CompleteDesignatorValue(result, args);
    args.Obj = nullptr;
    args.ObjType = 0;
    args.Count = 0;
    args.TargetKeeper.Clear();
}

// A right side with calls. Until the first call nothing has changed, and a failure answers
// false; from the first call on, a step that cannot go on is done as the token reader does it at
// that place: a name that is not a local is read through the resolution chain, an argument that
// cannot be computed makes the whole call read by tokens, an operator fails as there.
bool TVlInterpreterFunction::DirectCallValue(const TVlQuickExpression &quick, int32_t first, TVlValue &result)
{
    if (StackTop + (quick.LastToken - first) + 2 >= 199)
        return false;
    TVlValue stack[16];
    int top = -1;
    int argumentsBase = -1;
    bool committed = false;
    TVlInterpreterArgs *request = AcquireArgs();
    request->Clear();
    request->ValueContext = true;  // an assignment's right side
    struct TRequestScope {
        TVlInterpreterFunction &Owner;
        TVlInterpreterArgs *Saved;
        TVlInterpreterArgs *Request;
        ~TRequestScope()
        {
            Owner.Args = Saved;
            Request->ValueContext = false;
            Owner.ReleaseArgs(Request);
        }
    } scope{*this, Args, request};
    Args = request;
    const std::vector<TVlQuickStep> &steps = quick.Steps;
    for (size_t k = 0; k < steps.size(); ++k) {
        const TVlQuickStep &step = steps[k];
        if (step.InArguments && argumentsBase < 0)
            argumentsBase = top + 1;
        bool done = true;
        switch (step.Kind) {
        case TVlQuickStep::skLocal: {
            TVlInterpreterVar *var = CurrentFrame()->Vars.LookupHinted(step.Operand, step.Hint);
            if (!var || var->Value.IsRecord())
                done = false;
            else
                stack[++top] = var->Value;
            break;
        }
        case TVlQuickStep::skConstant:
            stack[++top] = quick.Constants[static_cast<size_t>(step.Operand)];
            break;
        case TVlQuickStep::skBinary:
            done = DirectBinary(step.Operand, stack[top - 1], stack[top], step.After, committed && !step.InArguments);
            if (done)
                stack[top--].Clear();
            break;
        case TVlQuickStep::skBinaryConstant:
            done = DirectBinary(step.Operator, stack[top], quick.Constants[static_cast<size_t>(step.Operand)], step.After,
                                committed && !step.InArguments);
            break;
        case TVlQuickStep::skBinaryLocal: {
            TVlInterpreterVar *var = CurrentFrame()->Vars.LookupHinted(step.Operand, step.Hint);
            if (!var || var->Value.IsRecord()) {
                done = false;
                break;
            }
            TVlValue right = var->Value;
            done = DirectBinary(step.Operator, stack[top], right, step.After, committed && !step.InArguments);
            break;
        }
        case TVlQuickStep::skCall: {
            committed = true;
            top -= step.Count;
            TVlValue value;
            DirectCall(quick, step, stack + top + 1, value);
            for (int i = top + 1; i <= top + step.Count; ++i)
                stack[i].Clear();
            stack[++top] = std::move(value);
            argumentsBase = -1;
            break;
        }
        case TVlQuickStep::skNegate: case TVlQuickStep::skNot: case TVlQuickStep::skParenthesis:
        case TVlQuickStep::skElement:
            // Only inside arguments (see the translation): computed as RunQuick does.
            done = PureStep(step, stack[top]);
            break;
        }
        if (done)
            continue;
        if (!committed)
            return false;
        if (step.InArguments) {
            // The call's arguments cannot be computed here: the whole call is read by tokens.
            while (k < steps.size() && steps[k].Kind != TVlQuickStep::skCall)
                ++k;
            for (int i = argumentsBase; i <= top; ++i)
                stack[i].Clear();
            top = argumentsBase - 1;
            ReadOperandAt(steps[k].Token, stack[++top]);
            argumentsBase = -1;
        } else if (step.Kind == TVlQuickStep::skLocal) {
            ReadOperandAt(step.Token, stack[++top]);
        } else {  // skBinaryLocal with a right operand that is not a local
            TVlValue right;
            ReadOperandAt(step.Token, right);
            DirectBinary(step.Operator, stack[top], right, step.After, true);
        }
    }
    result = std::move(stack[0]);
    return true;
}

// name := value; strings stay with the token reader, which appends in place.
void TVlInterpreterFunction::DirectAssign(const TVlDirectStatement &s, int32_t &cur)
{
    if (s.Expr[0]->HasCalls) {
        DirectCallAssign(s, cur);
        return;
    }
    TVlInterpreterVar *var = CurrentFrame()->Vars.LookupHinted(s.Atom, s.Hint);
    if (var && !var->Value.IsString() && DirectValue(*s.Expr[0], s.ExprFirst[0], ResultValue) &&
        StoreLocal(*var, ResultValue)) {
        cur = s.End;
        return;
    }
    DirectByTokens(s, cur);
}

// name := right side with calls: the store after them fails as the token reader's does.
void TVlInterpreterFunction::DirectCallAssign(const TVlDirectStatement &s, int32_t &cur)
{
    TVlInterpreterVar *var = CurrentFrame()->Vars.LookupHinted(s.Atom, s.Hint);
    TVlValue value;
    if (!var || var->Value.IsString() || !DirectCallValue(*s.Expr[0], s.ExprFirst[0], value)) {
        DirectByTokens(s, cur);
        return;
    }
    ResultValue = std::move(value);
    var = CurrentFrame()->Vars.LookupHinted(s.Atom, s.Hint);
    if (!var || !StoreLocal(*var, ResultValue)) {
        PlaceReader(s.End, -1);
        if (!SetValue(*s.Name, s.Atom, ResultValue, *Args))
            RaiseError(erUndeclared, TokenStart(), *s.Name);
    }
    cur = s.End;
}

// name [ index ] := value, for a one-dimensional local script array.
void TVlInterpreterFunction::DirectAssignElement(const TVlDirectStatement &s, int32_t &cur)
{
    TVlInterpreterVar *var = CurrentFrame()->Vars.LookupHinted(s.Atom, s.Hint);
    TVlValue index;
    if (var && var->Value.IsScriptArray() && DirectValue(*s.Expr[0], s.ExprFirst[0], index) &&
        index.Kind() == varInteger && DirectValue(*s.Expr[1], s.ExprFirst[1], ResultValue) &&
        !ResultValue.IsRecord() && !ResultValue.IsScriptArray()) {
        TVlInterpreterArrayRec &array = *var->Value.RawScriptArray();
        int32_t i = index.RawInteger();
        if (array.DimCount == 1 && i >= array.LowBounds[0] && i <= array.HighBounds[0]) {
            size_t position = static_cast<size_t>(i - array.LowBounds[0]);
            if (array.ElementKind == 0 || array.ElementKind == ResultValue.Kind()) {
                array.Items[position] = ResultValue;
                cur = s.End;
                return;
            }
            try {
                StoreScriptArrayElement(array, position, ResultValue);
                cur = s.End;
                return;
            } catch (...) {
                // the token reader reports it
            }
        }
    }
    DirectByTokens(s, cur);
}

void TVlInterpreterFunction::DirectIf(const TVlDirectStatement &s, int32_t &cur)
{
    bool truth;
    if (!DirectCondition(*s.Expr[0], s.ExprFirst[0], truth)) {
        DirectByTokens(s, cur);
        return;
    }
    const TVlDirectStatement &then = *s.Branch[0];
    if (truth) {
        cur = then.First;
        DirectStatement(then, cur);
        if (TokenBase[cur].Kind == tkElse) {
            if (s.Branch[1] && cur == then.End) {
                cur = s.Branch[1]->End;
            } else {
                PlaceReader(cur + 1, -1);
                SkipStatement();
                cur = TokIndex;
            }
        }
        return;
    }
    cur = then.End;
    if (s.Branch[1]) {
        cur = s.Branch[1]->First;
        DirectStatement(*s.Branch[1], cur);
    }
}

void TVlInterpreterFunction::DirectWhile(const TVlDirectStatement &s, int32_t &cur)
{
    PlaceReader(s.First, -1);  // the saved state has the reader at "while"
    PushState();
    const TVlDirectStatement &body = *s.Branch[0];
    RunWhilePasses([&] {
        for (;;) {
            DirectCount(s.First);
            bool truth;
            if (!DirectCondition(*s.Expr[0], s.ExprFirst[0], truth)) {
                TVlValue condition;
                PlaceReader(s.ExprFirst[0], -1);
                EvaluateWithoutAssignment(condition);
                if (condition.Kind() != varBoolean)
                    RaiseError(erBooleanRequired, TokenBase[s.First].End);
                if (TokenKind != tkDo)
                    ReportExpected("'do'");
                truth = condition.RawInteger() != 0;
            }
            if (!truth)
                break;
            BreakFlag = false;
            ContinueFlag = false;
            cur = body.First;
            DirectStatement(body, cur);
            if (BreakFlag || ExitFlag)
                break;
        }
    });
    DropState();
    cur = s.End;
    BreakFlag = false;
    ContinueFlag = false;
}

void TVlInterpreterFunction::StoreControlVariable(const TVlDirectStatement &s, int32_t value)
{
    TVlInterpreterVar *var = CurrentFrame()->Vars.LookupHinted(s.Atom, s.Hint);
    if (var && (var->DeclaredKind == 0 || var->DeclaredKind == varVariant || var->DeclaredKind == varInteger)) {
        var->Value = TVlValue::Integer(value);
        return;
    }
    PlaceReader(s.Branch[0]->First, -1);
    Args->Clear();
    if (!SetValue(*s.Name, s.Atom, TVlValue::Integer(value), *Args))
        RaiseError(erUndeclared, TokenStart(), *s.Name);
}

void TVlInterpreterFunction::DirectFor(const TVlDirectStatement &s, int32_t &cur)
{
    TVlValue first, last;
    if (!DirectValue(*s.Expr[0], s.ExprFirst[0], first) || first.Kind() != varInteger ||
        !DirectValue(*s.Expr[1], s.ExprFirst[1], last) || last.Kind() != varInteger) {
        DirectByTokens(s, cur);
        return;
    }
    const TVlDirectStatement &body = *s.Branch[0];
    int64_t from = first.RawInteger(), to = last.RawInteger();
    int64_t step = s.Down ? -1 : 1;
    if (s.Down ? from >= to : to >= from) {
        for (int64_t i = from;; i += step) {
            DirectCount(body.First);
            StoreControlVariable(s, static_cast<int32_t>(i));
            BreakFlag = false;
            ContinueFlag = false;
            cur = body.First;
            DirectStatement(body, cur);
            if (BreakFlag || ExitFlag || i == to)
                break;
        }
    }
    cur = s.End;
    BreakFlag = false;
    ContinueFlag = false;
}

void TVlInterpreterFunction::DirectCompound(const TVlDirectStatement &s, int32_t &cur)
{
    cur = s.First + 1;
    for (const auto &[index, statement] : s.Items) {
        if (BreakFlag || ContinueFlag || ExitFlag)
            return;
        if (!statement) {
            DirectStep(index);
            cur = index + 1;
            continue;
        }
        DirectStatement(*statement, cur);
    }
    if (BreakFlag || ContinueFlag || ExitFlag)
        return;
    cur = s.End;
}
