// Arguments that name an element of a script variable ("a[i + 1]", "s[3]") and the write-back of
// a by-reference parameter into that element.
#include "VlInterpreter.h"

#include "VlInterpreterTypes.h"

bool TVlInterpreterExpression::ReadElementArgument(TVlInterpreterArgs &call, int32_t slot, TVlValue &value)
{
    if (TokenBacked || TokenKind != tkIdentifier || TokenBase[NextIndex].Kind != tkLBracket)
        return false;
    int32_t close = Source->Match[static_cast<size_t>(NextIndex)];
    if (close < 0 || static_cast<size_t>(close) + 1 >= Source->Tokens.size())
        return false;
    int32_t after = TokenBase[close + 1].Kind;
    if (after != tkComma && after != tkRParen)
        return false;
    // The variable the name reads: a local of the innermost frame, else a global script variable
    // that no registered plain name hides.
    int32_t atom = TokenAtom;
    auto variable = [this, atom]() -> TVlInterpreterVar * {
        if (TRoutineFrame *frame = CurrentFrame())
            if (TVlInterpreterVar *local = frame->Vars.LookupAtom(0, atom))
                return local;
        return Adapter->HasPlainName(atom) ? nullptr : Adapter->FindSourceVariable(0, atom);
    };
    TVlInterpreterVar *var = variable();
    if (!var || !(var->Value.IsScriptArray() || var->Value.IsString() || var->Value.IsVariantArray()))
        return false;

    // 1. Read the indexes once, in order, as the general path would.
    TVlElementArg element;
    element.Slot = slot;
    NextToken();  // "["
    for (;;) {
        NextToken();
        if (element.Indexes.size() >= static_cast<size_t>(VlMaxArgs))
            RaiseError(erTooManyParams, TokenStart());
        TVlValue index;
        EvaluateExpression(index);
        element.Indexes.push_back(std::move(index));
        if (TokenKind == tkComma)
            continue;
        if (TokenKind != tkRBracket)
            ReportExpected("']'");
        break;
    }
    NextToken();

    // 2. Take the element of the variable's value after the indexes were read.
    TVlInterpreterArgs *request = AcquireArgs();
    request->Clear();
    try {
        for (const TVlValue &index : element.Indexes)
            request->Values[request->Count++] = index;
        var = variable();
        TVlValue container = var ? var->Value : TVlValue();
        if (!GetElement(container, value, *request))
            RaiseError(erArrayRequired, TokenStart());
    } catch (...) {
        ReleaseArgs(request);
        throw;
    }
    ReleaseArgs(request);
    call.ElementArgs.push_back(std::move(element));
    return true;
}

void TVlInterpreterExpression::StoreElementArgument(const TVlElementArg &element, const std::string &name,
                                                    int32_t atom, const TVlValue &value)
{
    // The same steps as "name[indexes] := value", with the indexes the caller read.
    TVlInterpreterArgs *request = AcquireArgs();
    request->Clear();
    try {
        TVlValue container;
        if (!GetValue(name, atom, container, *request))
            RaiseError(erUndeclared, TokenStart(), name);
        request->Clear();
        for (const TVlValue &index : element.Indexes)
            request->Values[request->Count++] = index;
        request->Indexed = true;
        if (!SetElement(container, value, *request))
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
