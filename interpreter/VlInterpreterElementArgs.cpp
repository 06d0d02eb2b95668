// Arguments that name an element of a script variable ("a[i + 1]", "s[3]") and the write-back of
// a by-reference parameter into that element.
#include "VlInterpreter.h"

#include "VlInterpreterTypes.h"

bool TVlInterpreterExpression::ReadElementArgument(TVlInterpreterArgs &call, int32_t slot, TVlValue &value)
{
    if (TokenBacked || !LocalsReadFirst || TokenKind != tkIdentifier || TokenBase[NextIndex].Kind != tkLBracket)
        return false;
    int32_t close = Source->Match[static_cast<size_t>(NextIndex)];
    if (close < 0 || static_cast<size_t>(close) + 1 >= Source->Tokens.size())
        return false;
    int32_t after = TokenBase[close + 1].Kind;
    if (after != tkComma && after != tkRParen)
        return false;
    // The variable the name reads: a local of the innermost frame, else a global script variable
    // that no registered plain name hides. Reading the indexes declares nothing in either place,
    // so the variable stays where it is.
    int32_t atom = TokenAtom;
    TVlInterpreterVar *var = nullptr;
    if (TRoutineFrame *frame = CurrentFrame())
        var = frame->Vars.LookupAtom(0, atom);
    if (!var && !Adapter->HasPlainName(atom))
        var = Adapter->FindSourceVariable(0, atom);
    if (!var || !(var->Value.IsScriptArray() || var->Value.IsString() || var->Value.IsVariantArray()))
        return false;

    // 1. Read the indexes once, in order, as the general path would.
    TVlElementArg element;
    element.Slot = slot;
    element.First = static_cast<int32_t>(call.ElementIndexes.size());
    NextToken();  // "["
    TVlValue index;
    for (;;) {
        NextToken();
        if (element.Count >= VlMaxArgs)
            RaiseError(erTooManyParams, TokenStart());
        if (FrameCount == 0 || TokenBacked || !EvaluateQuick(index))  // quick forms read locals
            EvaluateExpression(index);
        call.ElementIndexes.push_back(index);
        ++element.Count;
        if (TokenKind == tkComma)
            continue;
        if (TokenKind != tkRBracket)
            ReportExpected("']'");
        break;
    }
    NextToken();

    // 2. Take the element of the variable's value as it is after the indexes were read.
    const TVlValue &container = var->Value;
    const TVlValue *indexes = call.ElementIndexes.data() + element.First;
    if (container.IsScriptArray() && element.Count == container.RawScriptArray()->DimCount && element.Count <= 10) {
        int32_t positions[10];
        const TVlInterpreterArrayRec &rec = *container.RawScriptArray();
        for (int32_t i = 0; i < element.Count; ++i)
            positions[i] = VlIndexOf(indexes[i], rec.OrdinalIndexes);
        value = rec.Items[ScriptArrayPosition(rec, positions, element.Count)];
    } else {
        TVlInterpreterArgs *request = AcquireArgs();
        request->Clear();
        try {
            for (int32_t i = 0; i < element.Count; ++i)
                request->Values[request->Count++] = indexes[i];
            if (!GetIndexed(container, value, *request))  // a[i, j] of an array of arrays too
                RaiseError(erArrayRequired, TokenStart());
        } catch (...) {
            ReleaseArgs(request);
            throw;
        }
        ReleaseArgs(request);
    }
    call.ElementArgs.push_back(element);
    return true;
}

void TVlInterpreterExpression::StoreElementArgument(const TVlInterpreterArgs &call, const TVlElementArg &element,
                                                    const std::string &name, int32_t atom, const TVlValue &value)
{
    // The same steps as "name[indexes] := value", with the indexes the caller read.
    TVlInterpreterArgs *request = AcquireArgs();
    request->Clear();
    try {
        TVlValue container;
        if (!GetValue(name, atom, container, *request))
            RaiseError(erUndeclared, TokenStart(), name);
        request->Clear();
        for (int32_t i = 0; i < element.Count; ++i)
            request->Values[request->Count++] = call.ElementIndexes[static_cast<size_t>(element.First + i)];
        request->Indexed = true;
        if (!SetIndexed(container, value, *request, 0))
            RaiseError(erArrayRequired, TokenStart());
        if (container.IsString() || container.IsVariantArray()) {
            for (int i = 0; i < request->Count; ++i)
                request->Values[i].Clear();
            request->Clear();
            if (!SetValue(name, atom, container, *request))
                RaiseError(erUndeclared, TokenStart(), name);
        }
    } catch (...) {
        ReleaseArgs(request);
        throw;
    }
    ReleaseArgs(request);
}
