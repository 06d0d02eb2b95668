// TVlInterpreterUnit: reading units and declarations, loading used units, calling routines.
#include "VlInterpreter.h"

void TVlInterpreterUnit::ResetState()
{
    TVlInterpreterFunction::ResetState();
    Adapter->ClearSource();
    Section = 0;
    UsesText.clear();
    RoutineScope = 0;
    ScopeCount = 0;
}

int32_t TVlInterpreterUnit::CurrentUnitAtom()
{
    if (CurrentUnitName != CachedUnitName) {
        CachedUnitName = CurrentUnitName;
        CachedUnitAtom = CurrentUnitName.empty() ? 0 : VlNames().Intern(CurrentUnitName);
    }
    return CachedUnitAtom;
}

void TVlInterpreterUnit::Execute()
{
    TEntryGuard entry(*this);
    ResetState();
    NextToken();
    switch (TokenKind) {
    case tkBegin: case tkVar:
        RunRoutineBody(nullptr);
        break;
    case tkProcedure: case tkFunction:
        ReadRoutine();
        break;
    case tkUnit: {
        try {
            ReadUnit();
        } catch (...) {
            RecordFailure(std::current_exception(), CurrentUnitName);
            throw;
        }
        DeclarationsRead = true;
        const TVlInterpreterFunctionDesc *main = Adapter->FindSourceFunction(CurrentUnitName, "main", std::string());
        if (!main)
            RaiseError(erMainUndefined, -1);
        SetReaderPos(main->BodyStart);
        NextToken();
        RunRoutineBody(main);
        break;
    }
    default:
        EvaluateExpression(ResultValue);
        break;
    }
    DeclarationsRead = true;
}

void TVlInterpreterUnit::PrepareUnit()
{
    TEntryGuard entry(*this);
    ResetState();
    try {
        NextToken();
        if (TokenKind != tkUnit)
            ReportExpected("'unit'");
        ReadUnit();
    } catch (...) {
        RecordFailure(std::current_exception(), CurrentUnitName);
        throw;
    }
    DeclarationsRead = true;
}

void TVlInterpreterUnit::RegisterCurrentUnit()
{
    Adapter->AddSourceUnit(CurrentUnitName, Source->Text, UsesText);
    if (TVlInterpreterSrcUnit *unit = Adapter->FindSourceUnit(CurrentUnitName))
        if (unit->Source == Source->Text)
            unit->Tokens = Source;
}

// unit name ; { declaration } end .
void TVlInterpreterUnit::ReadUnit()
{
    NextToken();
    if (TokenKind != tkIdentifier)
        ReportExpected(ErrorMessageText(erTextIdentifier));
    CurrentUnitName = *TokenNamePtr;
    NextToken();
    if (TokenKind != tkSemicolon)
        ReportExpected("';'");
    UsesText.clear();
    NextToken();
    for (;;) {
        if (TokenKind == tkEof)
            ReportExpected("'end'");
        if (TokenKind == tkEnd)
            break;
        ReadDeclaration();
        NextToken();
    }
    NextToken();
    if (TokenKind != tkDot)
        ReportExpected("'.'");
    RegisterCurrentUnit();
}

void TVlInterpreterUnit::ReadDeclaration()
{
    auto declareGlobal = [this](const std::string &unitName, const std::string &name, const TVlDataTypePtr &type,
                                const TVlValue &value, uint16_t kind, const std::string &typeName) {
        Adapter->AddSourceVariable(unitName, name, type, value, kind, typeName);
    };
    switch (TokenKind) {
    case tkProcedure: case tkFunction:
        ReadRoutine();
        if (TokenKind != tkSemicolon)
            ReportExpected("';'");
        break;
    case tkVar: ReadVarSection(declareGlobal); break;
    case tkConst: ReadConstSection(declareGlobal); break;
    case tkUses: ReadUses(); break;
    case tkType: ReadTypeSection(); break;
    case tkInterface: Section = 1; break;
    case tkImplementation: Section = 2; break;
    default: ReportExpected(ErrorMessageText(erTextDeclaration));
    }
}

// uses name [in 'file'] {, name [in 'file']} ;
void TVlInterpreterUnit::ReadUses()
{
    auto readName = [this]() {
        if (TokenKind == tkIdentifier)
            return *TokenNamePtr;
        if (TokenKind == tkString)
            return TokenValue.RawString();
        ReportExpected(ErrorMessageText(erTextIdentifier));
    };
    NextToken();
    std::string name = readName();
    UsesText = name;
    LoadUnit(name);
    for (;;) {
        NextToken();
        if (TokenKind == tkIn) {
            NextToken();
            NextToken();
        }
        if (TokenKind == tkSemicolon)
            break;
        if (TokenKind != tkComma)
            ReportExpected("','");
        NextToken();
        name = readName();
        UsesText += "," + name;
        LoadUnit(name);
    }
}

void TVlInterpreterUnit::LoadUnit(const std::string &name)
{
    CheckStack();
    if (UnitExistsAnywhere(name))
        return;
    Adapter->AddSourceUnit(CurrentUnitName, std::string(), std::string());
    std::string savedUnit = CurrentUnitName;
    std::string savedUses = UsesText;
    PushState();
    try {
        std::string text;
        if (!GetUnitSourceText(name, text))
            RaiseError(erUnitNotFound, TokenStart(), name);
        CurrentUnitName = name;
        SwitchSource(VlTokenize(text, ExtendedDialect));
        NextToken();
        if (TokenKind != tkUnit)
            ReportExpected("'unit'");
        ReadUnit();
    } catch (...) {
        RecordFailure(std::current_exception(), CurrentUnitName);
        CurrentUnitName = savedUnit;
        UsesText = savedUses;
        PopState();
        throw;
    }
    CurrentUnitName = savedUnit;
    UsesText = savedUses;
    PopState();
}

bool TVlInterpreterUnit::GetUnitSourceText(const std::string &unitName, std::string &source)
{
    if (!OnGetUnitSource)
        return false;
    bool done = false;
    OnGetUnitSource(*this, unitName, source, done);
    return done;
}

// procedure|function heading ; (external ... | [local sections] begin ... end)
void TVlInterpreterUnit::ReadRoutine()
{
    TVlInterpreterFunctionDesc desc;
    desc.Scope = RoutineScope;
    ReadRoutineHeading(desc);
    desc.BodyStart = Cursor;
    int32_t headingEnd = TokIndex;
    NextToken();
    if (TokenKind == tkExternal) {
        NextToken();
        std::string library;
        if (TokenKind == tkString) {
            library = TokenValue.RawString();
        } else if (TokenKind == tkIdentifier) {
            TVlValue value;
            std::string constantName = *TokenNamePtr;
            TVlInterpreterArgs *lookup = AcquireArgs();
            lookup->Clear();
            bool found = false;
            try {
                found = GetValue(constantName, TokenAtom, value, *lookup);
            } catch (...) {
                ReleaseArgs(lookup);
                throw;
            }
            ReleaseArgs(lookup);
            if (!found)
                RaiseError(erUndeclared, TokenStart(), constantName);
            library = ValueToString(value);
        } else {
            ReportExpected(ErrorMessageText(erTextStringConstant));
        }
        NextToken();
        bool byName = TokenKind == tkIdentifier && VlSameName(*TokenNamePtr, "name");
        bool byIndex = TokenKind == tkIdentifier && VlSameName(*TokenNamePtr, "index");
        if (!byName && !byIndex)
            ReportExpected(std::string("'name") + VlOrText + "index'");
        NextToken();
        std::string entryName;
        int32_t entryIndex = -1;
        if (byName) {
            if (TokenKind != tkString)
                ReportExpected(ErrorMessageText(erTextStringConstant));
            entryName = TokenValue.RawString();
        } else {
            if (TokenKind != tkInteger)
                ReportExpected(ErrorMessageText(erTextIntegerConstant));
            entryIndex = ValueToInteger(TokenValue);
        }
        Adapter->AddExternalFunction(CurrentUnitName, desc.Identifier, nullptr, library, entryName, entryIndex,
                                     desc.ParamCount, TVlKinds(desc.ParamTypes, VlMaxArgs), desc.ResultType);
        NextToken();
        return;
    }
    if (Section == 1) {
        SetReaderToken(headingEnd + 1, desc.BodyStart);
        Tok = &Source->Tokens[static_cast<size_t>(headingEnd)];
        TokIndex = headingEnd;
        TokenKind = tkSemicolon;
        return;
    }
    if (ExtendedDialect) {
        if (ReadForward())
            return;
        ReadNestedRoutines(desc);
    } else {
        SkipUntil(tkBegin);
    }
    SkipBlock();
    desc.BodyEnd = TokIndex > 0 ? Source->Tokens[static_cast<size_t>(TokIndex - 1)].End : Cursor;
    if (ExtendedDialect && desc.ResultType)
        desc.AssignsOwnName = AssignsName(headingEnd, TokIndex, desc.Identifier);
    Adapter->AddSourceFunction(desc);
}

// procedure|function [class .] name [(parameters)] [: result type] ;
void TVlInterpreterUnit::ReadRoutineHeading(TVlInterpreterFunctionDesc &desc)
{
    bool isFunction = TokenKind == tkFunction;
    NextToken();
    if (TokenKind != tkIdentifier)
        ReportExpected(ErrorMessageText(erTextIdentifier));
    desc.Identifier = *TokenNamePtr;
    NextToken();
    if (TokenKind == tkDot) {
        desc.ClassIdentifier = desc.Identifier;
        NextToken();
        if (TokenKind != tkIdentifier)
            ReportExpected(ErrorMessageText(erTextIdentifier));
        desc.Identifier = *TokenNamePtr;
        NextToken();
    }
    desc.ResultType = 0;
    desc.ParamCount = 0;
    if (TokenKind == tkLParen) {
        ReadParameterList(desc);
        NextToken();
    }
    if (isFunction) {
        if (TokenKind != tkColon)
            ReportExpected("':'");
        NextToken();
        if (TokenKind != tkIdentifier)
            ReportExpected(ErrorMessageText(erTextIdentifier));
        desc.ResultTypeName = *TokenNamePtr;
        desc.ResultDataType = ReadDataType(desc.ResultTypeName);
        desc.ResultType = desc.ResultDataType->KindCode() ? desc.ResultDataType->KindCode() : varVariant;
        NextToken();
    }
    if (TokenKind != tkSemicolon)
        ReportExpected("';'");
    desc.UnitName = CurrentUnitName;
}

// ( [var|const] names : type {; ...} )
void TVlInterpreterUnit::ReadParameterList(TVlInterpreterFunctionDesc &desc)
{
    for (;;) {
        NextToken();
        if (TokenKind == tkRParen)
            return;
        uint16_t flags = 0;
        if (TokenKind == tkVar) {
            flags = varByRef;
            NextToken();
        } else if (TokenKind == tkConst) {
            flags = varConstFlag;
            NextToken();
        }
        int32_t groupStart = desc.ParamCount;
        bool pending = false;  // a name was read that is not counted yet
        for (;;) {
            if (desc.ParamCount >= VlMaxArgs)
                RaiseError(erTooManyParams, TokenStart());
            if (TokenKind == tkIdentifier) {
                desc.ParamNames[desc.ParamCount] = *TokenNamePtr;
                pending = true;
                NextToken();
            } else if (TokenKind == tkComma) {
                ++desc.ParamCount;
                pending = false;
                NextToken();
            } else if (TokenKind == tkRParen) {
                // An untyped group, such as "var x": its last name counts too.
                if (pending) {
                    ++desc.ParamCount;
                    for (int32_t i = groupStart; i < desc.ParamCount; ++i)
                        desc.ParamTypes[i] = flags;
                }
                return;
            } else if (TokenKind == tkColon) {
                NextToken();
                bool openArray = ExtendedDialect && TokenKind == tkArray;
                if (openArray) {
                    // array of T: an open array parameter
                    NextToken();
                    if (TokenKind != tkOf)
                        ReportExpected("'of'");
                    NextToken();
                }
                if (TokenKind != tkIdentifier)
                    ReportExpected(ErrorMessageText(erTextIdentifier));
                std::string typeName = *TokenNamePtr;
                if (ExtendedDialect)
                    MarkCompositeParameters(desc, groupStart, openArray, typeName);
                NextToken();
                while (TokenKind != tkSemicolon && TokenKind != tkRParen) {
                    if (TokenKind == tkEof)
                        ReportExpected("')'");
                    NextToken();
                }
                if (TokenKind == tkRParen)
                    BackToken();
                ++desc.ParamCount;
                uint16_t kind = openArray ? 0 : ExtendedDialect ? ParameterKind(typeName) : KindOfTypeName(typeName);
                for (int32_t i = groupStart; i < desc.ParamCount; ++i) {
                    desc.ParamTypeNames[i] = typeName;
                    desc.ParamTypes[i] = static_cast<uint16_t>(kind | flags);
                }
                break;
            } else if (TokenKind == tkSemicolon) {
                break;
            } else if (TokenKind == tkEof) {
                ReportExpected("')'");
            } else {
                NextToken();
            }
        }
    }
}

// type declaration {declaration}: one per type word in the core dialect
void TVlInterpreterUnit::ReadTypeSection()
{
    ReadTypeDeclaration();
    while (ExtendedDialect && MoreTypes())
        ReadTypeDeclaration();
}

// name = record fields end ; | name = class(parent) ... end ;
void TVlInterpreterUnit::ReadTypeDeclaration()
{
    NextToken();
    if (TokenKind != tkIdentifier)
        ReportExpected(ErrorMessageText(erTextIdentifier));
    std::string typeName = *TokenNamePtr;
    NextToken();
    if (TokenKind != tkEqual)
        ReportExpected("'='");
    NextToken();
    if (ExtendedDialect && TokenKind != tkClass) {
        ReadExtendedType(typeName);
        return;
    }
    if (TokenKind == tkRecord) {
        auto record = std::make_shared<TVlInterpreterRecord>();
        record->UnitName = CurrentUnitName;
        record->Identifier = typeName;
        ReadVarSection([&](const std::string &, const std::string &name, const TVlDataTypePtr &type, const TVlValue &,
                           uint16_t, const std::string &) {
            if (record->Fields.size() >= VlMaxArgs)
                RaiseError(erTooManyParams, TokenStart());
            TVlInterpreterRecField field;
            field.Identifier = name;
            field.Offset = record->RecordSize;
            field.FieldType = 0;
            field.DataType = type;
            record->Fields.push_back(field);
            record->RecordSize += 16;
        });
        NextToken();
        if (TokenKind != tkEnd)
            ReportExpected("'end'");
        NextToken();
        if (TokenKind != tkSemicolon)
            ReportExpected("';'");
        Adapter->AddScriptRecordType(record);
        return;
    }
    if (TokenKind != tkClass)
        ReportExpected(ErrorMessageText(erTextClassDeclaration));
    NextToken();
    if (TokenKind != tkLParen)
        ReportExpected("'('");
    NextToken();
    if (TokenKind != tkIdentifier)
        ReportExpected(ErrorMessageText(erTextIdentifier));
    auto cls = std::make_unique<TVlInterpreterSrcClass>();
    cls->UnitName = CurrentUnitName;
    cls->Identifier = typeName;
    cls->ParentName = *TokenNamePtr;
    NextToken();
    if (TokenKind != tkRParen)
        ReportExpected("')'");
    auto declareField = [&](const std::string &unitName, const std::string &name, const TVlDataTypePtr &,
                            const TVlValue &value, uint16_t kind, const std::string &fieldType) {
        cls->Vars.DeclareVar(unitName, name, value, kind, fieldType);
    };
    NextToken();
    for (;;) {
        if (TokenKind == tkIdentifier) {
            BackToken();
            ReadVarSection(declareField);
            NextToken();
        } else if (TokenKind == tkEof) {
            ReportExpected("'end'");
        } else if (TokenKind == tkEnd) {
            break;
        } else if (TokenKind == tkProcedure || TokenKind == tkFunction) {
            TVlInterpreterFunctionDesc heading;
            ReadRoutineHeading(heading);
            NextToken();
        } else if (TokenKind == tkPublic || TokenKind == tkPrivate || TokenKind == tkProtected ||
                   TokenKind == tkPublished) {
            NextToken();
        } else {
            ReportExpected(ErrorMessageText(erTextDeclaration));
        }
    }
    NextToken();
    if (TokenKind != tkSemicolon)
        ReportExpected("';'");
    Adapter->AddSourceClass(std::move(cls));
}

std::shared_ptr<TVlSource> TVlInterpreterUnit::UnitSource(const std::string &unitName)
{
    TVlInterpreterSrcUnit *unit = Adapter->FindSourceUnit(unitName);
    if (!unit)
        return VlTokenize(std::string());
    if (!unit->Tokens)
        unit->Tokens = VlTokenize(unit->Source, ExtendedDialect);
    return unit->Tokens;
}

void TVlInterpreterUnit::InterpretRoutine(const TVlInterpreterFunctionDesc &desc)
{
    PushState();
    AllowAssignment = true;
    bool switched = !VlSameName(desc.UnitName, CurrentUnitName);
    std::string savedUnit = switched ? CurrentUnitName : std::string();
    try {
        if (switched) {
            CurrentUnitName = desc.UnitName;
            SwitchSource(UnitSource(desc.UnitName));
        }
        if (desc.BodyToken < 0 || desc.BodyToken >= static_cast<int32_t>(Source->Tokens.size()) ||
            (desc.BodyToken > 0 && Source->Tokens[static_cast<size_t>(desc.BodyToken - 1)].End > desc.BodyStart))
            desc.BodyToken = Source->TokenAt(desc.BodyStart);
        SetReaderToken(desc.BodyToken, desc.BodyStart);
        NextToken();
        RunRoutineBody(&desc);
    } catch (...) {
        RecordFailure(std::current_exception(), CurrentUnitName);
        if (switched)
            CurrentUnitName = savedUnit;
        PopState();
        throw;
    }
    if (switched)
        CurrentUnitName = savedUnit;
    PopState();
}

bool TVlInterpreterUnit::GetValue(const std::string &name, int32_t atom, TVlValue &result, TVlInterpreterArgs &args)
{
    // The fuller dialect: a program's own routines come before the host's of the same name
    // (names no script routine has take the core path).
    bool ownFirst = ExtendedDialect && !args.Obj &&
                    Adapter->HasSourceFunctionNamed(atom ? atom : (atom = VlNames().Intern(name)));
    if (ownFirst && ReadScopeName(name, atom, result, args))
        return true;
    if (!ownFirst && TVlInterpreterFunction::GetValue(name, atom, result, args))
        return true;
    if (!atom)
        atom = VlNames().Intern(name);
    const TVlInterpreterFunctionDesc *desc = nullptr;
    if (!args.Obj) {
        if (ownFirst && Adapter->HasScopedFunctions())
            desc = FindNestedRoutine(atom);
        if (!desc && (ownFirst || !ExtendedDialect))  // else no script routine has the name
            desc = Adapter->FindSourceFunctionAtom(CurrentUnitAtom(), atom, 0);
    } else if (args.ObjType == varVlObject) {
        if (TVlInterpreterSrcUnit *unit = TVlInterpreterAdapter::AsUnitQualifier(args.Obj))
            desc = Adapter->FindSourceFunctionAtom(unit->NameAtom, atom, 0);
    }
    if (!desc && ownFirst && TVlInterpreterFunction::GetValue(name, atom, result, args))
        return true;
    if (!desc)
        return ExtendedDialect && ReadDialectName(name, atom, result, args);
    if (ExtendedDialect && ReadOwnResult(*desc, result, args))
        return true;
    TVlInterpreterAdapter::CheckArgs(desc->ParamCount, desc->ParamTypes, args);
    TVlInterpreterArgs *savedArgs = Args;
    Args = &args;
    try {
        InterpretRoutine(*desc);
    } catch (...) {
        Args = savedArgs;
        throw;
    }
    Args = savedArgs;
    result = ResultValue;
    return true;
}

bool TVlInterpreterUnit::IsScriptRoutine(const std::string &name)
{
    int32_t atom = VlNames().Find(name);
    return atom && Adapter->FindSourceFunctionAtom(CurrentUnitAtom(), atom, 0) != nullptr;
}

bool TVlInterpreterUnit::HasFunction(const std::string &unitName, const std::string &name)
{
    return Adapter->FindSourceFunction(unitName, name, std::string()) != nullptr;
}

void TVlInterpreterUnit::InvokeFunction(const std::string &name, TVlInterpreterArgs *args,
                                        const std::vector<TVlValue> &argValues)
{
    TVlValue result;
    InvokeFunctionIn(nullptr, std::string(), name, args, argValues, result);
}

void TVlInterpreterUnit::InvokeFunctionIn(void *instance, const std::string &unitName, const std::string &name,
                                          TVlInterpreterArgs *args, const std::vector<TVlValue> &argValues,
                                          TVlValue &result)
{
    TEntryGuard entry(*this);
    if (!DeclarationsRead)
        PrepareUnit();
    void *savedInstance = CurrentInstance;
    CurrentInstance = instance;
    TVlInterpreterArgs *savedArgs = Args;
    try {
        const TVlInterpreterFunctionDesc *desc = Adapter->FindSourceFunction(unitName, name, std::string());
        if (!desc)
            RaiseError(erUndeclared, -1, name);
        if (args) {
            Args = args;
        } else {
            Args->Clear();
            for (const TVlValue &value : argValues)
                Args->Add(value);
        }
        BreakFlag = false;
        ContinueFlag = false;
        ClearFailure();
        InterpretRoutine(*desc);
        result = ResultValue;
    } catch (...) {
        Args = savedArgs;
        CurrentInstance = savedInstance;
        throw;
    }
    Args = savedArgs;
    CurrentInstance = savedInstance;
}
