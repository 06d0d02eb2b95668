// Statements: assignment and call, compound, if, while, repeat, for, case, try, raise.
#include "VlInterpreter.h"

#include "VlInterpreterDirect.h"
#include "VlInterpreterOperations.h"

namespace {

std::string StatementText() { return ErrorMessageText(erTextStatement); }

// Saves the request in use and restores it when the scope ends.
struct TArgsScope {
    TArgsScope(TVlInterpreterArgs *&current, TVlInterpreterArgs *replacement) : Current(current), Saved(current)
    {
        Current = replacement;
    }
    ~TArgsScope() { Current = Saved; }
    TVlInterpreterArgs *&Current;
    TVlInterpreterArgs *Saved;
};

} // namespace

void TVlInterpreterFunction::ExecuteStatement()
{
    CheckStack();
    if ((TokenKind == tkIdentifier || TokenKind == tkFor || TokenKind == tkWhile || TokenKind == tkIf ||
         TokenKind == tkBegin) &&
        DirectStatements && LocalsReadFirst && FrameCount > 0 && !TokenBacked && TokenBase == Source->Tokens.data() && TokenBase[TokIndex].Kind == TokenKind) {
        if (const TVlDirectStatement *direct = VlDirectStatementAt(*Source, TokIndex)) {
            RunDirect(*direct);
            return;
        }
    }
    StatementHook();
    ExecuteStatementBody();
}

void TVlInterpreterFunction::ExecuteStatementBody()
{
    switch (TokenKind) {
    case tkIdentifier:
        if (ExtendedDialect && AtWithStatement()) {
            ExecuteWith();
            break;
        }
        ExecuteIdentifierStatement();
        if (!VlEndsStatement(TokenKind))
            ReportExpected("';'");
        break;
    case tkSemicolon: case tkEnd: case tkElse:
        break;
    case tkBegin: ExecuteCompound(); break;
    case tkIf: ExecuteIf(); break;
    case tkWhile: ExecuteWhile(); break;
    case tkRepeat: ExecuteRepeat(); break;
    case tkFor: ExecuteFor(); break;
    case tkCase: ExecuteCase(); break;
    case tkBreak: BreakFlag = true; break;
    case tkContinue: ContinueFlag = true; break;
    case tkExit:
        if (ExtendedDialect && TokenBase[NextIndex].Kind == tkLParen)
            ExecuteExitValue();
        ExitFlag = true;
        break;
    case tkTry: ExecuteTryStatement(); break;
    case tkRaise: ExecuteRaise(); break;
    default: ReportExpected("';'");
    }
}

// name [ indexes ] := expression, for a local script array: the same steps as the general path
// (indexes, then the right side, then the store) without the request and lookup machinery.
bool TVlInterpreterFunction::TryStoreLocalElement()
{
    TRoutineFrame *frame = CurrentFrame();
    if (!frame || TokenBacked || !LocalsReadFirst || TokenBase[NextIndex].Kind != tkLBracket)
        return false;
    int32_t close = Source->Match[static_cast<size_t>(NextIndex)];
    if (close < 0 || static_cast<size_t>(close) + 2 >= Source->Tokens.size() || TokenBase[close + 1].Kind != tkColon ||
        TokenBase[close + 2].Kind != tkEqual)
        return false;
    TVlInterpreterVar *var = frame->Vars.LookupAtom(0, TokenAtom);
    if (!var || !var->Value.IsScriptArray() || HoldsArrays(*var->Value.RawScriptArray()))
        return false;
    TVlValue array = var->Value;
    int32_t indexes[10];
    int32_t count = 0;
    TVlValue index;
    NextToken();
    // A request of its own is taken only when an expression needs the general path.
    TVlInterpreterArgs *fresh = nullptr;
    try {
        for (;;) {
            NextToken();
            if (TokenBacked || !EvaluateQuick(index)) {
                if (!fresh) {
                    fresh = AcquireArgs();
                    fresh->Clear();
                }
                TArgsScope scope(Args, fresh);
                EvaluateExpression(index);
            }
            if (count >= 10)
                RaiseError(erTooManyBounds, -1);
            indexes[count++] = VlIndexOf(index, array.RawScriptArray()->OrdinalIndexes);
            if (TokenKind == tkComma)
                continue;
            if (TokenKind != tkRBracket)
                ReportExpected("']'");
            break;
        }
        NextToken();  // ":"
        NextToken();  // "="
        NextToken();
        ResultValue.Clear();
        if (TokenBacked || !EvaluateQuick(ResultValue)) {
            if (!fresh)
                fresh = AcquireArgs();
            fresh->Clear();
            fresh->ValueContext = true;
            TArgsScope scope(Args, fresh);
            EvaluateExpression(ResultValue);
        }
    } catch (...) {
        if (fresh) {
            fresh->ValueContext = false;
            ReleaseArgs(fresh);
        }
        throw;
    }
    if (fresh) {
        fresh->ValueContext = false;
        ReleaseArgs(fresh);
    }
    TVlInterpreterArrayRec &rec = *array.RawScriptArray();
    StoreScriptArrayElement(rec, ScriptArrayPosition(rec, indexes, count), ResultValue);
    return true;
}

// name := expression for a local that is not a String (no in-place append): the same steps as
// the general path, with the right side read as a quick expression when it is one.
bool TVlInterpreterFunction::TryStoreLocalScalar()
{
    TRoutineFrame *frame = CurrentFrame();
    if (!frame || TokenBacked || TokenBase[NextIndex].Kind != tkColon || TokenBase[NextIndex + 1].Kind != tkEqual)
        return false;
    TVlInterpreterVar *var = frame->Vars.LookupAtom(0, TokenAtom);
    if (!var || var->Value.IsString())
        return false;
    const std::string *name = TokenNamePtr;
    int32_t atom = TokenAtom;
    Args->Clear();
    NextToken();  // ":"
    NextToken();  // "="
    NextToken();
    ResultValue.Clear();
    if (TokenBacked || !EvaluateQuick(ResultValue)) {
        StoreAssignment(*name, atom, *Args);
        return true;
    }
    if (!SetValue(*name, atom, ResultValue, *Args))
        RaiseError(erUndeclared, TokenStart(), *name);
    return true;
}

void TVlInterpreterFunction::ExecuteIdentifierStatement()
{
    if (TryStoreLocalElement() || TryStoreLocalScalar())
        return;
    std::string name = *TokenNamePtr;
    int32_t atom = TokenAtom;
    Args->Clear();
    NextToken();
    if (TokenKind != tkColon) {
        BackToken();
        TokenValueIsName = true;
        Args->ValueContext = false;
        ReadDesignator(nullptr, 0, ResultValue);
        name = TokenValueName();
        atom = TokenValueIsName ? TokenAtom : VlNames().Intern(name);
        NextToken();
    }
    if (TokenKind != tkColon)
        return;
    NextToken();
    if (TokenKind != tkEqual)
        ReportExpected("'='");
    NextToken();
    StoreAssignment(name, atom, *Args);
}

bool TVlInterpreterFunction::AppendEligible(int32_t atom)
{
    const TVlSource *source = Source.get();
    std::vector<uint8_t> *cache = nullptr;
    for (auto &entry : AppendCache)
        if (entry.first == source)
            cache = &entry.second;
    if (!cache) {
        AppendCache.emplace_back(source, std::vector<uint8_t>(source->Tokens.size(), 0));
        cache = &AppendCache.back().second;
    }
    uint8_t &known = (*cache)[static_cast<size_t>(TokIndex)];
    if (known)
        return known == 1;
    known = 2;
    const std::vector<TVlToken> &tokens = source->Tokens;
    size_t i = static_cast<size_t>(TokIndex);
    if (tokens[i].Kind != tkIdentifier || tokens[i].Atom != atom || i + 2 >= tokens.size() ||
        tokens[i + 1].Kind != tkPlus)
        return false;
    int depth = 0;
    for (size_t k = i + 2; k < tokens.size(); ++k) {
        const TVlToken &t = tokens[k];
        if (t.Kind == tkIdentifier && t.Atom == atom)
            return false;
        if (t.Kind == tkIdentifier && Adapter->FindSourceFunctionAtom(0, t.Atom, 0))
            return false;  // a script routine could change the variable first
        if (t.Kind == tkLParen || t.Kind == tkLBracket) {
            ++depth;
        } else if (t.Kind == tkRParen || t.Kind == tkRBracket) {
            if (--depth < 0)
                return false;
        } else if (depth == 0) {
            if (VlEndsStatement(t.Kind) || t.Kind == tkEof) {
                known = k > i + 2 ? 1 : 2;
                return known == 1;
            }
            int32_t priority = OperatorPriority(t.Kind);
            int32_t previous = tokens[k - 1].Kind;
            bool binaryPosition = previous == tkIdentifier || previous == tkInteger || previous == tkFloat ||
                                  previous == tkString || previous == tkTrue || previous == tkFalse ||
                                  previous == tkRParen || previous == tkRBracket;
            bool lowBinary = priority >= 1 && priority <= 4 &&
                             ((t.Kind != tkPlus && t.Kind != tkMinus) || binaryPosition);
            if (lowBinary || t.Kind == tkColon || t.Kind == tkFailure || t.Kind == tkUnknown ||
                t.Kind == tkDotDot || t.Kind == tkQuote || t.Kind >= tkBegin)
                return false;
        }
    }
    return false;
}

bool TVlInterpreterFunction::TryAppendAssignment(int32_t atom)
{
    if (TokenKind != tkIdentifier || TokenAtom != atom || TokenBacked || !LocalsReadFirst)
        return false;
    TVlInterpreterVar *var = nullptr;
    if (TRoutineFrame *frame = CurrentFrame())
        var = frame->Vars.LookupAtom(0, atom);
    else if (!Adapter->HasPlainName(atom))
        var = Adapter->FindSourceVariable(0, atom);
    if (!var || !var->Value.IsString() ||
        !(var->DeclaredKind == 0 || var->DeclaredKind == varVariant || var->DeclaredKind == var->Value.Kind()))
        return false;
    if (!AppendEligible(atom))
        return false;
    // x := x + tail: the tail is read exactly as the right operand of "+" would be.
    int16_t saved = StackTop;
    try {
        NextToken();  // "+"
        Push(TVlValue());
        TVlValue tail = Operator(tkPlus);
        if (tail.IsString() && var->Value.IsString()) {
            var->Value.AppendString(tail.RawString());
        } else {
            TVlValue sum = ApplyBinary(tkPlus, var->Value, tail);
            TVlInterpreterVarList::StoreInto(*var, sum);
        }
    } catch (const EVlVariantError &) {
        StackTop = saved;
        RaiseError(erTypeMismatch, ReaderPos());
    } catch (...) {
        StackTop = saved;
        throw;
    }
    StackTop = saved;
    return true;
}

bool TVlInterpreterFunction::TryEventAssignment(const std::string &name, int32_t atom, TVlInterpreterArgs &target)
{
    const bool bare = !target.Obj && !target.Indexed;
    if ((!bare && target.ObjType != varVlObject) || (!bare && !target.Obj) || TokenKind != tkIdentifier ||
        TokenBacked)
        return false;
    int32_t following = Source->Tokens[static_cast<size_t>(NextIndex)].Kind;
    if ((following >= tkIdentifier && following <= tkColon) || (following >= tkLBracket && following <= 59))
        return false;
    if (bare) {
        // "OnClick := OtherClick" inside a form's method assigns the form's event.
        void *self = ImplicitWriteTarget(atom);
        if (!self)
            return false;
        TVlMemberTarget member(target, self, varVlObject);
        return TryEventAssignment(name, atom, target);
    }
    std::string routine = *TokenNamePtr;
    bool isNil = VlSameName(routine, "nil");
    if (!isNil && !IsScriptRoutine(routine))
        return false;
    PushState();
    try {
        NextToken();
        TVlHostObjectModel &model = Adapter->ObjectModel();
        std::string eventType;
        TVlMethod current;
        if (model.GetMethodProperty(target.Obj, name, eventType, current)) {
            auto release = [this](void *bridge) {
                for (auto it = EventBridges.begin(); it != EventBridges.end(); ++it)
                    if (it->get() == bridge) {
                        ReleaseBridge(it);
                        return;
                    }
            };
            if (isNil) {
                release(current.Data);
                model.SetMethodProperty(target.Obj, name, TVlMethod());
            } else {
                for (auto it = EventBridges.begin(); it != EventBridges.end();) {
                    TVlInterpreterEvent &bridge = **it;
                    if (bridge.Object == target.Obj && VlSameName(bridge.PropertyName, name) &&
                        VlSameName(bridge.UnitName, CurrentUnitName))
                        it = ReleaseBridge(it);
                    else
                        ++it;
                }
                TVlInterpreterProgram *owner = OwningProgram();
                TVlMethod handler = Adapter->NewEvent(CurrentUnitName, routine, eventType, owner, target.Obj, name);
                for (size_t i = 0; i < HostAdapters.size() && handler.IsEmpty(); ++i)
                    handler = HostAdapters[i]->NewEvent(CurrentUnitName, routine, eventType, owner, target.Obj, name);
                if (handler.IsEmpty())
                    handler = Global->NewEvent(CurrentUnitName, routine, eventType, owner, target.Obj, name);
                if (handler.IsEmpty())
                    RaiseError(erEventNotRegistered, -1, eventType);
                EventBridges.emplace_back(static_cast<TVlInterpreterEvent *>(handler.Data));
                model.SetMethodProperty(target.Obj, name, handler);
            }
            DropState();
            return true;
        }
        bool eventProperty = Adapter->IsEventProperty(target.Obj, name);
        for (size_t i = 0; i < HostAdapters.size() && !eventProperty; ++i)
            eventProperty = HostAdapters[i]->IsEventProperty(target.Obj, name);
        if (eventProperty) {
            if (!SetValue(name, VlNames().Intern(name), TVlValue::String(routine), target))
                RaiseError(erUndeclared, TokenStart(), name);
            DropState();
            return true;
        }
    } catch (...) {
        DropState();
        throw;
    }
    PopState();
    return false;
}

void TVlInterpreterFunction::StoreAssignment(const std::string &name, int32_t atom, TVlInterpreterArgs &target)
{
    if (TryEventAssignment(name, atom, target))
        return;
    if (!target.Obj && !target.Indexed && TryAppendAssignment(atom))
        return;
    ResultValue.Clear();
    {
        TVlInterpreterArgs *fresh = AcquireArgs();
        fresh->Clear();
        fresh->ValueContext = true;
        try {
            TArgsScope scope(Args, fresh);
            EvaluateExpression(ResultValue);
        } catch (...) {
            fresh->ValueContext = false;
            ReleaseArgs(fresh);
            throw;
        }
        fresh->ValueContext = false;
        ReleaseArgs(fresh);
    }
    if (target.Indexed) {
        TVlInterpreterArgs *fresh = AcquireArgs();
        fresh->Clear();
        fresh->Obj = target.Obj;
        fresh->ObjType = target.ObjType;
        try {
            TVlValue container;
            bool found = false;
            {
                TArgsScope scope(Args, fresh);
                found = GetValue(name, atom, container, *fresh);
            }
            if (found) {
                if (!SetIndexed(container, ResultValue, target))
                    RaiseError(erArrayRequired, TokenStart());
                if (container.IsString() || container.IsVariantArray()) {
                    fresh->Clear();
                    fresh->Obj = target.Obj;
                    fresh->ObjType = target.ObjType;
                    if (!SetValue(name, atom, container, *fresh))
                        RaiseError(erUndeclared, TokenStart(), name);
                }
            } else if (!SetValue(name, atom, ResultValue, target)) {
                RaiseError(erUndeclared, TokenStart(), name);
            }
        } catch (...) {
            ReleaseArgs(fresh);
            throw;
        }
        ReleaseArgs(fresh);
        return;
    }
    if (!SetValue(name, atom, ResultValue, target))
        RaiseError(erUndeclared, TokenStart(), name);
}

void TVlInterpreterFunction::ExecuteBody()
{
    if (DirectStatements && LocalsReadFirst && TokenKind == tkBegin && FrameCount > 0 && !TokenBacked &&
        TokenBase == Source->Tokens.data() && TokenBase[TokIndex].Kind == tkBegin) {
        if (const TVlDirectStatement *direct = VlDirectStatementAt(*Source, TokIndex)) {
            RunDirect(*direct, true);
            return;
        }
    }
    ExecuteCompound();
}

// begin ... end
void TVlInterpreterFunction::ExecuteCompound()
{
    NextToken();
    for (;;) {
        if (BreakFlag || ContinueFlag || ExitFlag)
            return;
        int32_t kind = TokenKind;
        if (VlStartsStatement(kind)) {
            ExecuteStatement();
        } else if (kind == tkSemicolon) {
            StatementHook();
            NextToken();
        } else if (kind == tkEnd) {
            NextToken();
            return;
        } else if (kind == tkElse || kind == tkDo) {
            ReportExpected(StatementText());
        } else {
            ReportExpected("'end'");
        }
    }
}

// if condition then statement [else statement]
void TVlInterpreterFunction::ExecuteIf()
{
    NextToken();
    TVlValue condition;
    EvaluateTyped(varBoolean, condition);
    if (TokenKind != tkThen)
        ReportExpected("'then'");
    NextToken();
    if (condition.RawInteger() != 0) {
        ExecuteStatement();
        if (TokenKind == tkElse) {
            NextToken();
            SkipStatement();
        }
    } else {
        SkipStatement();
        if (TokenKind == tkElse) {
            NextToken();
            ExecuteStatement();
        }
    }
}

// while condition do statement
void TVlInterpreterFunction::ExecuteWhile()
{
    PushState();
    int32_t afterWhile = Cursor;
    int32_t afterWhileIndex = NextIndex;
    RunWhilePasses([&] {
        for (;;) {
            CountStep();
            NextToken();
            TVlValue condition;
            EvaluateWithoutAssignment(condition);
            if (condition.Kind() != varBoolean)
                RaiseError(erBooleanRequired, afterWhile);
            if (TokenKind != tkDo)
                ReportExpected("'do'");
            NextToken();
            if (condition.RawInteger() == 0)
                break;
            BreakFlag = false;
            ContinueFlag = false;
            ExecuteStatement();
            if (BreakFlag || ExitFlag)
                break;
            SetReaderToken(afterWhileIndex, afterWhile);
        }
    });
    PopState();
    SkipStatement();
    BreakFlag = false;
    ContinueFlag = false;
}

// repeat statements until condition
void TVlInterpreterFunction::ExecuteRepeat()
{
    int32_t afterRepeat = Cursor;
    int32_t afterRepeatIndex = NextIndex;
    bool leftByFlag = false;
    bool stay = false;  // the statement ended at "until" without a ";"
    for (;;) {
        if (!stay)
            NextToken();
        stay = false;
        int32_t kind = TokenKind;
        if (VlStartsStatement(kind)) {
            BreakFlag = false;
            ContinueFlag = false;
            ExecuteStatement();
            if (BreakFlag || ExitFlag) {
                leftByFlag = true;
                break;
            }
            stay = TokenKind == tkUntil;
        } else if (kind == tkSemicolon) {
            StatementHook();
        } else if (kind == tkElse || kind == tkDo) {
            ReportExpected(StatementText());
        } else if (kind == tkUntil) {
            CountStep();
            NextToken();
            TVlValue condition;
            EvaluateWithoutAssignment(condition);
            if (condition.Kind() != varBoolean)
                RaiseError(erBooleanRequired, ReaderPos());
            if (condition.RawInteger() != 0)
                break;
            SetReaderToken(afterRepeatIndex, afterRepeat);
        } else {
            ReportExpected("'until'");
        }
    }
    if (leftByFlag) {
        SkipStatementsUntil(tkUntil, tkUntil);
        NextToken();
        SkipExpression();
    }
    BreakFlag = false;
    ContinueFlag = false;
}

// for name := start to|downto end do statement
void TVlInterpreterFunction::ExecuteFor()
{
    NextToken();
    if (TokenKind != tkIdentifier)
        ReportExpected(ErrorMessageText(erTextIdentifier));
    std::string name = *TokenNamePtr;
    int32_t atom = TokenAtom;
    NextToken();
    if (TokenKind == tkIn && ExtendedDialect) {
        ExecuteForIn(name, atom);
        return;
    }
    if (TokenKind != tkColon)
        ReportExpected("':'");
    NextToken();
    if (TokenKind != tkEqual)
        ReportExpected("'='");
    NextToken();
    TVlValue first, last;
    int64_t from = 0, to = 0;
    if (ExtendedDialect)
        from = EvaluateOrdinal(first);
    else
        EvaluateTyped(varInteger, first);
    if (TokenKind != tkTo && TokenKind != tkDownto)
        ReportExpected(std::string("'to") + VlOrText + "downto'");
    bool down = TokenKind == tkDownto;
    NextToken();
    if (ExtendedDialect)
        to = EvaluateOrdinal(last);
    else
        EvaluateTyped(varInteger, last);
    if (TokenKind != tkDo)
        ReportExpected("'do'");
    int32_t afterDo = Cursor;
    int32_t afterDoIndex = NextIndex;
    NextToken();
    if (!ExtendedDialect) {
        from = first.RawInteger();
        to = last.RawInteger();
    }
    int64_t step = down ? -1 : 1;
    if (down ? from >= to : to >= from) {
        for (int64_t i = from;; i += step) {
            CountStep();
            Args->Clear();
            TVlValue control = first.Kind() == varInteger ? TVlValue::Integer(static_cast<int32_t>(i))
                                                           : VlOrdinalLike(first, i);
            if (!SetValue(name, atom, control, *Args))
                RaiseError(erUndeclared, TokenStart(), name);
            BreakFlag = false;
            ContinueFlag = false;
            ExecuteStatement();
            SetReaderToken(afterDoIndex, afterDo);
            NextToken();
            if (BreakFlag || ExitFlag || i == to)
                break;
        }
    }
    SkipStatement();
    BreakFlag = false;
    ContinueFlag = false;
}

// case selector of labels: statement; ... [else statement] end
void TVlInterpreterFunction::ExecuteCase()
{
    NextToken();
    TVlValue selectorValue;
    bool extended = ExtendedDialect;
    int64_t selector = 0;
    // The fuller dialect also chooses by a string of other than one character, its labels compared as texts.
    bool textual = false;
    if (extended) {
        int32_t start = TokenStart();
        EvaluateWithoutAssignment(selectorValue);
        textual = !VlOrdinalOf(selectorValue, selector);
        if (textual && !selectorValue.IsString())
            RaiseError(erIntegerRequired, start);
    } else {
        EvaluateTyped(varInteger, selectorValue);
        selector = selectorValue.RawInteger();
    }
    if (TokenKind != tkOf)
        ReportExpected("'of'");
    bool stay = false;
    for (;;) {
        if (!stay)
            NextToken();
        stay = false;
        if (TokenKind == tkIdentifier || TokenKind == tkInteger ||
            (extended && (TokenKind == tkString || TokenKind == tkMinus || TokenKind == tkLParen))) {
            bool matched = false;
            for (;;) {
                TVlValue low, high;
                int64_t from = 0, to = 0;
                if (textual) {
                    if (CaseTextMatches(selectorValue.RawString()))
                        matched = true;
                    if (TokenKind != tkComma)
                        break;
                    NextToken();
                    continue;
                }
                if (extended) {
                    from = to = EvaluateOrdinal(low);
                } else {
                    EvaluateTyped(varInteger, low);
                    from = to = low.RawInteger();
                }
                if (TokenKind == tkDotDot) {
                    NextToken();
                    if (extended) {
                        to = EvaluateOrdinal(high);
                    } else {
                        EvaluateTyped(varInteger, high);
                        to = high.RawInteger();
                    }
                }
                if (from <= selector && selector <= to)
                    matched = true;
                if (TokenKind != tkComma)
                    break;
                NextToken();
            }
            if (TokenKind != tkColon)
                ReportExpected("':'");
            NextToken();
            if (matched) {
                ExecuteStatement();
                if (TokenKind == tkEnd)
                    NextToken();
                else
                    SkipBlock();
                return;
            }
            SkipStatement();
            stay = TokenKind == tkEnd || TokenKind == tkElse;
        } else if (TokenKind == tkEnd) {
            NextToken();
            return;
        } else if (TokenKind == tkElse) {
            NextToken();
            ExecuteStatement();
            if (TokenKind == tkEnd)
                NextToken();
            else
                SkipBlock();
            return;
        } else {
            ReportExpected("'end'");
        }
    }
}

// raise [designator]
void TVlInterpreterFunction::ExecuteRaise()
{
    NextToken();
    switch (TokenKind) {
    case tkEof: case tkSemicolon: case tkBegin: case tkEnd: case tkElse: case tkFinally: case tkExcept:
        RaiseError(erReRaise, TokenStart());
    case tkIdentifier: {
        TVlValue value;
        Args->Clear();
        ReadDesignator(nullptr, 0, value);
        if (value.Kind() == varVlObject && value.RawPointer())
            Adapter->ObjectModel().RaiseObject(value.RawPointer());
        RaiseError(erClassRequired, TokenStart());
    }
    default:
        RaiseError(erClassRequired, TokenStart());
    }
}
