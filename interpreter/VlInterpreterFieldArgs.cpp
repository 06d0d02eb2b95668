// Arguments that name a field of a record ("r.count", "a[i].total") in the fuller dialect, and
// the write-back of a by-reference parameter into that field.
#include "VlInterpreter.h"

bool TVlInterpreterExpression::ReadFieldArgument(TVlInterpreterArgs &call, int32_t slot, TVlValue &value,
                                                 bool formats)
{
    if (TokenBacked || TokenKind != tkIdentifier)
        return false;
    // The shape: a name, index lists and members, the last of them a member, then "," or ")".
    int32_t i = TokIndex + 1, lastMember = -1;
    for (;;) {
        if (TokenBase[i].Kind == tkLBracket && Source->Match[static_cast<size_t>(i)] > i) {
            i = Source->Match[static_cast<size_t>(i)] + 1;
        } else if (TokenBase[i].Kind == tkDot && TokenBase[i + 1].Kind == tkIdentifier) {
            lastMember = i + 1;
            i += 2;
        } else {
            break;
        }
    }
    if (lastMember != i - 1 || (TokenBase[i].Kind != tkComma && TokenBase[i].Kind != tkRParen))
        return false;
    // Read as any argument; the record of the last member read is the field's.
    TVlFieldArg field;
    field.Slot = slot;
    TVlFieldArg *saved = FieldCapture;
    FieldCapture = &field;
    try {
        if (formats)
            EvaluateWithoutAssignment(value);
        else
            EvaluateExpression(value);
    } catch (...) {
        FieldCapture = saved;
        throw;
    }
    FieldCapture = saved;
    if (field.Record.IsRecord())
        call.FieldArgs.push_back(std::move(field));
    return true;
}

void TVlInterpreterExpression::StoreFieldArgument(const TVlFieldArg &field, const TVlValue &value)
{
    TVlInterpreterArgs *store = AcquireArgs();
    store->Clear();
    store->Obj = field.Record.RawRecord();
    store->ObjType = varVlRecord;
    try {
        if (!TVlInterpreterExpression::SetValue(field.Name, field.Atom, value, *store))
            RaiseError(erUndeclared, TokenStart(), field.Name);
    } catch (...) {
        ReleaseArgs(store);
        throw;
    }
    ReleaseArgs(store);
}
