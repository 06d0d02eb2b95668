// Routine frames of the fuller dialect: nested routines reach the frame they are declared in,
// parameters take arrays and records, typed constants keep their values between calls.
#include "VlInterpreter.h"

#include <set>

// The newest active frame of the routine that declares desc.
TVlInterpreterExpression::TRoutineFrame *TVlInterpreterFunction::OuterFrameOf(const TVlInterpreterFunctionDesc &desc)
{
    for (int32_t i = FrameCount - 2; i >= 0; --i) {
        TRoutineFrame *frame = Frames[static_cast<size_t>(i)].get();
        if (frame->Desc && frame->Desc->OwnScope == desc.Scope)
            return frame;
    }
    return nullptr;
}

// What a parameter holds at the start of the call: values of simple declared kinds converted to
// them, arrays and records given by value copied, open arrays seen from index 0.
TVlValue TVlInterpreterFunction::ParameterValue(const TVlInterpreterFunctionDesc &desc, int32_t slot,
                                                const TVlValue &value, TRoutineFrame &frame)
{
    uint16_t kind = desc.ParamTypes[slot];
    bool byReference = (kind & (varByRef | varConstFlag)) != 0;
    if (value.IsScriptArray()) {
        const TVlInterpreterArrayRec &array = *value.RawScriptArray();
        bool rebase = desc.OpenArray[slot] && array.DimCount == 1 && array.LowBounds[0] != 0;
        if (!byReference || rebase) {
            TVlValue copy = VlCopyScriptArray(array, desc.OpenArray[slot]);
            if (rebase && (kind & varByRef))
                frame.Rebased.emplace_back(slot, value);
            return copy;
        }
        return value;
    }
    if (value.IsRecord()) {
        if (byReference)
            return value;
        TVlValue copy;
        AssignComposite(copy, value);
        return copy;
    }
    if (desc.OpenArray[slot] && value.IsVariantArray()) {
        // [1, 2, 3] given for an open array: a zero-based script array of its elements.
        const TVlVariantArray &items = *value.RawVariantArray();
        TVlInterpreterArrayDataType type;
        type.OrdinalIndexes = true;
        type.Dynamic = true;
        type.HighBounds[0] = static_cast<int32_t>(items.Items.size()) - 1;
        TVlValue array = NewScriptArray(type);
        array.RawScriptArray()->Items = items.Items;
        return array;
    }
    uint16_t plain = kind & varKindMask;
    if (plain != 0 && plain != varVariant && plain != value.Kind() && !value.IsEmpty())
        return ConvertToKind(value, plain);
    return value;
}

// var open-array parameters that saw a copy from index 0: the elements go back into the caller's
// array, which is what the caller receives back.
void TVlInterpreterFunction::ReturnRebasedArrays(TRoutineFrame &frame, TVlInterpreterArgs &caller)
{
    for (auto &[slot, original] : frame.Rebased) {
        if (slot >= caller.Count || !caller.Values[slot].IsScriptArray())
            continue;
        const TVlInterpreterArrayRec &seen = *caller.Values[slot].RawScriptArray();
        TVlInterpreterArrayRec &target = *original.RawScriptArray();
        for (size_t i = 0; i < seen.Items.size() && i < target.Items.size(); ++i)
            target.Items[i] = seen.Items[i];
        caller.Values[slot] = original;
    }
}

void TVlInterpreterFunction::KeepStatics(TRoutineFrame &frame)
{
    for (const auto &[atom, slot] : frame.Statics)
        if (TVlInterpreterVar *var = frame.Vars.LookupAtom(0, atom))
            StaticValues[static_cast<size_t>(slot)] = var->Value;
    frame.Statics.clear();
}

int32_t TVlInterpreterFunction::StaticSlot(int32_t nameToken, bool &fresh)
{
    std::pair<const TVlSource *, int32_t> key{Source.get(), nameToken};
    for (const auto &entry : StaticSlots)
        if (entry.first == key) {
            fresh = false;
            return entry.second;
        }
    fresh = true;
    StaticValues.emplace_back();
    StaticSlots.emplace_back(key, static_cast<int32_t>(StaticValues.size()) - 1);
    return StaticSlots.back().second;
}

// procedure|function heading ; [forward ;] | [declarations] begin ... end ; — read over while a
// routine runs (its nested routines were registered when it was declared).
void TVlInterpreterFunction::SkipRoutineDeclaration()
{
    static const int32_t forwardAtom = VlNames().Intern("forward");
    int depth = 0;
    for (;;) {
        NextToken();
        if (TokenKind == tkEof)
            ReportExpected("'end'");
        if (TokenKind == tkLParen)
            ++depth;
        else if (TokenKind == tkRParen)
            --depth;
        else if (TokenKind == tkSemicolon && depth <= 0)
            break;
    }
    NextToken();
    if (TokenKind == tkIdentifier && TokenAtom == forwardAtom) {
        NextToken();
        NextToken();
        return;
    }
    for (;;) {
        if (TokenKind == tkBegin)
            break;
        if (TokenKind == tkEof)
            ReportExpected("'end'");
        if (TokenKind == tkProcedure || TokenKind == tkFunction) {
            SkipRoutineDeclaration();
            continue;
        }
        NextToken();
    }
    SkipBlock();
    if (TokenKind != tkSemicolon)
        ReportExpected("';'");
    NextToken();
}

// The variable a name reads where the script runs now: a local, a local of an enclosing routine,
// a global.
TVlInterpreterVar *TVlInterpreterExpression::VisibleVariable(int32_t atom)
{
    for (TRoutineFrame *frame = CurrentFrame(); frame; frame = frame->Outer)
        if (TVlInterpreterVar *var = frame->Vars.LookupAtom(0, atom))
            return var;
    return Adapter->FindSourceVariable(0, atom);
}

std::string TVlInterpreterExpression::VariableTypeName(const std::string &name)
{
    int32_t atom = VlNames().Find(name);
    TVlInterpreterVar *var = atom ? VisibleVariable(atom) : nullptr;
    return var ? var->TypeName : std::string();
}

bool TVlInterpreterExpression::ArgumentsAreConstant()
{
    static const std::set<int32_t> folded = [] {
        std::set<int32_t> atoms;
        for (const char *name : {"Abs", "Sqr", "Sqrt", "Sin", "Cos", "Exp", "Ln", "ArcTan", "Frac", "Int", "Pi",
                                 "Round", "Trunc"})
            atoms.insert(VlNames().Intern(name));
        return atoms;
    }();
    if (TokenBacked || TokIndex < 1 || TokenBase[TokIndex - 1].Kind != tkRParen)
        return false;
    int depth = 0;
    for (int32_t i = TokIndex - 1; i >= 0; --i) {
        const TVlToken &token = TokenBase[i];
        switch (token.Kind) {
        case tkRParen: ++depth; break;
        case tkLParen:
            if (--depth == 0)
                return true;
            break;
        case tkInteger: case tkFloat: case tkPlus: case tkMinus: case tkMul: case tkSlash: case tkDiv: case tkMod:
            break;
        case tkIdentifier:
            if (folded.count(token.Atom))
                break;
            if (TVlInterpreterVar *var = VisibleVariable(token.Atom); var && var->TypeName.empty() && !var->DeclaredKind)
                break;  // a constant declared without a type
            return false;
        default:
            return false;
        }
    }
    return false;
}
