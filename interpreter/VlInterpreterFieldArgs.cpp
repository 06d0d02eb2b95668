// Arguments that name a field of a record ("r.count", "a[i].total") or an element of an array field
// ("r.marks[i]") in the fuller dialect, and the write-back of a by-reference parameter into it.
#include "VlInterpreter.h"

bool TVlInterpreterExpression::ReadFieldArgument(TVlInterpreterArgs &call, int32_t slot, TVlValue &value,
                                                 bool formats)
{
    if (TokenBacked || TokenKind != tkIdentifier)
        return false;
    // The shape: a name, index lists and members, the last of them a member or index lists after
    // a member, then "," or ")".
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
    if (lastMember < 0 || (TokenBase[i].Kind != tkComma && TokenBase[i].Kind != tkRParen))
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

// Indexes are read before the list they belong to is applied, so the last array indexed while the
// argument is read is the one its outermost list applies to.
void TVlInterpreterExpression::CaptureIndexedField(const TVlValue &container, const TVlInterpreterArgs &indexes)
{
    if (container.IsScriptArray()) {
        FieldCapture->Container = container;
        FieldCapture->Indexes.assign(indexes.Values, indexes.Values + indexes.Count);
    } else {
        FieldCapture->Container.Clear();
    }
}

void TVlInterpreterExpression::StoreFieldArgument(const TVlFieldArg &field, const TVlValue &value)
{
    TVlInterpreterArgs *store = AcquireArgs();
    store->Clear();
    try {
        if (field.Container.IsScriptArray()) {
            // The array is the field's own storage: the element is changed in place.
            for (const TVlValue &index : field.Indexes)
                store->Values[store->Count++] = index;
            store->Indexed = true;
            TVlValue container = field.Container;
            if (!SetIndexed(container, value, *store, 0))
                RaiseError(erArrayRequired, TokenStart());
            ReleaseArgs(store);
            return;
        }
        store->Obj = field.Record.RawRecord();
        store->ObjType = varVlRecord;
        if (!TVlInterpreterExpression::SetValue(field.Name, field.Atom, value, *store))
            RaiseError(erUndeclared, TokenStart(), field.Name);
    } catch (...) {
        ReleaseArgs(store);
        throw;
    }
    ReleaseArgs(store);
}
