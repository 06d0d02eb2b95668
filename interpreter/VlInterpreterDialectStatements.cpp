// Statements of the fuller dialect: with, for ... in, exit(value), and ordinal expressions.
#include "VlInterpreter.h"

#include "VlInterpreterOperations.h"

int64_t TVlInterpreterFunction::EvaluateOrdinal(TVlValue &result)
{
    int32_t start = TokenStart();
    EvaluateWithoutAssignment(result);
    int64_t ordinal = 0;
    if (!VlOrdinalOf(result, ordinal))
        RaiseError(erIntegerRequired, start);
    return ordinal;
}

// A case label "text" or "low..high" for a string selector: whether the selector is that text or
// lies between the two.
bool TVlInterpreterFunction::CaseTextMatches(const std::string &selector)
{
    TVlValue low, high;
    EvaluateWithoutAssignment(low);
    std::string from = ValueToString(low);
    if (TokenKind != tkDotDot)
        return selector == from;
    NextToken();
    EvaluateWithoutAssignment(high);
    return from <= selector && selector <= ValueToString(high);
}

// "with" is no reserved word: the name followed by a name starts a with statement
// (AtWithStatement has seen the second name).
bool TVlInterpreterFunction::AtWithWord() const
{
    static const int32_t withAtom = VlNames().Intern("with");
    return TokenKind == tkIdentifier && TokenAtom == withAtom && !TokenBacked;
}

// with record {, record} do statement
void TVlInterpreterFunction::ExecuteWith()
{
    size_t depth = WithTargets.size();
    try {
        NextToken();
        for (;;) {
            int32_t start = TokenStart();
            TVlValue target;
            Args->Clear();
            EvaluateWithoutAssignment(target);
            if (!target.IsRecord())
                RaiseError(erStructRequired, start);
            WithTargets.push_back(std::move(target));
            if (TokenKind == tkComma) {
                NextToken();
                continue;
            }
            if (TokenKind != tkDo)
                ReportExpected("'do'");
            break;
        }
        NextToken();
        ExecuteStatement();
    } catch (...) {
        WithTargets.resize(depth);
        throw;
    }
    WithTargets.resize(depth);
}

namespace {

// The record of a with statement that has a field of that name.
TVlInterpreterRecHolder *WithRecordOf(const std::vector<TVlValue> &targets, const std::string &name)
{
    for (size_t i = targets.size(); i-- > 0;) {
        TVlInterpreterRecHolder *holder = targets[i].RawRecord();
        if (!holder->RecordDesc)
            continue;
        for (const TVlInterpreterRecField &field : holder->RecordDesc->Fields)
            if (VlSameName(field.Identifier, name))
                return holder;
    }
    return nullptr;
}

} // namespace

bool TVlInterpreterFunction::ReadWithField(const std::string &name, int32_t atom, TVlValue &result,
                                           TVlInterpreterArgs &args)
{
    TVlInterpreterRecHolder *holder = WithRecordOf(WithTargets, name);
    if (!holder)
        return false;
    TVlMemberTarget target(args, holder, varVlRecord);
    return TVlInterpreterExpression::GetValue(name, atom, result, args);
}

bool TVlInterpreterFunction::WriteWithField(const std::string &name, int32_t atom, const TVlValue &value,
                                            TVlInterpreterArgs &args)
{
    TVlInterpreterRecHolder *holder = WithRecordOf(WithTargets, name);
    if (!holder)
        return false;
    TVlMemberTarget target(args, holder, varVlRecord);
    return TVlInterpreterExpression::SetValue(name, atom, value, args);
}

// for name in collection do statement: arrays by element, strings by character, sets by member.
void TVlInterpreterFunction::ExecuteForIn(const std::string &name, int32_t atom)
{
    NextToken();
    int32_t start = TokenStart();
    TVlValue collection;
    EvaluateWithoutAssignment(collection);
    if (TokenKind != tkDo)
        ReportExpected("'do'");
    std::vector<TVlValue> items;
    if (collection.IsScriptArray()) {
        items = collection.RawScriptArray()->Items;
    } else if (collection.IsVariantArray()) {
        items = collection.RawVariantArray()->Items;
    } else if (collection.IsString()) {
        for (char c : collection.RawString())
            items.push_back(TVlValue::String(std::string(1, c)));
    } else if (collection.Kind() == varVlWideSet || collection.Kind() == varVlSet) {
        // Members of a set of characters are characters, of a set of an enumeration its members:
        // the control variable's value tells.
        TVlInterpreterVar *control = CurrentFrame() ? CurrentFrame()->Vars.LookupAtom(0, atom) : nullptr;
        if (!control)
            control = Adapter->FindSourceVariable(0, atom);
        TVlValue model = control && control->DeclaredKind == varString ? TVlValue::String(" ")
                         : control ? control->Value : TVlValue();
        for (int32_t e = 0; e < 256; ++e)
            if (VlInSet(TVlValue::Integer(e), collection).RawInteger())
                items.push_back(VlOrdinalLike(model, e));
    } else {
        RaiseError(erArrayRequired, start);
    }
    int32_t afterDo = Cursor;
    int32_t afterDoIndex = NextIndex;
    NextToken();
    for (const TVlValue &item : items) {
        CountStep();
        Args->Clear();
        if (!SetValue(name, atom, item, *Args))
            RaiseError(erUndeclared, TokenStart(), name);
        BreakFlag = false;
        ContinueFlag = false;
        ExecuteStatement();
        SetReaderToken(afterDoIndex, afterDo);
        NextToken();
        if (BreakFlag || ExitFlag)
            break;
    }
    SkipStatement();
    BreakFlag = false;
    ContinueFlag = false;
}

// exit(value): the value becomes the result of the running function.
void TVlInterpreterFunction::ExecuteExitValue()
{
    NextToken();  // "("
    NextToken();
    TVlValue value;
    EvaluateExpression(value);
    if (TokenKind != tkRParen)
        ReportExpected("')'");
    static const int32_t resultAtom = VlNames().Intern("Result");
    TRoutineFrame *frame = CurrentFrame();
    if (frame && frame->HasResult)
        if (TVlInterpreterVar *result = frame->Vars.LookupAtom(0, resultAtom))
            TVlInterpreterVarList::StoreInto(*result, value);
}
