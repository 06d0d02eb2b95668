// Declarations of the fuller dialect read by units: several types per type word, nested and
// forward routines, parameters of array and record types, names of the running function and types.
#include "VlInterpreter.h"

// Inside a routine: type sections, and nested routines (registered when the routine was read).
bool TVlInterpreterUnit::ReadLocalDeclaration()
{
    switch (TokenKind) {
    case tkType:
        ReadTypeSection();
        NextToken();
        return true;
    case tkProcedure: case tkFunction:
        SkipRoutineDeclaration();
        return true;
    default:
        return false;
    }
}

// Whether another "name =" follows the type declaration just read.
bool TVlInterpreterUnit::MoreTypes()
{
    NextToken();
    bool more = TokenKind == tkIdentifier && TokenBase[NextIndex].Kind == tkEqual;
    BackToken();
    return more;
}

// name = type ; for every type but classes, at the type's first token.
void TVlInterpreterUnit::ReadExtendedType(const std::string &name)
{
    if (TokenKind == tkRecord) {
        ReadRecordBody(name);
    } else {
        std::string typeName;
        Adapter->AddDeclaredType(name, ReadExtendedDataType(typeName));
    }
    NextToken();
    if (TokenKind != tkSemicolon)
        ReportExpected("';'");
}

// forward ; after a heading: the routine is registered where its body is given.
bool TVlInterpreterUnit::ReadForward()
{
    static const int32_t forwardAtom = VlNames().Intern("forward");
    if (TokenKind != tkIdentifier || TokenAtom != forwardAtom)
        return false;
    NextToken();
    return true;
}

// The declarations of a routine up to its "begin": routines declared there are registered in
// the routine's own scope.
void TVlInterpreterUnit::ReadNestedRoutines(TVlInterpreterFunctionDesc &desc)
{
    desc.OwnScope = ++ScopeCount;
    int32_t saved = RoutineScope;
    RoutineScope = desc.OwnScope;
    try {
        for (;;) {
            if (TokenKind == tkBegin)
                break;
            if (TokenKind == tkEof)
                ReportExpected("'end'");
            if (TokenKind == tkProcedure || TokenKind == tkFunction) {
                ReadRoutine();
                if (TokenKind != tkSemicolon)
                    ReportExpected("';'");
            }
            NextToken();
        }
    } catch (...) {
        RoutineScope = saved;
        throw;
    }
    RoutineScope = saved;
}

// Whether the tokens first..last assign to the name (name := ...).
bool TVlInterpreterUnit::AssignsName(int32_t first, int32_t last, const std::string &name) const
{
    int32_t atom = VlNames().Find(name);
    for (int32_t i = first; i + 2 <= last; ++i)
        if (TokenBase[i].Kind == tkIdentifier && TokenBase[i].Atom == atom && TokenBase[i + 1].Kind == tkColon &&
            TokenBase[i + 2].Kind == tkEqual)
            return true;
    return false;
}

// Parameters of array, record and open array types take those values whole.
void TVlInterpreterUnit::MarkCompositeParameters(TVlInterpreterFunctionDesc &desc, int32_t first, bool openArray,
                                                 const std::string &typeName)
{
    bool composite = openArray || Adapter->FindRecordType(typeName) || Global->FindRecordType(typeName);
    if (TVlDataTypePtr declared = Adapter->FindDeclaredType(VlNames().Intern(typeName)))
        composite = composite || declared->KindCode() == varVlArray ||
                    std::dynamic_pointer_cast<const TVlInterpreterRecordDataType>(declared) != nullptr;
    for (int32_t i = first; i <= desc.ParamCount && i < VlMaxArgs; ++i) {
        desc.TakesComposite[i] = composite;
        desc.OpenArray[i] = openArray;
    }
}

uint16_t TVlInterpreterUnit::ParameterKind(const std::string &typeName)
{
    if (TVlDataTypePtr declared = Adapter->FindDeclaredType(VlNames().Intern(typeName))) {
        uint16_t kind = declared->KindCode();
        return kind == varVlArray ? 0 : kind;
    }
    return VlExtendedKindOfTypeName(typeName);
}

// A routine declared in the running routine or in one it is declared in.
const TVlInterpreterFunctionDesc *TVlInterpreterUnit::FindNestedRoutine(int32_t atom)
{
    for (TRoutineFrame *frame = CurrentFrame(); frame; frame = frame->Outer)
        if (frame->Desc && frame->Desc->OwnScope)
            if (const TVlInterpreterFunctionDesc *desc = Adapter->FindScopedFunction(atom, frame->Desc->OwnScope))
                return desc;
    return nullptr;
}

// The bare name of a running function reads its result (a call is written F()); functions without
// parameters that never assign to their name keep calling themselves.
bool TVlInterpreterUnit::ReadOwnResult(const TVlInterpreterFunctionDesc &desc, TVlValue &result,
                                       TVlInterpreterArgs &args)
{
    if (args.Parenthesized || args.Count || args.Indexed || desc.ResultType == 0 ||
        (desc.ParamCount == 0 && !desc.AssignsOwnName))
        return false;
    static const int32_t resultAtom = VlNames().Intern("Result");
    for (TRoutineFrame *frame = CurrentFrame(); frame; frame = frame->Outer)
        if (frame->Desc == &desc && frame->HasResult)
            if (TVlInterpreterVar *var = frame->Vars.LookupAtom(0, resultAtom)) {
                result = var->Value;
                return true;
            }
    return false;
}

// Names resolved after the script's own routines: the standard routines of the fallback
// adapters, then type names (Low(TColor), TColor(2), Char(65)).
bool TVlInterpreterUnit::ReadDialectName(const std::string &name, int32_t atom, TVlValue &result,
                                         TVlInterpreterArgs &args)
{
    for (const auto &adapter : FallbackAdapters)
        if (adapter->GetValue(this, name, atom, result, args))
            return true;
    TVlDataTypePtr type = FindTypeName(atom, name);
    if (!type)
        return false;
    if (args.Count == 0) {
        result = TVlValue::Pointer(varVlType, const_cast<IVlInterpreterDataType *>(type.get()));
        return true;
    }
    if (args.Count > 1)
        RaiseError(erTooManyParams, -1);
    const TVlValue &source = args.Values[0];
    if (auto ordinal = std::dynamic_pointer_cast<const TVlInterpreterOrdinalDataType>(type)) {
        int64_t n = 0;
        if (!VlOrdinalOf(source, n))
            n = ValueToInt64(source);
        result = ordinal->ValueOf(n);
    } else {
        result = ConvertToKind(source, type->KindCode());
    }
    return true;
}
