// TVlInterpreterFunction: statements, routine frames and local declarations.
#include "VlInterpreter.h"

#include "VlInterpreterOperations.h"

#include <algorithm>


void TVlInterpreterFunction::StopRun()
{
    StopRequested = false;
    RaiseError(erUserBreak, -1);
}

void TVlInterpreterFunction::ResetState()
{
    TVlInterpreterExpression::ResetState();
    BreakFlag = false;
    ContinueFlag = false;
    while (FrameCount > 0)
        Frames[--FrameCount]->Vars.Clear();
    StateStack.clear();
    CurrentUnitName.clear();
    CurrentInstance = nullptr;
    WithTargets.clear();
    StaticValues.clear();
    StaticSlots.clear();
    EnumTypes.clear();
    EnumTypeSlots.clear();
    AppendCache.clear();
    EventBridges.clear();
}

void TVlInterpreterFunction::Execute()
{
    TEntryGuard entry(*this);
    ResetState();
    NextToken();
    RunRoutineBody(nullptr);
}

bool TVlInterpreterFunction::GetValue(const std::string &name, int32_t atom, TVlValue &result,
                                      TVlInterpreterArgs &args)
{
    if (TRoutineFrame *frame = CurrentFrame()) {
        TVlInterpreterVar *var = nullptr;
        if (!args.Obj) {
            var = frame->Vars.LookupAtom(0, atom ? atom : VlNames().Intern(name));
        } else if (args.ObjType == varVlObject) {
            if (TVlInterpreterSrcUnit *unit = TVlInterpreterAdapter::AsUnitQualifier(args.Obj))
                var = frame->Vars.LookupAtom(unit->NameAtom, atom ? atom : VlNames().Intern(name));
        }
        if (var) {
            result = var->Value;
            return true;
        }
        if (!args.Obj && (frame->Outer || !WithTargets.empty()) && ReadOuterName(name, atom, result, args))
            return true;
    } else if (!WithTargets.empty() && !args.Obj && ReadWithField(name, atom, result, args)) {
        return true;
    }
    return TVlInterpreterExpression::GetValue(name, atom, result, args);
}

// The locals of the running routine and what the fuller dialect shows beside them.
bool TVlInterpreterFunction::ReadScopeName(const std::string &name, int32_t atom, TVlValue &result,
                                           TVlInterpreterArgs &args)
{
    TRoutineFrame *frame = CurrentFrame();
    if (frame) {
        if (TVlInterpreterVar *var = frame->Vars.LookupAtom(0, atom)) {
            result = var->Value;
            return true;
        }
        return (frame->Outer || !WithTargets.empty()) && ReadOuterName(name, atom, result, args);
    }
    return !WithTargets.empty() && ReadWithField(name, atom, result, args);
}

// Names of the fuller dialect that come after the current frame's locals: fields of "with"
// records, then the locals of the routines the running one is declared in.
bool TVlInterpreterFunction::ReadOuterName(const std::string &name, int32_t atom, TVlValue &result,
                                           TVlInterpreterArgs &args)
{
    if (!WithTargets.empty() && ReadWithField(name, atom, result, args))
        return true;
    if (!atom)
        atom = VlNames().Intern(name);
    for (TRoutineFrame *outer = CurrentFrame()->Outer; outer; outer = outer->Outer)
        if (TVlInterpreterVar *var = outer->Vars.LookupAtom(0, atom)) {
            result = var->Value;
            return true;
        }
    return false;
}

bool TVlInterpreterFunction::WriteOuterName(const std::string &name, int32_t atom, const TVlValue &value,
                                            TVlInterpreterArgs &args)
{
    if (!WithTargets.empty() && WriteWithField(name, atom, value, args))
        return true;
    if (!atom)
        atom = VlNames().Intern(name);
    TRoutineFrame *frame = CurrentFrame();
    for (TRoutineFrame *outer = frame ? frame->Outer : nullptr; outer; outer = outer->Outer)
        if (TVlInterpreterVar *var = outer->Vars.LookupAtom(0, atom)) {
            TVlInterpreterVarList::StoreInto(*var, value);
            return true;
        }
    return false;
}

// name := value where name is the running function (or one it is declared in): its result.
bool TVlInterpreterFunction::WriteFunctionResult(int32_t atom, const TVlValue &value)
{
    static const int32_t resultAtom = VlNames().Intern("Result");
    for (TRoutineFrame *frame = CurrentFrame(); frame; frame = frame->Outer) {
        if (frame->Desc && frame->HasResult && VlNames().Find(frame->Desc->Identifier) == atom) {
            if (TVlInterpreterVar *result = frame->Vars.LookupAtom(0, resultAtom)) {
                TVlInterpreterVarList::StoreInto(*result, value);
                return true;
            }
        }
    }
    return false;
}

bool TVlInterpreterFunction::SetValue(const std::string &name, int32_t atom, const TVlValue &value,
                                      TVlInterpreterArgs &args)
{
    if (TRoutineFrame *frame = CurrentFrame(); frame && !args.Obj) {
        if (TVlInterpreterVar *var = frame->Vars.LookupAtom(0, atom ? atom : VlNames().Intern(name))) {
            try {
                TVlInterpreterVarList::StoreInto(*var, value);
            } catch (...) {
                RecordFailure(std::current_exception(), frame->Desc ? frame->Desc->UnitName : std::string());
                throw;
            }
            return true;
        }
    }
    if (ExtendedDialect && !args.Obj && !args.Indexed) {
        if ((CurrentFrame() && CurrentFrame()->Outer) || !WithTargets.empty())
            if (WriteOuterName(name, atom, value, args))
                return true;
        if (TVlInterpreterExpression::SetValue(name, atom, value, args))
            return true;
        return WriteFunctionResult(atom ? atom : VlNames().Intern(name), value) ||
               WriteFallbackName(name, atom, value, args);
    }
    return TVlInterpreterExpression::SetValue(name, atom, value, args);
}

// ---- routine frames -----------------------------------------------------------------------

void TVlInterpreterFunction::DeclareLocal(const std::string &unitName, const std::string &name, const TVlValue &value,
                                          uint16_t kind, const std::string &typeName)
{
    CurrentFrame()->Vars.DeclareVar(unitName, name, value, kind, typeName);
}

void TVlInterpreterFunction::EnterFrame(const TVlInterpreterFunctionDesc *desc)
{
    if (FrameCount == static_cast<int32_t>(Frames.size()))
        Frames.push_back(std::make_unique<TRoutineFrame>());
    TRoutineFrame &frame = *Frames[static_cast<size_t>(FrameCount++)];
    frame.Vars.Clear();
    frame.Desc = desc;
    frame.CallerArgs = Args;
    frame.Outer = desc && desc->Scope ? OuterFrameOf(*desc) : nullptr;
    ResultValue.Clear();
    TVlInterpreterArgs &caller = *Args;
    static const std::string resultName = "Result";
    static const std::string noUnit;
    static const int32_t resultAtom = VlNames().Intern(resultName);
    if (desc) {
        caller.HasVarArgs = false;
        std::copy(desc->ParamTypes, desc->ParamTypes + VlMaxArgs, caller.Types);
        for (int32_t i = 0; i < desc->ParamCount; ++i) {
            uint16_t kind = desc->ParamTypes[i];
            const TVlValue &value = i < caller.Count ? caller.Values[i] : ConvertToKind(TVlValue(), kind);
            int32_t atom = desc->ParamAtoms[i] ? desc->ParamAtoms[i] : VlNames().Intern(desc->ParamNames[i]);
            if (ExtendedDialect && i < caller.Count)
                frame.Vars.DeclareAtom(0, atom, noUnit, desc->ParamNames[i], ParameterValue(*desc, i, value, frame),
                                       kind, desc->ParamTypeNames[i]);
            else
                frame.Vars.DeclareAtom(0, atom, noUnit, desc->ParamNames[i], value, kind, desc->ParamTypeNames[i]);
            if (kind & varByRef)
                caller.HasVarArgs = true;
        }
        frame.HasResult = desc->ResultType != 0;
        if (frame.HasResult) {
            TVlValue initial;
            if (desc->ResultDataType)
                desc->ResultDataType->InitValue(initial);
            else
                initial = ConvertToKind(TVlValue(), desc->ResultType, true);
            frame.Vars.DeclareAtom(0, resultAtom, noUnit, resultName, initial, desc->ResultType,
                                   desc->ResultTypeName);
        }
    } else {
        frame.HasResult = true;
        frame.Vars.DeclareAtom(0, resultAtom, noUnit, resultName, TVlValue::Null(), varVariant, noUnit);
    }
    TVlInterpreterArgs *fresh = AcquireArgs();
    fresh->Clear();
    Args = fresh;
}

void TVlInterpreterFunction::LeaveFrame(bool copyBack)
{
    TRoutineFrame &frame = *Frames[static_cast<size_t>(FrameCount - 1)];
    TVlInterpreterArgs *fresh = Args;
    Args = frame.CallerArgs;
    if (fresh != Args && fresh != OwnArgs.get())
        ReleaseArgs(fresh);
    if (copyBack) {
        TVlInterpreterArgs &caller = *Args;
        if (caller.HasVarArgs && frame.Desc) {
            for (int32_t i = 0; i < frame.Desc->ParamCount && i < caller.Count; ++i) {
                if (!(frame.Desc->ParamTypes[i] & varByRef) || frame.Desc->ParamNames[i].empty())
                    continue;
                if (TVlInterpreterVar *var = frame.Vars.LookupAtom(0, frame.Desc->ParamAtoms[i]))
                    caller.Values[i] = var->Value;
            }
        }
        if (frame.HasResult) {
            static const int32_t resultAtom = VlNames().Intern("Result");
            if (TVlInterpreterVar *var = frame.Vars.LookupAtom(0, resultAtom))
                ResultValue = std::move(var->Value);
        }
        if (!frame.Rebased.empty())
            ReturnRebasedArrays(frame, *Args);
    }
    if (!frame.Statics.empty())
        KeepStatics(frame);
    frame.Rebased.clear();
    frame.Vars.Clear();
    --FrameCount;
}

void TVlInterpreterFunction::RunRoutineBody(const TVlInterpreterFunctionDesc *desc)
{
    for (int32_t i = 0; i < Args->Count; ++i)
        if ((Args->Values[i].IsRecord() || Args->Values[i].IsScriptArray()) &&
            !(desc && i < desc->ParamCount && desc->TakesComposite[i] && ExtendedDialect))
            RaiseError(erInternal, -1,
                       "Array and Record types are not allowed as procedure/function parameter" "not implemented");
    CountStep();
    EnterFrame(desc);
    try {
        ExitFlag = false;
        for (;;) {
            if (TokenKind == tkVar) {
                ReadVarSection([this](const std::string &unitName, const std::string &name, const TVlDataTypePtr &,
                                      const TVlValue &value, uint16_t kind, const std::string &typeName) {
                    DeclareLocal(unitName, name, value, kind, typeName);
                });
                NextToken();
            } else if (TokenKind == tkConst) {
                ReadConstSection([this](const std::string &unitName, const std::string &name, const TVlDataTypePtr &,
                                        const TVlValue &value, uint16_t kind, const std::string &typeName) {
                    DeclareLocal(unitName, name, value, kind, typeName);
                });
                NextToken();
            } else if (TokenKind == tkBegin) {
                break;
            } else if (!ExtendedDialect || !ReadLocalDeclaration()) {
                ReportExpected("'begin'");
            }
        }
        ExecuteBody();
        if (!ExitFlag && TokenKind != tkSemicolon)
            ReportExpected("';'");
    } catch (...) {
        RecordFailure(std::current_exception(), desc ? desc->UnitName : std::string());
        LeaveFrame(false);
        ExitFlag = false;
        throw;
    }
    LeaveFrame(true);
    ExitFlag = false;
}

// ---- declarations -------------------------------------------------------------------------

static int32_t ReadBound(TVlInterpreterExpression &reader, std::string text, bool negative)
{
    (void)reader;
    bool valid = !text.empty() && text.size() <= 10 &&
                 std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    long long value = valid ? std::atoll(text.c_str()) : 0;
    if (!valid || value > 2147483647LL)
        throw EVlRuntimeError("EConvertError", "'" + text + "' is not a valid integer value");
    return static_cast<int32_t>(negative ? -value : value);
}

TVlDataTypePtr TVlInterpreterFunction::ReadDataType(std::string &typeName)
{
    if (ExtendedDialect)
        return ReadExtendedDataType(typeName);
    if (TokenKind == tkIdentifier) {
        typeName = *TokenNamePtr;
        std::shared_ptr<const TVlInterpreterRecord> record = Adapter->FindRecordType(typeName);
        if (!record && Global != Adapter.get())
            record = Global->FindRecordType(typeName);
        if (record)
            return std::make_shared<TVlInterpreterRecordDataType>(record);
        return std::make_shared<TVlInterpreterSimpleDataType>(KindOfTypeName(typeName));
    }
    if (TokenKind != tkArray)
        ReportExpected(ErrorMessageText(erTextIdentifier));
    typeName = TokenText();
    auto type = std::make_shared<TVlInterpreterArrayDataType>();
    NextToken();
    if (TokenKind == tkOf) {
        type->DimCount = 1;
        type->LowBounds[0] = 0;
        type->HighBounds[0] = -1;
    } else if (TokenKind == tkLBracket) {
        int32_t dims = 0;
        for (;;) {
            NextToken();
            bool negative = TokenKind == tkMinus;
            if (negative)
                NextToken();
            int32_t low = ReadBound(*this, TokenText(), negative);
            NextToken();
            if (TokenKind != tkDotDot)
                ReportExpected("'..'");
            NextToken();
            negative = TokenKind == tkMinus;
            if (negative)
                NextToken();
            int32_t high = ReadBound(*this, TokenText(), negative);
            if (dims >= 10)
                RaiseError(erInvalidDimension, ReaderPos());
            if (high < low)
                RaiseError(erInvalidRange, ReaderPos());
            type->LowBounds[dims] = low;
            type->HighBounds[dims] = high;
            ++dims;
            NextToken();
            if (TokenKind == tkComma)
                continue;
            if (TokenKind == tkRBracket)
                break;
            ReportExpected("']'");
        }
        type->DimCount = dims;
        NextToken();
        if (TokenKind != tkOf)
            ReportExpected("'of'");
    } else {
        ReportExpected(std::string("'[") + VlOrText + "of'");
    }
    NextToken();
    if (TokenKind != tkIdentifier && TokenKind != tkArray)
        ReportExpected(ErrorMessageText(erTextIdentifier));
    type->ElementKind = TokenKind == tkIdentifier ? KindOfTypeName(*TokenNamePtr) : 0;
    std::string elementName;
    type->ElementType = ReadDataType(elementName);
    return type;
}

void TVlInterpreterFunction::ReadVarSection(const TDeclareFunc &declare)
{
    std::vector<std::string> names;
    do {
        NextToken();
        names.clear();
        for (;;) {
            if (TokenKind != tkIdentifier)
                ReportExpected(ErrorMessageText(erTextIdentifier));
            names.push_back(*TokenNamePtr);
            NextToken();
            if (TokenKind != tkComma)
                break;
            NextToken();
        }
        if (TokenKind != tkColon)
            ReportExpected("':'");
        NextToken();
        std::string typeName;
        TVlDataTypePtr type = ReadDataType(typeName);
        TVlValue initial;
        bool initialised = false;
        if (ExtendedDialect) {
            // var Total: Integer = 0; (looked at without reading on, as the core dialect reads)
            initialised = (TokenBacked ? TokenKind : TokenBase[NextIndex].Kind) == tkEqual && names.size() == 1;
            if (initialised) {
                NextToken();
                NextToken();
                ReadInitializer(type, initial);
                BackToken();
            }
        }
        for (const std::string &name : names) {
            TVlValue value;
            if (initialised)
                value = initial;
            else
                type->InitValue(value);
            declare(CurrentUnitName, name, type, value, type->KindCode(), typeName);
        }
        NextToken();
        if (TokenKind != tkSemicolon)
            ReportExpected("';'");
        NextToken();
        BackToken();
    } while (TokenKind == tkIdentifier);
}

// name : type = value; a typed constant is a variable with an initial value; inside a routine it
// keeps its value from one call to the next.
void TVlInterpreterFunction::ReadTypedConstant(const TDeclareFunc &declare, const std::string &name, int32_t nameToken)
{
    NextToken();
    std::string typeName;
    TVlDataTypePtr type = ReadDataType(typeName);
    NextToken();
    if (TokenKind != tkEqual)
        ReportExpected("'='");
    NextToken();
    TVlValue value;
    ReadInitializer(type, value);
    TRoutineFrame *frame = CurrentFrame();
    if (frame && frame->Desc) {
        bool fresh = false;
        int32_t slot = StaticSlot(nameToken, fresh);
        if (fresh)
            StaticValues[static_cast<size_t>(slot)] = value;
        else
            value = StaticValues[static_cast<size_t>(slot)];
        declare(CurrentUnitName, name, type, value, type->KindCode(), typeName);
        frame->Statics.emplace_back(VlNames().Intern(name), slot);
        return;
    }
    declare(CurrentUnitName, name, type, value, type->KindCode(), typeName);
}

void TVlInterpreterFunction::ReadConstSection(const TDeclareFunc &declare)
{
    do {
        NextToken();
        if (TokenKind != tkIdentifier)
            ReportExpected(ErrorMessageText(erTextIdentifier));
        std::string name = *TokenNamePtr;
        int32_t nameToken = TokIndex;
        NextToken();
        if (TokenKind == tkColon && ExtendedDialect) {
            ReadTypedConstant(declare, name, nameToken);
        } else {
            if (TokenKind != tkEqual)
                ReportExpected("=");
            NextToken();
            TVlValue value;
            EvaluateExpression(value);
            if (ExtendedDialect && value.Kind() == varDouble &&
                static_cast<double>(static_cast<float>(value.RawDouble())) == value.RawDouble())
                value = TVlValue::Single(static_cast<float>(value.RawDouble()));  // as compilers type such constants
            declare(CurrentUnitName, name, std::make_shared<TVlInterpreterSimpleDataType>(value.Kind()), value, 0,
                    std::string());
        }
        if (TokenKind != tkSemicolon)
            ReportExpected("';'");
        NextToken();
        BackToken();
    } while (TokenKind == tkIdentifier);
}
