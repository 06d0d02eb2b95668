// The registry of host and script names: registration, lazy sorting and name resolution.
#include "VlInterpreterAdapter.h"

#include "VlInterpreter.h"
#include "VlInterpreterError.h"
#include "VlInterpreterForeign.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

// First index of a name in each sorted list (-1 when absent), by atom.
struct TVlInterpreterAdapter::TNameIndex {
    int32_t Getter = -1, Setter = -1, IndexedGetter = -1, IndexedSetter = -1;
    int32_t InterfaceGetter = -1, ClassRef = -1, Constant = -1, Function = -1;
};

namespace {

// Process-wide state: the name table, the live unit qualifiers and the GlobalAdapter itself.
struct TVlGlobalState {
    TVlNameTable Names;
    std::unordered_set<const void *> SrcUnits;
    const void *LastNonUnit = nullptr;  // member reads ask for the same object again and again
    TVlInterpreterAdapter Adapter;
};

TVlGlobalState &GlobalState()
{
    static TVlGlobalState *state = new TVlGlobalState;  // lives until the process ends
    return *state;
}

// Without bindings, host objects are opaque: no class knows them.
class TVlOpaqueObjectModel : public TVlHostObjectModel {
public:
    TVlHostClass ClassOf(void *) const override { return nullptr; }
    bool InheritsFrom(TVlHostClass cls, TVlHostClass ancestor) const override
    {
        return cls != nullptr && cls == ancestor;
    }
    std::string ClassName(TVlHostClass) const override { return std::string(); }
};

template <typename T>
void SortByName(std::vector<std::unique_ptr<T>> &list)
{
    std::stable_sort(list.begin(), list.end(), [](const auto &a, const auto &b) {
        return VlCompareNames(a->Identifier, b->Identifier) < 0;
    });
}

template <typename T>
void CopyKinds(T &entry, int paramCount, const TVlKinds &kinds)
{
    entry.ParamCount = static_cast<int8_t>(paramCount < -1 ? -1 : paramCount > VlMaxArgs ? VlMaxArgs : paramCount);
    std::memcpy(entry.ParamTypes, kinds.Items, sizeof entry.ParamTypes);
}

template <typename T>
void Grow(std::vector<T> &list, int32_t atom, const T &fill)
{
    if (static_cast<int32_t>(list.size()) <= atom)
        list.resize(static_cast<size_t>(atom) + 1, fill);
}

} // namespace

TVlNameTable &VlNames()
{
    return GlobalState().Names;
}

TVlInterpreterAdapter &GlobalAdapter()
{
    return GlobalState().Adapter;
}

TVlKinds::TVlKinds(std::initializer_list<uint16_t> kinds)
{
    int i = 0;
    for (uint16_t kind : kinds)
        if (i < VlMaxArgs)
            Items[i++] = kind;
}

TVlKinds::TVlKinds(const uint16_t *kinds, int count)
{
    for (int i = 0; i < count && i < VlMaxArgs; ++i)
        Items[i] = kinds[i];
}

bool TVlHostObjectModel::ReadProperty(void *, const std::string &, TVlValue &) const { return false; }
bool TVlHostObjectModel::WriteProperty(void *, const std::string &, const TVlValue &) const { return false; }
bool TVlHostObjectModel::GetMethodProperty(void *, const std::string &, std::string &, TVlMethod &) const
{
    return false;
}
void TVlHostObjectModel::SetMethodProperty(void *, const std::string &, const TVlMethod &) const {}
void TVlHostObjectModel::FreeObject(void *) const {}
void *TVlHostObjectModel::ExceptionObject(const std::exception_ptr &) const { return nullptr; }
void TVlHostObjectModel::RaiseObject(void *) const
{
    throw EVlRuntimeError("Exception", "Exception raised by script");
}
bool TVlHostObjectModel::SupportsInterface(void *, const TVlGuid &) const { return false; }
TVlHostClass TVlHostObjectModel::LiveClassOf(void *) const { return nullptr; }

TVlInterpreterSrcUnit::TVlInterpreterSrcUnit()
{
    TVlGlobalState &state = GlobalState();
    state.SrcUnits.insert(this);
    if (state.LastNonUnit == this)
        state.LastNonUnit = nullptr;
}

TVlInterpreterSrcUnit::~TVlInterpreterSrcUnit()
{
    GlobalState().SrcUnits.erase(this);
}

TVlInterpreterSrcUnit *TVlInterpreterAdapter::AsUnitQualifier(void *object)
{
    TVlGlobalState &state = GlobalState();
    if (!object || object == state.LastNonUnit)
        return nullptr;
    if (state.SrcUnits.count(object))
        return static_cast<TVlInterpreterSrcUnit *>(object);
    state.LastNonUnit = object;
    return nullptr;
}

TVlInterpreterAdapter::TVlInterpreterAdapter(TVlInterpreterExpression *owner) : Owner(owner) {}

TVlInterpreterAdapter::~TVlInterpreterAdapter()
{
    Clear();
}

// ---- registration -------------------------------------------------------------------------

void TVlInterpreterAdapter::NoteHostUnit(const std::string &unitName)
{
    if (unitName.empty())
        return;
    int32_t atom = VlNames().Intern(unitName);
    Grow(HostUnitAtoms, atom, char(0));
    HostUnitAtoms[atom] = 1;
}

bool TVlInterpreterAdapter::HasHostUnit(int32_t unitAtom) const
{
    return unitAtom > 0 && unitAtom < static_cast<int32_t>(HostUnitAtoms.size()) && HostUnitAtoms[unitAtom];
}

void TVlInterpreterAdapter::AddSourceUnit(const std::string &unitName, const std::string &source,
                                          const std::string &usesList, void *data)
{
    NoteChange();
    TVlInterpreterSrcUnit *unit = FindSourceUnit(unitName);
    if (unit && !unit->Source.empty())
        return;
    if (!unit) {
        SrcUnits.push_back(std::make_unique<TVlInterpreterSrcUnit>());
        unit = SrcUnits.back().get();
    }
    unit->UnitName = unitName;
    unit->Identifier = unitName;
    unit->NameAtom = VlNames().Intern(unitName);
    unit->Source = source;
    unit->Tokens.reset();
    unit->Data = data;
    unit->UsesList.clear();
    size_t start = 0;
    while (start <= usesList.size() && unit->UsesList.size() < VlMaxArgs) {
        size_t comma = usesList.find(',', start);
        std::string piece = usesList.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        size_t b = piece.find_first_not_of(" \t\r\n");
        size_t e = piece.find_last_not_of(" \t\r\n");
        piece = b == std::string::npos ? std::string() : piece.substr(b, e - b + 1);
        if (piece.empty())
            break;
        unit->UsesList.push_back(piece);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
}

void TVlInterpreterAdapter::AddHostUnit(const std::string &unitName, void *data)
{
    NoteChange();
    auto entry = std::make_unique<TVlInterpreterIdentifier>();
    entry->UnitName = unitName;
    entry->Identifier = unitName;
    entry->NameAtom = VlNames().Intern(unitName);
    entry->Data = data;
    HostUnits.push_back(std::move(entry));
    NoteHostUnit(unitName);
}

void TVlInterpreterAdapter::AddClassType(const std::string &unitName, TVlHostClass classType,
                                         const std::string &className, void *data)
{
    auto entry = std::make_unique<TVlInterpreterClass>();
    entry->UnitName = unitName;
    entry->Identifier = className;
    entry->NameAtom = VlNames().Intern(className);
    entry->ClassType = classType;
    entry->Data = data;
    ClassRefs.push_back(std::move(entry));
    NoteHostUnit(unitName);
    NoteAddition();
}

static std::unique_ptr<TVlInterpreterMethod> MakeMethod(TVlHostClass classType, const std::string &name,
                                                        int paramCount, const TVlKinds &paramTypes,
                                                        uint16_t resultType, void *data)
{
    auto entry = std::make_unique<TVlInterpreterMethod>();
    entry->ClassType = classType;
    entry->Identifier = name;
    entry->NameAtom = name.empty() ? 0 : VlNames().Intern(name);
    CopyKinds(*entry, paramCount, paramTypes);
    entry->ResultType = resultType;
    entry->Data = data;
    return entry;
}

void TVlInterpreterAdapter::AddGetter(TVlHostClass classType, const std::string &name, THostGetProc func,
                                      int paramCount, const TVlKinds &paramTypes, uint16_t resultType, void *data)
{
    auto entry = MakeMethod(classType, name, paramCount, paramTypes, resultType, data);
    entry->GetFunc = func;
    Getters.push_back(std::move(entry));
    NoteAddition();
}

void TVlInterpreterAdapter::AddSetter(TVlHostClass classType, const std::string &name, THostSetProc func,
                                      int paramCount, const TVlKinds &paramTypes, void *data)
{
    auto entry = MakeMethod(classType, name, paramCount, paramTypes, 0, data);
    entry->SetFunc = func;
    Setters.push_back(std::move(entry));
    NoteAddition();
}

void TVlInterpreterAdapter::AddIndexedGetter(TVlHostClass classType, const std::string &name, THostGetProc func,
                                             int paramCount, const TVlKinds &paramTypes, uint16_t resultType,
                                             void *data)
{
    auto entry = MakeMethod(classType, name, paramCount, paramTypes, resultType, data);
    entry->GetFunc = func;
    IndexedGetters.push_back(std::move(entry));
    NoteAddition();
}

void TVlInterpreterAdapter::AddIndexedSetter(TVlHostClass classType, const std::string &name, THostSetProc func,
                                             int paramCount, const TVlKinds &paramTypes, void *data)
{
    auto entry = MakeMethod(classType, name, paramCount, paramTypes, 0, data);
    entry->SetFunc = func;
    IndexedSetters.push_back(std::move(entry));
    NoteAddition();
}

void TVlInterpreterAdapter::AddDefaultGetter(TVlHostClass classType, THostGetProc func, int paramCount,
                                             const TVlKinds &paramTypes, uint16_t resultType, void *data)
{
    NoteChange();
    auto entry = MakeMethod(classType, std::string(), paramCount, paramTypes, resultType, data);
    entry->GetFunc = func;
    DefaultGetters.push_back(std::move(entry));
}

void TVlInterpreterAdapter::AddDefaultSetter(TVlHostClass classType, THostSetProc func, int paramCount,
                                             const TVlKinds &paramTypes, void *data)
{
    NoteChange();
    auto entry = MakeMethod(classType, std::string(), paramCount, paramTypes, 0, data);
    entry->SetFunc = func;
    DefaultSetters.push_back(std::move(entry));
}

void TVlInterpreterAdapter::AddInterfaceGetter(const TVlGuid &interfaceId, const std::string &name,
                                               THostGetProc func, int paramCount, const TVlKinds &paramTypes,
                                               uint16_t resultType, void *data)
{
    auto entry = std::make_unique<TVlInterpreterIntfMethod>();
    entry->InterfaceId = interfaceId;
    entry->Identifier = name;
    entry->NameAtom = VlNames().Intern(name);
    CopyKinds(*entry, paramCount, paramTypes);
    entry->ResultType = resultType;
    entry->GetFunc = func;
    entry->Data = data;
    InterfaceGetters.push_back(std::move(entry));
    NoteAddition();
}

void TVlInterpreterAdapter::AddDirectMethod(TVlHostClass classType, const std::string &name, void *nativeEntry,
                                            int paramCount, const TVlKinds &paramTypes, uint16_t resultType,
                                            uint8_t callFlags, void *data)
{
    NoteChange();
    auto entry = std::make_unique<TVlInterpreterDMethod>();
    entry->ClassType = classType;
    entry->Identifier = name;
    entry->NameAtom = VlNames().Intern(name);
    CopyKinds(*entry, paramCount, paramTypes);
    entry->ResultType = resultType;
    entry->NativeEntry = nativeEntry;
    entry->CallFlags = callFlags;
    entry->Data = data;
    DirectMethods.push_back(std::move(entry));
}

void TVlInterpreterAdapter::AddHostFunction(const std::string &unitName, const std::string &name, THostGetProc func,
                                            int paramCount, const TVlKinds &paramTypes, uint16_t resultType,
                                            void *data)
{
    auto entry = MakeMethod(nullptr, name, paramCount, paramTypes, resultType, data);
    entry->UnitName = unitName;
    entry->GetFunc = func;
    Functions.push_back(std::move(entry));
    NoteHostUnit(unitName);
    NoteAddition();
}

void TVlInterpreterAdapter::AddConstant(const std::string &unitName, const std::string &name,
                                        const TVlValue &value, void *data)
{
    auto entry = std::make_unique<TVlInterpreterConst>();
    entry->UnitName = unitName;
    entry->Identifier = name;
    entry->NameAtom = VlNames().Intern(name);
    entry->Value = value;
    entry->Data = data;
    Constants.push_back(std::move(entry));
    NoteHostUnit(unitName);
    NoteAddition();
}

std::shared_ptr<TVlInterpreterRecord> TVlInterpreterAdapter::AddRecordType(
    const std::string &unitName, const std::string &name, int32_t recordSize,
    const std::vector<TVlInterpreterRecField> &fields, TVlRecordCreateFunc createFunc,
    TVlRecordDestroyFunc destroyFunc, TVlRecordCopyFunc copyFunc, void *data)
{
    NoteChange();
    auto entry = std::make_shared<TVlInterpreterRecord>();
    entry->UnitName = unitName;
    entry->Identifier = name;
    entry->NameAtom = VlNames().Intern(name);
    entry->RecordSize = recordSize;
    entry->Fields.assign(fields.begin(), fields.begin() + std::min<size_t>(fields.size(), VlMaxArgs));
    entry->CreateFunc = createFunc;
    entry->DestroyFunc = destroyFunc;
    entry->CopyFunc = copyFunc;
    entry->Data = data;
    RecordTypes.push_back(entry);
    NoteHostUnit(unitName);
    return entry;
}

void TVlInterpreterAdapter::AddScriptRecordType(std::shared_ptr<TVlInterpreterRecord> record)
{
    NoteChange();
    record->NameAtom = VlNames().Intern(record->Identifier);
    RecordTypes.push_back(std::move(record));
}

static std::unique_ptr<TVlInterpreterRecMethod> MakeRecMethod(const std::shared_ptr<const TVlInterpreterRecord> &record,
                                                              const std::string &unitName, const std::string &name,
                                                              int paramCount, const TVlKinds &paramTypes,
                                                              uint16_t resultType, void *data)
{
    auto entry = std::make_unique<TVlInterpreterRecMethod>();
    entry->UnitName = unitName;
    entry->Identifier = name;
    entry->NameAtom = VlNames().Intern(name);
    entry->Record = record;
    CopyKinds(*entry, paramCount, paramTypes);
    entry->ResultType = resultType;
    entry->Data = data;
    return entry;
}

void TVlInterpreterAdapter::AddRecordGetter(const std::string &unitName, const std::string &recordName,
                                            const std::string &name, THostGetProc func, int paramCount,
                                            const TVlKinds &paramTypes, uint16_t resultType, void *data)
{
    NoteChange();
    auto entry = MakeRecMethod(FindRecordType(recordName), unitName, name, paramCount, paramTypes, resultType, data);
    entry->GetFunc = func;
    RecordGetters.push_back(std::move(entry));
}

void TVlInterpreterAdapter::AddRecordSetter(const std::string &unitName, const std::string &recordName,
                                            const std::string &name, THostSetProc func, int paramCount,
                                            const TVlKinds &paramTypes, void *data)
{
    NoteChange();
    auto entry = MakeRecMethod(FindRecordType(recordName), unitName, name, paramCount, paramTypes, 0, data);
    entry->SetFunc = func;
    RecordSetters.push_back(std::move(entry));
}

void TVlInterpreterAdapter::AddExternalFunction(const std::string &unitName, const std::string &name,
                                                void *dllInstance, const std::string &dllName,
                                                const std::string &functionName, int32_t functionIndex,
                                                int paramCount, const TVlKinds &paramTypes, uint16_t resultType,
                                                void *data)
{
    NoteChange();
    auto entry = std::make_unique<TVlInterpreterExtFunction>();
    entry->UnitName = unitName;
    entry->Identifier = name;
    entry->NameAtom = VlNames().Intern(name);
    entry->DllInstance = dllInstance;
    entry->DllName = dllName;
    entry->FunctionName = functionName;
    entry->FunctionIndex = functionIndex;
    entry->Desc.UnitName = unitName;
    entry->Desc.Identifier = name;
    entry->Desc.ParamCount = paramCount < 0 ? 0 : std::min(paramCount, VlMaxArgs);
    std::memcpy(entry->Desc.ParamTypes, paramTypes.Items, sizeof entry->Desc.ParamTypes);
    entry->Desc.ResultType = resultType;
    entry->Data = data;
    ExtFunctions.push_back(std::move(entry));
}

void TVlInterpreterAdapter::AddSourceFunction(const TVlInterpreterFunctionDesc &desc, void *data)
{
    NoteChange();
    auto entry = std::make_unique<TVlInterpreterSrcFunction>();
    entry->UnitName = desc.UnitName;
    entry->Identifier = desc.Identifier;
    entry->NameAtom = VlNames().Intern(desc.Identifier);
    entry->Desc = desc;
    entry->Desc.UnitAtom = desc.UnitName.empty() ? 0 : VlNames().Intern(desc.UnitName);
    entry->Desc.ClassAtom = desc.ClassIdentifier.empty() ? 0 : VlNames().Intern(desc.ClassIdentifier);
    for (int32_t i = 0; i < desc.ParamCount && i < VlMaxArgs; ++i)
        entry->Desc.ParamAtoms[i] = VlNames().Intern(desc.ParamNames[i]);
    entry->Data = data;
    if (desc.Scope)
        ++ScopedFunctions;
    Grow(SrcFunctionsByAtom, entry->NameAtom, std::vector<int32_t>());
    SrcFunctionsByAtom[entry->NameAtom].push_back(static_cast<int32_t>(SrcFunctions.size()));
    SrcFunctions.push_back(std::move(entry));
}

void TVlInterpreterAdapter::AddSourceVariable(const std::string &unitName, const std::string &name,
                                              const TVlDataTypePtr &, const TVlValue &value, uint16_t kind,
                                              const std::string &typeName)
{
    NoteChange();
    int32_t nameAtom = VlNames().Intern(name);
    int32_t unitAtom = unitName.empty() ? 0 : VlNames().Intern(unitName);
    for (size_t i = SrcVars.size(); i-- > 0;)
        if (SrcVars[i]->NameAtom == nameAtom && SrcVars[i]->UnitAtom == unitAtom)
            RaiseError(erRedeclared, -1, name);
    auto var = std::make_unique<TVlInterpreterVar>();
    var->UnitName = unitName;
    var->Identifier = name;
    var->TypeName = typeName;
    var->DeclaredKind = kind;
    var->Value = value;
    var->NameAtom = nameAtom;
    var->UnitAtom = unitAtom;
    Grow(SrcVarByAtom, nameAtom, static_cast<TVlInterpreterVar *>(nullptr));
    SrcVarByAtom[nameAtom] = var.get();
    SrcVars.push_back(std::move(var));
}

void TVlInterpreterAdapter::AddSourceClass(std::unique_ptr<TVlInterpreterSrcClass> cls)
{
    NoteChange();
    cls->NameAtom = VlNames().Intern(cls->Identifier);
    SrcClasses.push_back(std::move(cls));
}

void TVlInterpreterAdapter::AddEventHandler(const std::string &unitName, const std::string &eventTypeName,
                                            TVlEventFactory eventClass, void *handlerCode, void *data)
{
    NoteChange();
    auto entry = std::make_unique<TVlInterpreterEventDesc>();
    entry->UnitName = unitName;
    entry->Identifier = eventTypeName;
    entry->NameAtom = VlNames().Intern(eventTypeName);
    entry->EventClass = eventClass;
    entry->HandlerCode = handlerCode;
    entry->Data = data;
    EventHandlers.push_back(std::move(entry));
}

void TVlInterpreterAdapter::AddEventProperty(const std::string &unitName, TVlHostClass classType,
                                             const std::string &name, void *data)
{
    NoteChange();
    auto entry = std::make_unique<TVlInterpreterEventProperty>();
    entry->UnitName = unitName;
    entry->Identifier = name;
    entry->NameAtom = VlNames().Intern(name);
    entry->ClassType = classType;
    entry->Data = data;
    EventProperties.push_back(std::move(entry));
}

void TVlInterpreterAdapter::AddGetHook(TVlInterpreterGetValue hook)
{
    NoteChange();
    GetHooks.push_back(std::move(hook));
}

void TVlInterpreterAdapter::AddSetHook(TVlInterpreterSetValue hook)
{
    NoteChange();
    SetHooks.push_back(std::move(hook));
}

void TVlInterpreterAdapter::AddFormattedArgs(const std::string &name)
{
    int32_t atom = VlNames().Intern(name);
    Grow(FormattedArgs, atom, char(0));
    FormattedArgs[atom] = 1;
    VlNames().MarkFormatted(atom);
}

bool TVlInterpreterAdapter::AcceptsFormattedArgs(int32_t nameAtom) const
{
    return nameAtom > 0 && nameAtom < static_cast<int32_t>(FormattedArgs.size()) && FormattedArgs[nameAtom];
}

// ---- sorting and lookup -------------------------------------------------------------------

void TVlInterpreterAdapter::SortLists()
{
    SortByName(Constants);
    SortByName(ClassRefs);
    SortByName(Functions);
    SortByName(Getters);
    SortByName(InterfaceGetters);
    SortByName(Setters);
    SortByName(IndexedGetters);
    SortByName(IndexedSetters);
    NameIndex.assign(static_cast<size_t>(VlNames().Count()), TNameIndex());
    auto mark = [this](const auto &list, int32_t TNameIndex::*field) {
        for (size_t i = 0; i < list.size(); ++i) {
            int32_t atom = list[i]->NameAtom;
            if (atom > 0 && atom < static_cast<int32_t>(NameIndex.size()) && NameIndex[atom].*field < 0)
                NameIndex[atom].*field = static_cast<int32_t>(i);
        }
    };
    mark(Getters, &TNameIndex::Getter);
    mark(Setters, &TNameIndex::Setter);
    mark(IndexedGetters, &TNameIndex::IndexedGetter);
    mark(IndexedSetters, &TNameIndex::IndexedSetter);
    mark(InterfaceGetters, &TNameIndex::InterfaceGetter);
    mark(ClassRefs, &TNameIndex::ClassRef);
    mark(Constants, &TNameIndex::Constant);
    mark(Functions, &TNameIndex::Function);
    Sorted = true;
    ++SortCount;
}

const TVlInterpreterAdapter::TNameIndex *TVlInterpreterAdapter::IndexOf(int32_t atom)
{
    if (atom <= 0 || atom >= static_cast<int32_t>(NameIndex.size()))
        return nullptr;
    return &NameIndex[atom];
}

void TVlInterpreterAdapter::SetObjectModel(std::shared_ptr<TVlHostObjectModel> model)
{
    NoteChange();
    Model = std::move(model);
}

TVlHostObjectModel &TVlInterpreterAdapter::ObjectModel() const
{
    if (Model)
        return *Model;
    if (this != &GlobalAdapter())
        return GlobalAdapter().ObjectModel();
    static TVlOpaqueObjectModel opaque;
    return opaque;
}

void TVlInterpreterAdapter::CheckCall(TVlInterpreterExpression *, TVlInterpreterArgs &, void *) {}

void TVlInterpreterAdapter::CheckArgs(int paramCount, const uint16_t *paramTypes, TVlInterpreterArgs &args)
{
    if (paramCount == -1)
        return;
    if (paramCount < args.Count)
        RaiseError(erTooManyParams, -1);
    if (paramCount > args.Count)
        RaiseError(erNotEnoughParams, -1);
    args.HasVarArgs = false;
    std::memcpy(args.Types, paramTypes, sizeof args.Types);
    for (int i = 0; i < args.Count; ++i) {
        if (!args.VarNames[i].empty() && (paramTypes[i] & varByRef)) {
            args.HasVarArgs = true;
            break;
        }
    }
}

bool TVlInterpreterAdapter::ObjectMatches(TVlHostClass classType, const TVlInterpreterArgs &args) const
{
    if (args.ObjType == varVlClass)
        return args.Obj == classType;
    if (args.ObjType != varVlObject || !args.Obj)
        return false;
    const TVlHostObjectModel &model = ObjectModel();
    return model.InheritsFrom(model.ClassOf(args.Obj), classType);
}

void TVlInterpreterAdapter::CallGetter(TVlInterpreterExpression *expr, const TVlInterpreterMethod &m,
                                       const std::string &name, TVlValue &value, TVlInterpreterArgs &args)
{
    PrepareHostCall(expr, name, m, args);
    m.GetFunc(value, args);
}

const TVlInterpreterMethod *TVlInterpreterAdapter::MatchingGetter(
    const std::vector<std::unique_ptr<TVlInterpreterMethod>> &list, int first, int32_t atom,
    const TVlInterpreterArgs &args) const
{
    if (first < 0)
        return nullptr;
    for (size_t i = static_cast<size_t>(first); i < list.size() && list[i]->NameAtom == atom; ++i) {
        const TVlInterpreterMethod &m = *list[i];
        if (m.GetFunc && ObjectMatches(m.ClassType, args))
            return &m;
    }
    return nullptr;
}

bool TVlInterpreterAdapter::CallMatchingGetter(const std::vector<std::unique_ptr<TVlInterpreterMethod>> &list,
                                               int first, TVlInterpreterExpression *expr, const std::string &name,
                                               int32_t atom, TVlValue &value, TVlInterpreterArgs &args)
{
    const TVlInterpreterMethod *m = MatchingGetter(list, first, atom, args);
    if (m)
        CallGetter(expr, *m, name, value, args);
    return m != nullptr;
}

void TVlInterpreterAdapter::NoteMember(int32_t atom, TVlHostClass cls, const TVlHostObjectModel &model,
                                       const TVlInterpreterMethod *getter)
{
    if (!cls || atom <= 0)
        return;
    Grow(MemberMemos, atom, TMemberMemo());
    MemberMemos[static_cast<size_t>(atom)] = {Changes, cls, &model, getter};
}

const TVlInterpreterAdapter::TMemberMemo *TVlInterpreterAdapter::ValidMemo(int32_t atom, TVlHostClass cls,
                                                                            const TVlHostObjectModel &model) const
{
    if (!cls || atom <= 0 || atom >= static_cast<int32_t>(MemberMemos.size()))
        return nullptr;
    const TMemberMemo &memo = MemberMemos[static_cast<size_t>(atom)];
    return memo.Changes == Changes && memo.Class == cls && memo.Model == &model ? &memo : nullptr;
}

std::optional<const TVlInterpreterMethod *> TVlInterpreterAdapter::RememberedMember(
    int32_t atom, TVlHostClass cls, const TVlHostObjectModel &model) const
{
    // Hooks may answer any member; a lookup that found nothing goes on to them.
    const TMemberMemo *memo = GetHooks.empty() ? ValidMemo(atom, cls, model) : nullptr;
    if (!memo)
        return std::nullopt;
    return memo->Getter;
}

bool TVlInterpreterAdapter::ReadObjectMember(TVlInterpreterExpression *expr, const std::string &name,
                                             int32_t atom, TVlValue &value, TVlInterpreterArgs &args)
{
    TVlHostObjectModel &model = ObjectModel();
    // A member of a live object of a class read before: what the steps below found then.
    TVlHostClass cls = args.ObjType == varVlObject ? model.LiveClassOf(args.Obj) : nullptr;
    if (const TMemberMemo *memo = ValidMemo(atom, cls, model)) {
        if (!memo->Getter)
            return false;
        CallGetter(expr, *memo->Getter, name, value, args);
        return true;
    }
    if (AsUnitQualifier(args.Obj))
        return false;
    if (args.ObjType == varVlObject && args.Obj && model.ReadProperty(args.Obj, name, value))
        return true;
    const TNameIndex *index = IndexOf(atom);
    if (const TVlInterpreterMethod *getter = index ? MatchingGetter(Getters, index->Getter, atom, args) : nullptr) {
        NoteMember(atom, cls, model, getter);
        CallGetter(expr, *getter, name, value, args);
        return true;
    }
    if (args.ObjType == varVlObject && args.Obj && VlSameName(name, "Free")) {
        model.FreeObject(args.Obj);
        args.Obj = nullptr;
        value = TVlValue::Null();
        return true;
    }
    for (const auto &m : DirectMethods) {
        if (m->NativeEntry && m->NameAtom == atom && args.ObjType == varVlObject && ObjectMatches(m->ClassType, args)) {
            PrepareHostCall(expr, name, *m, args);
            VlCallDirectMethod(*m, value, args);
            return true;
        }
    }
    NoteMember(atom, cls, model, nullptr);
    return false;
}

bool TVlInterpreterAdapter::ReadRecordMember(TVlInterpreterExpression *expr, const std::string &name,
                                             int32_t atom, TVlValue &value, TVlInterpreterArgs &args)
{
    auto *holder = static_cast<TVlInterpreterRecHolder *>(args.Obj);
    if (!holder->RecordDesc)
        holder->RecordDesc = FindRecordType(holder->RecordName);
    const TVlInterpreterRecord *record = holder->RecordDesc.get();
    if (!record)
        return false;
    char *memory = static_cast<char *>(holder->RecordData);
    for (const TVlInterpreterRecField &field : record->Fields) {
        if (!VlSameName(field.Identifier, name))
            continue;
        auto fits = [&](size_t size) {
            return memory && field.Offset >= 0 && field.Offset + static_cast<int64_t>(size) <= record->RecordSize;
        };
        const char *at = memory + field.Offset;
        switch (field.FieldType) {
        case varEmpty: case varVariant:
            if (fits(sizeof(TVlValue)))
                value = *reinterpret_cast<const TVlValue *>(at);
            return true;
        case varSmallint: { int16_t v = 0; if (fits(2)) std::memcpy(&v, at, 2); value = TVlValue::Smallint(v); return true; }
        case varInteger: { int32_t v = 0; if (fits(4)) std::memcpy(&v, at, 4); value = TVlValue::Integer(v); return true; }
        case varSingle: { float v = 0; if (fits(4)) std::memcpy(&v, at, 4); value = TVlValue::Single(v); return true; }
        case varDouble: { double v = 0; if (fits(8)) std::memcpy(&v, at, 8); value = TVlValue::Double(v); return true; }
        case varDate: { double v = 0; if (fits(8)) std::memcpy(&v, at, 8); value = TVlValue::Date(v); return true; }
        case varCurrency: { int64_t v = 0; if (fits(8)) std::memcpy(&v, at, 8); value = TVlValue::CurrencyScaled(v); return true; }
        case varBoolean: { int32_t v = 0; if (fits(4)) std::memcpy(&v, at, 4); value = TVlValue::Boolean(v != 0); return true; }
        case varString: case varOleStr:
            value = TVlValue::String(fits(sizeof(std::string)) ? *reinterpret_cast<const std::string *>(at) : std::string());
            return true;
        default:
            value = TVlValue();
            return true;
        }
    }
    for (const auto &m : RecordGetters) {
        if (m->Record.get() == record && m->NameAtom == atom && m->GetFunc) {
            PrepareHostCall(expr, name, *m, args, false);
            m->GetFunc(value, args);
            return true;
        }
    }
    return false;
}

bool TVlInterpreterAdapter::WriteRecordMember(TVlInterpreterExpression *expr, const std::string &name,
                                              int32_t atom, const TVlValue &value, TVlInterpreterArgs &args)
{
    auto *holder = static_cast<TVlInterpreterRecHolder *>(args.Obj);
    if (!holder->RecordDesc)
        holder->RecordDesc = FindRecordType(holder->RecordName);
    const TVlInterpreterRecord *record = holder->RecordDesc.get();
    if (!record)
        return false;
    char *memory = static_cast<char *>(holder->RecordData);
    for (const TVlInterpreterRecField &field : record->Fields) {
        if (!VlSameName(field.Identifier, name))
            continue;
        auto fits = [&](size_t size) {
            return memory && field.Offset >= 0 && field.Offset + static_cast<int64_t>(size) <= record->RecordSize;
        };
        char *at = memory + field.Offset;
        switch (field.FieldType) {
        case varEmpty:
            if (fits(sizeof(TVlValue))) {
                TVlValue &slot = *reinterpret_cast<TVlValue *>(at);
                uint16_t kind = field.DataType ? field.DataType->KindCode() : 0;
                if (kind == 0 || kind == varVariant || kind == value.Kind())
                    AssignValue(slot, value);
                else
                    slot = ConvertToKind(value, kind);
            }
            return true;
        case varVariant:
            if (fits(sizeof(TVlValue)))
                *reinterpret_cast<TVlValue *>(at) = value;
            return true;
        case varSmallint: { int16_t v = static_cast<int16_t>(ValueToInt64(value)); if (fits(2)) std::memcpy(at, &v, 2); return true; }
        case varInteger: { int32_t v = static_cast<int32_t>(ValueToInt64(value)); if (fits(4)) std::memcpy(at, &v, 4); return true; }
        case varSingle: { float v = static_cast<float>(ValueToDouble(value)); if (fits(4)) std::memcpy(at, &v, 4); return true; }
        case varDouble: case varDate: { double v = ValueToDouble(value); if (fits(8)) std::memcpy(at, &v, 8); return true; }
        case varCurrency: { int64_t v = ValueToCurrencyScaled(value); if (fits(8)) std::memcpy(at, &v, 8); return true; }
        case varBoolean: { int32_t v = ValueToBoolean(value) ? 1 : 0; if (fits(4)) std::memcpy(at, &v, 4); return true; }
        case varString: case varOleStr:
            if (fits(sizeof(std::string)))
                *reinterpret_cast<std::string *>(at) = ValueToString(value);
            return true;
        default:
            return true;
        }
    }
    for (const auto &m : RecordSetters) {
        if (m->Record.get() == record && m->NameAtom == atom && m->SetFunc) {
            PrepareHostCall(expr, name, *m, args, false);
            m->SetFunc(value, args);
            return true;
        }
    }
    return false;
}

bool TVlInterpreterAdapter::ReadPlainName(TVlInterpreterExpression *expr, const std::string &name, int32_t atom,
                                          TVlValue &value, TVlInterpreterArgs &args)
{
    const TNameIndex *index = IndexOf(atom);
    if (index && index->ClassRef >= 0) {
        const TVlInterpreterClass &cls = *ClassRefs[index->ClassRef];
        if (args.Count == 0) {
            value = ClassToValue(cls.ClassType);
            return true;
        }
        if (args.Count > 1)
            RaiseError(erTooManyParams, -1);
        CheckCall(expr, args, cls.Data);
        const TVlValue &source = args.Values[0];
        if (source.Kind() == varVlClass || source.Kind() == varVlObject || source.Kind() == varVlPointer)
            value = TVlValue::Pointer(source.Kind() == varVlClass ? varVlClass : varVlObject, source.RawPointer());
        else if (source.IsEmpty() || source.IsNull())
            value = ObjectToValue(nullptr);
        else
            value = ObjectToValue(reinterpret_cast<void *>(static_cast<intptr_t>(ValueToInt64(source))));
        return true;
    }
    static const int32_t nilAtom = VlNames().Intern("nil");
    static const int32_t nullAtom = VlNames().Intern("Null");
    if (atom == nilAtom) {
        value = PointerToValue(nullptr);
        return true;
    }
    if (atom == nullAtom) {
        value = TVlValue::Null();
        return true;
    }
    if (index && index->Constant >= 0) {
        const TVlInterpreterConst &c = *Constants[index->Constant];
        CheckCall(expr, args, c.Data);
        value = c.Value;
        return true;
    }
    if (index && index->Function >= 0) {
        CallGetter(expr, *Functions[index->Function], name, value, args);
        return true;
    }
    if (!ExternalCallsDisabled) {
        for (const auto &f : ExtFunctions)
            if (f->NameAtom == atom) {
                args.Identifier = name;
                args.Data = f->Data;
                args.Caller = expr;
                CheckCall(expr, args, f->Data);
                CheckArgs(f->Desc.ParamCount, f->Desc.ParamTypes, args);
                VlCallExternalFunction(*f, value, args);
                return true;
            }
    }
    uint16_t kind = args.Count >= 1 ? VlNames().TypeKind(atom) : 0;
    if (kind != 0) {
        const TVlValue &source = args.Values[0];
        int64_t ordinal = 0;
        if (expr && expr->ExtendedDialect && args.Count == 1 && VlOrdinalOf(source, ordinal) &&
            (kind == varString) != source.IsString()) {
            // Char(65) and Integer('A') convert by the ordinal number.
            value = kind == varString ? TVlValue::String(std::string(1, static_cast<char>(ordinal & 0xFF)))
                                      : ConvertToKind(TVlValue::Int64(ordinal), kind);
            return true;
        }
        bool counted = source.IsString() || source.IsVariantArray() || source.IsScriptArray() ||
                       source.IsRecord() || kind == varString;
        if (counted) {
            value = ConvertToKind(source, kind);
        } else {
            value = source;
            value.ForceKind(kind);
        }
        return true;
    }
    return false;
}

bool TVlInterpreterAdapter::GetValue(TVlInterpreterExpression *expr, const std::string &name, int32_t atom,
                                     TVlValue &value, TVlInterpreterArgs &args)
{
    if (!Sorted)
        SortLists();
    if (atom == 0)
        atom = VlNames().Intern(name);
    const bool plainRead = !args.Obj && !args.Indexed;
    if (plainRead && KnownPlainMiss(atom))
        return false;
    bool objectTarget = args.Obj && (args.ObjType == varVlObject || args.ObjType == varVlClass);
    if (args.Indexed) {
        if (objectTarget) {
            const TNameIndex *index = IndexOf(atom);
            if (index && !AsUnitQualifier(args.Obj) &&
                CallMatchingGetter(IndexedGetters, index->IndexedGetter, expr, name, atom, value, args)) {
                args.IndexedResult = true;
                return true;
            }
            int32_t count = args.Count;
            args.Count = 0;
            bool found = false;
            try {
                found = ReadObjectMember(expr, name, atom, value, args);
            } catch (...) {
                args.Count = count;
                throw;
            }
            args.Count = count;
            if (found)
                return true;
        } else if (args.ObjType == varVlRecord && args.Obj) {
            if (ReadRecordMember(expr, name, atom, value, args)) {
                args.IndexedResult = false;
                return true;
            }
        }
    } else if (args.Obj) {
        if (objectTarget) {
            if (ReadObjectMember(expr, name, atom, value, args))
                return true;
        } else if (args.ObjType == varUnknown) {
            const TNameIndex *index = IndexOf(atom);
            if (index && index->InterfaceGetter >= 0) {
                for (size_t i = static_cast<size_t>(index->InterfaceGetter);
                     i < InterfaceGetters.size() && InterfaceGetters[i]->NameAtom == atom; ++i) {
                    const TVlInterpreterIntfMethod &m = *InterfaceGetters[i];
                    if (m.GetFunc && ObjectModel().SupportsInterface(args.Obj, m.InterfaceId)) {
                        PrepareHostCall(expr, name, m, args);
                        m.GetFunc(value, args);
                        return true;
                    }
                }
            }
        } else if (args.ObjType == varVlRecord) {
            if (ReadRecordMember(expr, name, atom, value, args))
                return true;
        }
    } else if (ReadPlainName(expr, name, atom, value, args)) {
        return true;
    }
    // Script variables: any unit for a plain name, or the unit of a unit qualifier.
    if (!args.Obj) {
        if (atom < static_cast<int32_t>(SrcVarByAtom.size()) && SrcVarByAtom[atom]) {
            value = SrcVarByAtom[atom]->Value;
            return true;
        }
    } else if (args.ObjType == varVlObject) {
        if (TVlInterpreterSrcUnit *unit = AsUnitQualifier(args.Obj)) {
            if (TVlInterpreterVar *var = FindSourceVariable(unit->NameAtom, atom)) {
                value = var->Value;
                return true;
            }
        }
    }
    if (!args.Obj || !objectTarget) {
        if (TVlInterpreterSrcUnit *unit = FindSourceUnitAtom(atom)) {
            static const uint16_t noKinds[VlMaxArgs] = {};
            CheckArgs(0, noKinds, args);
            value = ObjectToValue(unit);
            return true;
        }
    }
    bool done = false;
    for (const auto &hook : GetHooks) {
        hook(this, name, value, args, done);
        if (done)
            return true;
    }
    if (plainRead)
        NotePlainMiss(atom);
    return false;
}

// A plain name none of the steps resolves stays unresolved until the next change, whatever its
// arguments, unless hooks (which may answer anything) or external routines (which a flag turns
// off) could take it or it is a type name (a cast with an argument).
void TVlInterpreterAdapter::NotePlainMiss(int32_t atom)
{
    if (atom <= 0 || !GetHooks.empty() || VlNames().TypeKind(atom) != 0)
        return;
    for (const auto &f : ExtFunctions)
        if (f->NameAtom == atom)
            return;
    Grow(PlainMisses, atom, uint32_t(0));
    PlainMisses[static_cast<size_t>(atom)] = Changes;
}

bool TVlInterpreterAdapter::SetValue(TVlInterpreterExpression *expr, const std::string &name, int32_t atom,
                                     const TVlValue &value, TVlInterpreterArgs &args)
{
    if (!Sorted)
        SortLists();
    if (atom == 0)
        atom = VlNames().Intern(name);
    bool objectTarget = args.Obj && (args.ObjType == varVlObject || args.ObjType == varVlClass) &&
                        !AsUnitQualifier(args.Obj);
    auto callSetter = [&](const TVlInterpreterMethod &m) {
        PrepareHostCall(expr, name, m, args);
        m.SetFunc(value, args);
    };
    const TNameIndex *index = IndexOf(atom);
    if (args.Indexed && objectTarget) {
        if (index && index->IndexedSetter >= 0) {
            for (size_t i = static_cast<size_t>(index->IndexedSetter);
                 i < IndexedSetters.size() && IndexedSetters[i]->NameAtom == atom; ++i) {
                const TVlInterpreterMethod &m = *IndexedSetters[i];
                if (m.SetFunc && ObjectMatches(m.ClassType, args)) {
                    callSetter(m);
                    args.IndexedResult = true;
                    return true;
                }
            }
        }
    } else if (objectTarget) {
        if (args.ObjType == varVlObject && args.Obj && ObjectModel().WriteProperty(args.Obj, name, value))
            return true;
        if (index && index->Setter >= 0) {
            for (size_t i = static_cast<size_t>(index->Setter); i < Setters.size() && Setters[i]->NameAtom == atom; ++i) {
                const TVlInterpreterMethod &m = *Setters[i];
                if (m.SetFunc && ObjectMatches(m.ClassType, args)) {
                    callSetter(m);
                    return true;
                }
            }
        }
    } else if (args.Obj && args.ObjType == varVlRecord) {
        if (WriteRecordMember(expr, name, atom, value, args))
            return true;
    }
    if (!args.Obj && atom < static_cast<int32_t>(SrcVarByAtom.size()) && SrcVarByAtom[atom]) {
        TVlInterpreterVarList::StoreInto(*SrcVarByAtom[atom], value);
        return true;
    }
    bool done = false;
    for (const auto &hook : SetHooks) {
        hook(this, name, value, args, done);
        if (done)
            return true;
    }
    return false;
}

// The first default accessor of the list (getters or setters) registered for the container's class,
// with the request prepared and checked for it; null when the container has none.
const TVlInterpreterMethod *TVlInterpreterAdapter::PrepareDefaultAccessor(
    const std::vector<std::unique_ptr<TVlInterpreterMethod>> &list, bool setter,
    TVlInterpreterExpression *expr, const TVlValue &container, TVlInterpreterArgs &args)
{
    if (container.Kind() != varVlObject || !container.RawPointer())
        return nullptr;
    TVlInterpreterArgs probe;
    probe.Obj = container.RawPointer();
    probe.ObjType = varVlObject;
    for (const auto &m : list) {
        if ((setter ? !m->SetFunc : !m->GetFunc) || !ObjectMatches(m->ClassType, probe))
            continue;
        args.Obj = container.RawPointer();
        args.ObjType = varVlObject;
        args.Data = m->Data;
        args.Caller = expr;
        CheckCall(expr, args, m->Data);
        CheckArgs(m->ParamCount, m->ParamTypes, args);
        return m.get();
    }
    return nullptr;
}

bool TVlInterpreterAdapter::GetElement(TVlInterpreterExpression *expr, const TVlValue &container, TVlValue &result,
                                       TVlInterpreterArgs &args)
{
    const TVlInterpreterMethod *m = PrepareDefaultAccessor(DefaultGetters, false, expr, container, args);
    if (!m)
        return false;
    m->GetFunc(result, args);
    return true;
}

bool TVlInterpreterAdapter::SetElement(TVlInterpreterExpression *expr, const TVlValue &container,
                                       const TVlValue &value, TVlInterpreterArgs &args)
{
    const TVlInterpreterMethod *m = PrepareDefaultAccessor(DefaultSetters, true, expr, container, args);
    if (!m)
        return false;
    m->SetFunc(value, args);
    return true;
}

std::shared_ptr<const TVlInterpreterRecord> TVlInterpreterAdapter::FindRecordType(const std::string &recordName)
{
    for (const auto &record : RecordTypes)
        if (VlSameName(record->Identifier, recordName))
            return record;
    return nullptr;
}

bool TVlInterpreterAdapter::NewRecord(const std::string &recordName, TVlValue &value)
{
    auto record = FindRecordType(recordName);
    if (!record)
        return false;
    value = NewRecordValue(record);
    return true;
}

const TVlInterpreterFunctionDesc *TVlInterpreterAdapter::FindSourceFunctionAtom(int32_t unitAtom, int32_t nameAtom,
                                                                                int32_t classAtom)
{
    if (nameAtom <= 0 || nameAtom >= static_cast<int32_t>(SrcFunctionsByAtom.size()))
        return nullptr;
    const std::vector<int32_t> &entries = SrcFunctionsByAtom[nameAtom];
    for (size_t i = entries.size(); i-- > 0;) {
        const TVlInterpreterSrcFunction &f = *SrcFunctions[entries[i]];
        if (f.Desc.Scope)
            continue;  // visible only inside the routine declaring it
        if (classAtom && f.Desc.ClassAtom != classAtom)
            continue;
        if (unitAtom && f.Desc.UnitAtom != unitAtom)
            continue;
        return &f.Desc;
    }
    if (unitAtom && !classAtom)
        return FindSourceFunctionAtom(0, nameAtom, 0);
    return nullptr;
}

const TVlInterpreterFunctionDesc *TVlInterpreterAdapter::FindScopedFunction(int32_t nameAtom, int32_t scope) const
{
    if (nameAtom <= 0 || nameAtom >= static_cast<int32_t>(SrcFunctionsByAtom.size()))
        return nullptr;
    const std::vector<int32_t> &entries = SrcFunctionsByAtom[nameAtom];
    for (size_t i = entries.size(); i-- > 0;)
        if (SrcFunctions[entries[i]]->Desc.Scope == scope)
            return &SrcFunctions[entries[i]]->Desc;
    return nullptr;
}

void TVlInterpreterAdapter::AddDeclaredType(const std::string &name, TVlDataTypePtr type)
{
    int32_t atom = VlNames().Intern(name);
    for (auto &entry : DeclaredTypes)
        if (entry.first == atom) {
            entry.second = std::move(type);
            return;
        }
    DeclaredTypes.emplace_back(atom, std::move(type));
}

TVlDataTypePtr TVlInterpreterAdapter::FindDeclaredType(int32_t atom) const
{
    for (const auto &entry : DeclaredTypes)
        if (entry.first == atom)
            return entry.second;
    return nullptr;
}

const TVlInterpreterFunctionDesc *TVlInterpreterAdapter::FindSourceFunction(const std::string &unitName,
                                                                            const std::string &name,
                                                                            const std::string &className)
{
    int32_t nameAtom = VlNames().Find(name);
    if (!nameAtom)
        return nullptr;
    int32_t unitAtom = unitName.empty() ? 0 : VlNames().Intern(unitName);
    int32_t classAtom = className.empty() ? 0 : VlNames().Intern(className);
    return FindSourceFunctionAtom(unitAtom, nameAtom, classAtom);
}

bool TVlInterpreterAdapter::HasPlainName(int32_t atom)
{
    if (!Sorted)
        SortLists();
    static const int32_t nilAtom = VlNames().Intern("nil");
    static const int32_t nullAtom = VlNames().Intern("Null");
    if (atom == nilAtom || atom == nullAtom)
        return true;
    if (const TNameIndex *index = IndexOf(atom))
        if (index->ClassRef >= 0 || index->Constant >= 0 || index->Function >= 0)
            return true;
    for (const auto &f : ExtFunctions)
        if (f->NameAtom == atom)
            return true;
    return false;
}

TVlInterpreterSrcUnit *TVlInterpreterAdapter::FindSourceUnitAtom(int32_t atom)
{
    for (const auto &unit : SrcUnits)
        if (unit->NameAtom == atom)
            return unit.get();
    return nullptr;
}

TVlInterpreterSrcUnit *TVlInterpreterAdapter::FindSourceUnit(const std::string &unitName)
{
    int32_t atom = VlNames().Find(unitName);
    return atom ? FindSourceUnitAtom(atom) : nullptr;
}

TVlInterpreterVar *TVlInterpreterAdapter::FindSourceVariable(int32_t unitAtom, int32_t nameAtom)
{
    if (unitAtom == 0)
        return nameAtom < static_cast<int32_t>(SrcVarByAtom.size()) ? SrcVarByAtom[nameAtom] : nullptr;
    for (size_t i = SrcVars.size(); i-- > 0;)
        if (SrcVars[i]->NameAtom == nameAtom && SrcVars[i]->UnitAtom == unitAtom)
            return SrcVars[i].get();
    return nullptr;
}

void TVlInterpreterAdapter::GetUnitSource(const std::string &unitName, std::string &source)
{
    TVlInterpreterSrcUnit *unit = FindSourceUnit(unitName);
    source = unit ? unit->Source : std::string();
}

bool TVlInterpreterAdapter::UnitExists(const std::string &unitName)
{
    int32_t atom = VlNames().Find(unitName);
    if (!atom)
        return false;
    if (FindSourceUnitAtom(atom))
        return true;
    for (const auto &unit : HostUnits)
        if (unit->NameAtom == atom)
            return true;
    return false;
}

bool TVlInterpreterAdapter::IsEventProperty(void *object, const std::string &name)
{
    if (!object)
        return false;
    TVlHostObjectModel &model = ObjectModel();
    for (const auto &entry : EventProperties)
        if (VlSameName(entry->Identifier, name) && model.InheritsFrom(model.ClassOf(object), entry->ClassType))
            return true;
    return false;
}

TVlMethod TVlInterpreterAdapter::NewEvent(const std::string &unitName, const std::string &routineName,
                                          const std::string &eventTypeName, TVlInterpreterProgram *owner,
                                          void *object, const std::string &propertyName)
{
    for (const auto &entry : EventHandlers) {
        if (VlSameName(entry->Identifier, eventTypeName) && entry->EventClass) {
            TVlMethod method;
            method.Code = entry->HandlerCode;
            method.Data = entry->EventClass(owner, object, unitName, routineName, propertyName);
            return method;
        }
    }
    return TVlMethod();
}

TVlInterpreterSrcClass *TVlInterpreterAdapter::FindSourceClass(const std::string &className)
{
    for (const auto &cls : SrcClasses)
        if (VlSameName(cls->Identifier, className))
            return cls.get();
    return nullptr;
}

// ---- maintenance --------------------------------------------------------------------------

void TVlInterpreterAdapter::ClearSource()
{
    NoteChange();
    SrcVarByAtom.clear();
    SrcVars.clear();
    SrcClasses.clear();
    SrcFunctionsByAtom.clear();
    SrcFunctions.clear();
    SrcUnits.clear();
    DeclaredTypes.clear();
    ScopedFunctions = 0;
}

void TVlInterpreterAdapter::ClearHost()
{
    NoteChange();
    HostUnits.clear();
    Getters.clear();
    Setters.clear();
    IndexedGetters.clear();
    IndexedSetters.clear();
    DefaultGetters.clear();
    DefaultSetters.clear();
    InterfaceGetters.clear();
    DirectMethods.clear();
    ClassRefs.clear();
    Constants.clear();
    Functions.clear();
    RecordGetters.clear();
    RecordSetters.clear();
    RecordTypes.clear();
    GetHooks.clear();
    SetHooks.clear();
    ExtFunctions.clear();
    EventHandlers.clear();
    EventProperties.clear();
    FormattedArgs.clear();
    HostUnitAtoms.clear();
    NameIndex.clear();
    Sorted = false;
}

void TVlInterpreterAdapter::Clear()
{
    ClearSource();
    ClearHost();
}

void TVlInterpreterAdapter::Assign(const TVlInterpreterAdapter &other)
{
    if (&other == this)
        return;
    auto kinds = [](const uint16_t *types) { return TVlKinds(types, VlMaxArgs); };
    for (const auto &m : other.Getters)
        AddGetter(m->ClassType, m->Identifier, m->GetFunc, m->ParamCount, kinds(m->ParamTypes), m->ResultType, m->Data);
    for (const auto &m : other.Setters)
        AddSetter(m->ClassType, m->Identifier, m->SetFunc, m->ParamCount, kinds(m->ParamTypes), m->Data);
    for (const auto &m : other.IndexedGetters)
        AddIndexedGetter(m->ClassType, m->Identifier, m->GetFunc, m->ParamCount, kinds(m->ParamTypes), m->ResultType, m->Data);
    for (const auto &m : other.IndexedSetters)
        AddIndexedSetter(m->ClassType, m->Identifier, m->SetFunc, m->ParamCount, kinds(m->ParamTypes), m->Data);
    for (const auto &m : other.DefaultGetters)
        AddDefaultGetter(m->ClassType, m->GetFunc, m->ParamCount, kinds(m->ParamTypes), m->ResultType, m->Data);
    for (const auto &m : other.DefaultSetters)
        AddDefaultSetter(m->ClassType, m->SetFunc, m->ParamCount, kinds(m->ParamTypes), m->Data);
    for (const auto &m : other.InterfaceGetters)
        AddInterfaceGetter(m->InterfaceId, m->Identifier, m->GetFunc, m->ParamCount, kinds(m->ParamTypes), m->ResultType, m->Data);
    for (const auto &m : other.DirectMethods)
        AddDirectMethod(m->ClassType, m->Identifier, m->NativeEntry, m->ParamCount, kinds(m->ParamTypes), m->ResultType,
                        m->CallFlags, m->Data);
    for (const auto &m : other.Functions)
        AddHostFunction(m->UnitName, m->Identifier, m->GetFunc, m->ParamCount, kinds(m->ParamTypes), m->ResultType, m->Data);
    for (const auto &u : other.HostUnits)
        AddHostUnit(u->UnitName, u->Data);
    for (const auto &c : other.ClassRefs) {
        AddClassType(c->UnitName, c->ClassType, c->Identifier, c->Data);
        ClassRefs.back()->Vars = c->Vars;
    }
    for (const auto &f : other.SrcFunctions)
        AddSourceFunction(f->Desc, f->Data);
    for (const auto &u : other.SrcUnits) {
        std::string uses;
        for (const std::string &name : u->UsesList)
            uses += (uses.empty() ? "" : ",") + name;
        AddSourceUnit(u->UnitName, u->Source, uses, u->Data);
    }
    for (const auto &c : other.Constants)
        AddConstant(c->UnitName, c->Identifier, c->Value, c->Data);
    for (const auto &r : other.RecordTypes)
        RecordTypes.push_back(r);
    for (const auto &m : other.RecordGetters) {
        auto copy = std::make_unique<TVlInterpreterRecMethod>(*m);
        RecordGetters.push_back(std::move(copy));
    }
    for (const auto &m : other.RecordSetters) {
        auto copy = std::make_unique<TVlInterpreterRecMethod>(*m);
        RecordSetters.push_back(std::move(copy));
    }
    for (const auto &f : other.ExtFunctions)
        AddExternalFunction(f->UnitName, f->Identifier, f->DllInstance, f->DllName, f->FunctionName, f->FunctionIndex,
                            f->Desc.ParamCount, kinds(f->Desc.ParamTypes), f->Desc.ResultType, f->Data);
    for (const auto &e : other.EventHandlers)
        AddEventHandler(e->UnitName, e->Identifier, e->EventClass, e->HandlerCode, e->Data);
    for (const auto &e : other.EventProperties)
        AddEventProperty(e->UnitName, e->ClassType, e->Identifier, e->Data);
    for (const auto &h : other.GetHooks)
        AddGetHook(h);
    for (const auto &h : other.SetHooks)
        AddSetHook(h);
    for (size_t atom = 0; atom < other.FormattedArgs.size(); ++atom)
        if (other.FormattedArgs[atom]) {
            Grow(FormattedArgs, static_cast<int32_t>(atom), char(0));
            FormattedArgs[atom] = 1;
        }
}
