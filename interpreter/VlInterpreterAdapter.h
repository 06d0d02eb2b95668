// The registry of host names (classes, members, routines, constants, records, events) and of
// what script sources declare; one per interpreter program plus the process-wide GlobalAdapter.
//
// Registering a host function (a plain procedure receiving the result slot and the request):
//
//     static void HostIntToStr(TVlValue &value, TVlInterpreterArgs &args)
//     {
//         value = TVlValue::String(std::to_string(ValueToInteger(args.Values[0])));
//     }
//     GlobalAdapter().AddHostFunction("SysUtils", "IntToStr", HostIntToStr, 1, {varEmpty}, varEmpty);
//
// Registering a class with a constructor and a property getter (the target object or class is
// in args.Obj; ParamCount -1 accepts any number of arguments unchecked):
//
//     static void ListCreate(TVlValue &value, TVlInterpreterArgs &) { value = ObjectToValue(new TList); }
//     static void ListCount(TVlValue &value, TVlInterpreterArgs &args)
//     { value = TVlValue::Integer(static_cast<TList *>(args.Obj)->Count()); }
//     GlobalAdapter().AddClassType("Classes", TList::ClassInfo(), "TList");
//     GlobalAdapter().AddGetter(TList::ClassInfo(), "Create", ListCreate, 0, {}, varEmpty);
//     GlobalAdapter().AddGetter(TList::ClassInfo(), "Count", ListCount, 0, {}, varEmpty);
//
// Classes are opaque pointers (TVlHostClass); install a TVlHostObjectModel with
// SetObjectModel so that the registry can test "is an instance of", read published
// properties, free objects and raise or catch host exception objects.
#pragma once

#include "VlInterpreterArgs.h"
#include "VlInterpreterNames.h"
#include "VlInterpreterTypes.h"

#include <exception>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TVlInterpreterExpression;
class TVlInterpreterProgram;
struct TVlSource;

using THostGetProc = void (*)(TVlValue &value, TVlInterpreterArgs &args);
using THostSetProc = void (*)(const TVlValue &value, TVlInterpreterArgs &args);

// A method pointer: handler code and the object it runs on (an event bridge, a form, ...).
struct TVlMethod {
    void *Code = nullptr;
    void *Data = nullptr;
    bool IsEmpty() const { return Code == nullptr && Data == nullptr; }
};

struct TVlGuid {
    uint32_t D1 = 0;
    uint16_t D2 = 0, D3 = 0;
    uint8_t D4[8] = {};
};

// A list of up to 33 parameter kinds, from a brace list or from a table.
struct TVlKinds {
    TVlKinds() = default;
    TVlKinds(std::initializer_list<uint16_t> kinds);
    TVlKinds(const uint16_t *kinds, int count);
    uint16_t Items[VlMaxArgs] = {};
};

// What the registry needs to know about host objects. The bindings install one model for the
// process (GlobalAdapter().SetObjectModel); without one, objects are opaque.
class TVlHostObjectModel {
public:
    virtual ~TVlHostObjectModel() = default;
    virtual TVlHostClass ClassOf(void *object) const = 0;
    // cls is ancestor or derives from it.
    virtual bool InheritsFrom(TVlHostClass cls, TVlHostClass ancestor) const = 0;
    virtual std::string ClassName(TVlHostClass cls) const = 0;
    // Published properties, converted by property kind; answer false when there is none.
    virtual bool ReadProperty(void *object, const std::string &name, TVlValue &value) const;
    virtual bool WriteProperty(void *object, const std::string &name, const TVlValue &value) const;
    // Method (event) properties; answer false when the object has no such method property.
    virtual bool GetMethodProperty(void *object, const std::string &name,
                                   std::string &eventTypeName, TVlMethod &handler) const;
    virtual void SetMethodProperty(void *object, const std::string &name,
                                   const TVlMethod &handler) const;
    virtual void FreeObject(void *object) const;
    // The class of a live object, or nullptr (not live, not an object, or the model cannot tell
    // cheaply). A model that answers promises that what ReadProperty finds for a live object
    // depends on its class and the name only, so the registry may remember it per class.
    virtual TVlHostClass LiveClassOf(void *object) const;
    // The host object of a caught exception, valid while the exception is held; nullptr
    // when the exception has none (such exceptions are caught only by a plain "except").
    virtual void *ExceptionObject(const std::exception_ptr &error) const;
    // Raises a host exception object ("raise E"); the default raises EVlRuntimeError.
    [[noreturn]] virtual void RaiseObject(void *object) const;
    virtual bool SupportsInterface(void *intf, const TVlGuid &id) const;
};

class TVlInterpreterIdentifier {
public:
    virtual ~TVlInterpreterIdentifier() = default;
    std::string UnitName;
    std::string Identifier;
    void *Data = nullptr;
    int32_t NameAtom = 0;
};

class TVlInterpreterMethod : public TVlInterpreterIdentifier {
public:
    TVlHostClass ClassType = nullptr;
    int8_t ParamCount = 0;  // -1: any number, unchecked
    uint16_t ParamTypes[VlMaxArgs] = {};
    uint16_t ResultType = 0;
    THostGetProc GetFunc = nullptr;
    THostSetProc SetFunc = nullptr;
};

class TVlInterpreterDMethod : public TVlInterpreterMethod {
public:
    void *NativeEntry = nullptr;
    uint8_t CallFlags = 0;  // bit 0: the native register calling convention
};

class TVlInterpreterIntfMethod : public TVlInterpreterIdentifier {
public:
    TVlGuid InterfaceId;
    int8_t ParamCount = 0;
    uint16_t ParamTypes[VlMaxArgs] = {};
    uint16_t ResultType = 0;
    THostGetProc GetFunc = nullptr;
};

class TVlInterpreterClass : public TVlInterpreterIdentifier {
public:
    TVlInterpreterVarList Vars;  // fields of a script class
    TVlHostClass ClassType = nullptr;
};

class TVlInterpreterConst : public TVlInterpreterIdentifier {
public:
    TVlValue Value;
};

struct TVlInterpreterRecField {
    std::string Identifier;
    int32_t Offset = 0;      // byte offset in the record memory
    uint16_t FieldType = 0;  // 0 and 12: a whole TVlValue; 256: a std::string object
    TVlDataTypePtr DataType;
};

using TVlRecordCreateFunc = void *(*)();
using TVlRecordDestroyFunc = void (*)(void *memory);
using TVlRecordCopyFunc = void (*)(void *destination, const void *source);

class TVlInterpreterRecord : public TVlInterpreterIdentifier {
public:
    int32_t RecordSize = 0;
    std::vector<TVlInterpreterRecField> Fields;
    TVlRecordCreateFunc CreateFunc = nullptr;
    TVlRecordDestroyFunc DestroyFunc = nullptr;
    TVlRecordCopyFunc CopyFunc = nullptr;
};

class TVlInterpreterRecMethod : public TVlInterpreterIdentifier {
public:
    std::shared_ptr<const TVlInterpreterRecord> Record;
    int8_t ParamCount = 0;
    uint16_t ParamTypes[VlMaxArgs] = {};
    uint16_t ResultType = 0;
    THostGetProc GetFunc = nullptr;
    THostSetProc SetFunc = nullptr;
};

class TVlInterpreterSrcUnit : public TVlInterpreterIdentifier {
public:
    TVlInterpreterSrcUnit();
    ~TVlInterpreterSrcUnit() override;
    TVlInterpreterSrcUnit(const TVlInterpreterSrcUnit &) = delete;
    TVlInterpreterSrcUnit &operator=(const TVlInterpreterSrcUnit &) = delete;
    std::string Source;
    std::vector<std::string> UsesList;  // at most 33
    std::shared_ptr<TVlSource> Tokens;  // the tokenized Source, made on first use
};

// A routine read from source (or declared external): where its text is and what it takes.
struct TVlInterpreterFunctionDesc {
    std::string UnitName;
    std::string Identifier;
    std::string ClassIdentifier;
    int32_t ParamCount = 0;
    uint16_t ParamTypes[VlMaxArgs] = {};
    std::string ParamTypeNames[VlMaxArgs];
    std::string ParamNames[VlMaxArgs];
    uint16_t ResultType = 0;  // 0 for a procedure
    std::string ResultTypeName;
    TVlDataTypePtr ResultDataType;
    int32_t BodyStart = 0;  // offset just after the heading's ";"
    int32_t BodyEnd = 0;    // offset just after the body's "end"
    int32_t ParamAtoms[VlMaxArgs] = {};
    int32_t UnitAtom = 0;               // interned UnitName (0 when empty)
    int32_t ClassAtom = 0;              // interned ClassIdentifier (0 when empty)
    mutable int32_t BodyToken = -1;     // token index of BodyStart, found on the first call
    // Routines declared inside a routine (the fuller dialect): Scope is the OwnScope of the routine
    // they are declared in (0 at unit level); OwnScope identifies this routine's own declarations.
    int32_t Scope = 0;
    int32_t OwnScope = 0;
    // The body assigns to the routine's own name: reading the bare name then reads the result.
    bool AssignsOwnName = false;
    // Per parameter: it takes whole arrays and records (its type is an array, record or open array
    // type of the fuller dialect); OpenArray: "array of T", seen zero-based by the routine.
    bool TakesComposite[VlMaxArgs] = {};
    bool OpenArray[VlMaxArgs] = {};
};

class TVlInterpreterSrcFunction : public TVlInterpreterIdentifier {
public:
    TVlInterpreterFunctionDesc Desc;
};

class TVlInterpreterExtFunction : public TVlInterpreterSrcFunction {
public:
    void *DllInstance = nullptr;  // nullptr: load DllName
    std::string DllName;
    std::string FunctionName;
    int32_t FunctionIndex = -1;
};

// An event bridge: calls a script routine when the host raises an event of a host object.
// Bridge classes of the binding units derive from it and add one handler per event type.
class TVlInterpreterEvent {
public:
    TVlInterpreterEvent(TVlInterpreterProgram *owner, void *object, std::string unitName,
                        std::string routineName, std::string propertyName);
    virtual ~TVlInterpreterEvent() = default;
    // The bridge's own request record; handlers append the event's parameters to it.
    TVlInterpreterArgs &Args();
    // Runs the script routine with the host object as its context; Args().Values hold the
    // final values of by-reference parameters afterwards.
    TVlValue CallScript();
    // Expires when the bridge is freed: a host that keeps the bridge's method where the program
    // cannot clear it (a library object's event) checks it before calling.
    std::weak_ptr<const void> Lifetime() const { return Alive; }
    // A handler may replace its own event while it runs: the bridge then outlives the call.
    bool IsRunning() const { return Running > 0; }
    void Retire() { Alive.reset(); }

    TVlInterpreterProgram *Owner;
    void *Object;
    std::string UnitName;
    std::string RoutineName;
    std::string PropertyName;

private:
    std::unique_ptr<TVlInterpreterArgs> OwnArgs;
    std::shared_ptr<const void> Alive = std::make_shared<char>(0);
    int Running = 0;
};

using TVlEventFactory = TVlInterpreterEvent *(*)(TVlInterpreterProgram *owner, void *object,
                                                 const std::string &unitName,
                                                 const std::string &routineName,
                                                 const std::string &propertyName);

class TVlInterpreterEventDesc : public TVlInterpreterIdentifier {
public:
    TVlEventFactory EventClass = nullptr;
    void *HandlerCode = nullptr;
};

class TVlInterpreterEventProperty : public TVlInterpreterIdentifier {
public:
    TVlHostClass ClassType = nullptr;
};

// A script class (type T = class(...) ... end).
class TVlInterpreterSrcClass : public TVlInterpreterClass {
public:
    std::string ParentName;
};

using TVlInterpreterGetValue = std::function<void(void *sender, const std::string &identifier,
                                                  TVlValue &value, TVlInterpreterArgs &args,
                                                  bool &done)>;
using TVlInterpreterSetValue = std::function<void(void *sender, const std::string &identifier,
                                                  const TVlValue &value, TVlInterpreterArgs &args,
                                                  bool &done)>;

class TVlInterpreterAdapter {
public:
    explicit TVlInterpreterAdapter(TVlInterpreterExpression *owner = nullptr);
    virtual ~TVlInterpreterAdapter();
    TVlInterpreterAdapter(const TVlInterpreterAdapter &) = delete;
    TVlInterpreterAdapter &operator=(const TVlInterpreterAdapter &) = delete;

    // Host registrations.
    void AddSourceUnit(const std::string &unitName, const std::string &source,
                       const std::string &usesList, void *data = nullptr);
    void AddHostUnit(const std::string &unitName, void *data = nullptr);
    void AddClassType(const std::string &unitName, TVlHostClass classType,
                      const std::string &className, void *data = nullptr);
    void AddGetter(TVlHostClass classType, const std::string &name, THostGetProc func,
                   int paramCount, const TVlKinds &paramTypes, uint16_t resultType,
                   void *data = nullptr);
    void AddSetter(TVlHostClass classType, const std::string &name, THostSetProc func,
                   int paramCount, const TVlKinds &paramTypes, void *data = nullptr);
    void AddIndexedGetter(TVlHostClass classType, const std::string &name, THostGetProc func,
                          int paramCount, const TVlKinds &paramTypes, uint16_t resultType,
                          void *data = nullptr);
    void AddIndexedSetter(TVlHostClass classType, const std::string &name, THostSetProc func,
                          int paramCount, const TVlKinds &paramTypes, void *data = nullptr);
    void AddDefaultGetter(TVlHostClass classType, THostGetProc func, int paramCount,
                          const TVlKinds &paramTypes, uint16_t resultType, void *data = nullptr);
    void AddDefaultSetter(TVlHostClass classType, THostSetProc func, int paramCount,
                          const TVlKinds &paramTypes, void *data = nullptr);
    void AddInterfaceGetter(const TVlGuid &interfaceId, const std::string &name,
                            THostGetProc func, int paramCount, const TVlKinds &paramTypes,
                            uint16_t resultType, void *data = nullptr);
    void AddDirectMethod(TVlHostClass classType, const std::string &name, void *nativeEntry,
                         int paramCount, const TVlKinds &paramTypes, uint16_t resultType,
                         uint8_t callFlags, void *data = nullptr);
    void AddHostFunction(const std::string &unitName, const std::string &name, THostGetProc func,
                         int paramCount, const TVlKinds &paramTypes, uint16_t resultType,
                         void *data = nullptr);
    void AddConstant(const std::string &unitName, const std::string &name, const TVlValue &value,
                     void *data = nullptr);
    std::shared_ptr<TVlInterpreterRecord> AddRecordType(const std::string &unitName, const std::string &name,
                                        int32_t recordSize,
                                        const std::vector<TVlInterpreterRecField> &fields,
                                        TVlRecordCreateFunc createFunc = nullptr,
                                        TVlRecordDestroyFunc destroyFunc = nullptr,
                                        TVlRecordCopyFunc copyFunc = nullptr,
                                        void *data = nullptr);
    void AddRecordGetter(const std::string &unitName, const std::string &recordName,
                         const std::string &name, THostGetProc func, int paramCount,
                         const TVlKinds &paramTypes, uint16_t resultType, void *data = nullptr);
    void AddRecordSetter(const std::string &unitName, const std::string &recordName,
                         const std::string &name, THostSetProc func, int paramCount,
                         const TVlKinds &paramTypes, void *data = nullptr);
    void AddExternalFunction(const std::string &unitName, const std::string &name,
                             void *dllInstance, const std::string &dllName,
                             const std::string &functionName, int32_t functionIndex,
                             int paramCount, const TVlKinds &paramTypes, uint16_t resultType,
                             void *data = nullptr);
    void AddSourceFunction(const TVlInterpreterFunctionDesc &desc, void *data = nullptr);
    // Raises code 111 when the unit already has a variable of that name.
    void AddSourceVariable(const std::string &unitName, const std::string &name,
                           const TVlDataTypePtr &dataType, const TVlValue &value, uint16_t kind,
                           const std::string &typeName);
    virtual void AddSourceClass(std::unique_ptr<TVlInterpreterSrcClass> cls);
    void AddEventHandler(const std::string &unitName, const std::string &eventTypeName,
                         TVlEventFactory eventClass, void *handlerCode, void *data = nullptr);
    void AddEventProperty(const std::string &unitName, TVlHostClass classType,
                          const std::string &name, void *data = nullptr);
    void AddGetHook(TVlInterpreterGetValue hook);
    void AddSetHook(TVlInterpreterSetValue hook);
    // Routines whose arguments may carry ": width [: decimals]" (console output).
    void AddFormattedArgs(const std::string &name);
    bool AcceptsFormattedArgs(int32_t nameAtom) const;

    // Resolution. atom may be 0 (then it is computed from name).
    virtual void CheckCall(TVlInterpreterExpression *expr, TVlInterpreterArgs &args, void *data);
    virtual bool GetValue(TVlInterpreterExpression *expr, const std::string &name, int32_t atom,
                          TVlValue &value, TVlInterpreterArgs &args);
    virtual bool SetValue(TVlInterpreterExpression *expr, const std::string &name, int32_t atom,
                          const TVlValue &value, TVlInterpreterArgs &args);
    virtual bool GetElement(TVlInterpreterExpression *expr, const TVlValue &container,
                            TVlValue &result, TVlInterpreterArgs &args);
    virtual bool SetElement(TVlInterpreterExpression *expr, const TVlValue &container,
                            const TVlValue &value, TVlInterpreterArgs &args);
    virtual bool NewRecord(const std::string &recordName, TVlValue &value);
    virtual const TVlInterpreterFunctionDesc *FindSourceFunction(const std::string &unitName,
                                                                 const std::string &name,
                                                                 const std::string &className);
    virtual void GetUnitSource(const std::string &unitName, std::string &source);
    virtual bool UnitExists(const std::string &unitName);
    virtual bool IsEventProperty(void *object, const std::string &name);
    virtual TVlMethod NewEvent(const std::string &unitName, const std::string &routineName,
                               const std::string &eventTypeName, TVlInterpreterProgram *owner,
                               void *object, const std::string &propertyName);
    virtual TVlInterpreterSrcClass *FindSourceClass(const std::string &className);
    virtual std::shared_ptr<const TVlInterpreterRecord> FindRecordType(const std::string &recordName);
    // Types named in type sections of the fuller dialect (aliases, ordinal, array, set types).
    void AddDeclaredType(const std::string &name, TVlDataTypePtr type);
    TVlDataTypePtr FindDeclaredType(int32_t atom) const;
    // A routine declared inside the routine whose OwnScope is scope (the fuller dialect).
    const TVlInterpreterFunctionDesc *FindScopedFunction(int32_t nameAtom, int32_t scope) const;
    bool HasScopedFunctions() const { return ScopedFunctions > 0; }
    // Adds a record type declared by a script.
    void AddScriptRecordType(std::shared_ptr<TVlInterpreterRecord> record);

    // What an earlier read of member atom of a live object of class cls (model telling the class)
    // found here, valid while this adapter has not changed: nullopt when nothing valid is
    // remembered, else the getter that served it (nullptr: nothing here answers the member).
    std::optional<const TVlInterpreterMethod *> RememberedMember(int32_t atom, TVlHostClass cls,
                                                                 const TVlHostObjectModel &model) const;
    // Calls a getter that RememberedMember gave, as the lookup would.
    void CallRemembered(TVlInterpreterExpression *expr, const TVlInterpreterMethod &getter, const std::string &name,
                        TVlValue &value, TVlInterpreterArgs &args)
    {
        CallGetter(expr, getter, name, value, args);
    }

    // Checks an argument count against a registration (codes 181, 182) and notes var args.
    static void CheckArgs(int paramCount, const uint16_t *paramTypes, TVlInterpreterArgs &args);

    // Maintenance.
    void SortLists();
    void ClearSource();
    void ClearHost();
    void Clear();
    void Assign(const TVlInterpreterAdapter &other);

    void SetObjectModel(std::shared_ptr<TVlHostObjectModel> model);
    // The installed object model; without one a model that knows no classes.
    TVlHostObjectModel &ObjectModel() const;

    TVlInterpreterSrcUnit *FindSourceUnit(const std::string &unitName);
    TVlInterpreterSrcUnit *FindSourceUnitAtom(int32_t atom);
    TVlInterpreterVar *FindSourceVariable(int32_t unitAtom, int32_t nameAtom);
    const TVlInterpreterFunctionDesc *FindSourceFunctionAtom(int32_t unitAtom, int32_t nameAtom,
                                                             int32_t classAtom);
    bool HasSourceFunctions() const { return !SrcFunctions.empty(); }
    // Whether any script routine (in any unit or scope) has this name.
    bool HasSourceFunctionNamed(int32_t nameAtom) const
    {
        return nameAtom > 0 && nameAtom < static_cast<int32_t>(SrcFunctionsByAtom.size()) &&
               !SrcFunctionsByAtom[static_cast<size_t>(nameAtom)].empty();
    }
    // Whether a plain name resolves before the script variables (class, constant, routine,
    // external routine, nil, Null).
    bool HasPlainName(int32_t atom);
    // Whether a unit name was registered for host names (AddHostUnit or any registration's
    // unit name), so that "uses" clauses naming it are satisfied.
    bool HasHostUnit(int32_t unitAtom) const;
    // The source unit an Object value's payload stands for, when it is a unit qualifier.
    static TVlInterpreterSrcUnit *AsUnitQualifier(void *object);

    bool Sorted = false;
    bool ExternalCallsDisabled = false;
    TVlInterpreterExpression *Owner;
    int32_t SortCount = 0;  // how often SortLists ran (lazy sorting is observable in tests)

    // The lists, each owning its records.
    std::vector<std::unique_ptr<TVlInterpreterSrcUnit>> SrcUnits;
    std::vector<std::unique_ptr<TVlInterpreterIdentifier>> HostUnits;
    std::vector<std::unique_ptr<TVlInterpreterMethod>> Getters, Setters, IndexedGetters,
        IndexedSetters, DefaultGetters, DefaultSetters;
    std::vector<std::unique_ptr<TVlInterpreterIntfMethod>> InterfaceGetters;
    std::vector<std::unique_ptr<TVlInterpreterDMethod>> DirectMethods;
    std::vector<std::unique_ptr<TVlInterpreterClass>> ClassRefs;
    std::vector<std::unique_ptr<TVlInterpreterConst>> Constants;
    std::vector<std::unique_ptr<TVlInterpreterMethod>> Functions;
    std::vector<std::shared_ptr<TVlInterpreterRecord>> RecordTypes;
    std::vector<std::unique_ptr<TVlInterpreterRecMethod>> RecordGetters, RecordSetters;
    std::vector<TVlInterpreterGetValue> GetHooks;
    std::vector<TVlInterpreterSetValue> SetHooks;
    std::vector<std::unique_ptr<TVlInterpreterSrcFunction>> SrcFunctions;
    std::vector<std::unique_ptr<TVlInterpreterExtFunction>> ExtFunctions;
    std::vector<std::unique_ptr<TVlInterpreterEventDesc>> EventHandlers;
    std::vector<std::unique_ptr<TVlInterpreterEventProperty>> EventProperties;
    std::vector<std::unique_ptr<TVlInterpreterVar>> SrcVars;  // newest last; lookups walk back
    std::vector<std::unique_ptr<TVlInterpreterSrcClass>> SrcClasses;
    std::vector<std::pair<int32_t, TVlDataTypePtr>> DeclaredTypes;  // by name atom

private:
    int32_t ScopedFunctions = 0;  // registered routines declared inside routines
    struct TNameIndex;
    bool ReadPlainName(TVlInterpreterExpression *expr, const std::string &name, int32_t atom,
                       TVlValue &value, TVlInterpreterArgs &args);
    bool ReadObjectMember(TVlInterpreterExpression *expr, const std::string &name, int32_t atom,
                          TVlValue &value, TVlInterpreterArgs &args);
    bool ReadRecordMember(TVlInterpreterExpression *expr, const std::string &name, int32_t atom,
                          TVlValue &value, TVlInterpreterArgs &args);
    bool WriteRecordMember(TVlInterpreterExpression *expr, const std::string &name, int32_t atom,
                           const TVlValue &value, TVlInterpreterArgs &args);
    const TVlInterpreterMethod *MatchingGetter(const std::vector<std::unique_ptr<TVlInterpreterMethod>> &list,
                                               int first, int32_t atom, const TVlInterpreterArgs &args) const;
    bool CallMatchingGetter(const std::vector<std::unique_ptr<TVlInterpreterMethod>> &list,
                            int first, TVlInterpreterExpression *expr, const std::string &name,
                            int32_t atom, TVlValue &value, TVlInterpreterArgs &args);
    bool ObjectMatches(TVlHostClass classType, const TVlInterpreterArgs &args) const;
    const TVlInterpreterMethod *PrepareDefaultAccessor(
        const std::vector<std::unique_ptr<TVlInterpreterMethod>> &list, bool setter,
        TVlInterpreterExpression *expr, const TVlValue &container, TVlInterpreterArgs &args);
    void CallGetter(TVlInterpreterExpression *expr, const TVlInterpreterMethod &m,
                    const std::string &name, TVlValue &value, TVlInterpreterArgs &args);
    // What precedes every call of a registered host routine: the name as the script wrote it,
    // the registration's Data, the calling expression, CheckCall (for the kinds that call it)
    // and CheckArgs.
    template <typename TRegistration>
    void PrepareHostCall(TVlInterpreterExpression *expr, const std::string &name, const TRegistration &entry,
                         TVlInterpreterArgs &args, bool checkCall = true)
    {
        args.Identifier = name;
        args.Data = entry.Data;
        args.Caller = expr;
        if (checkCall)
            CheckCall(expr, args, entry.Data);
        CheckArgs(entry.ParamCount, entry.ParamTypes, args);
    }
    const TNameIndex *IndexOf(int32_t atom);
    // Every registration and clearing counts as a change; what a lookup found out is remembered
    // with the count it was found at and holds while no change follows.
    uint32_t Changes = 1;
    void NoteChange() { ++Changes; }
    void NoteAddition()
    {
        Sorted = false;
        NoteChange();
    }
    // By atom: the change count at which a plain name was last found to be nobody's here.
    std::vector<uint32_t> PlainMisses;
    bool KnownPlainMiss(int32_t atom) const
    {
        return atom < static_cast<int32_t>(PlainMisses.size()) && PlainMisses[static_cast<size_t>(atom)] == Changes;
    }
    void NotePlainMiss(int32_t atom);
    // By atom: for the class of the last live object whose member of that name was read here
    // without a published property answering, the getter that served it (nullptr: none did).
    struct TMemberMemo {
        uint32_t Changes = 0;
        TVlHostClass Class = nullptr;
        const TVlHostObjectModel *Model = nullptr;
        const TVlInterpreterMethod *Getter = nullptr;
    };
    std::vector<TMemberMemo> MemberMemos;
    void NoteMember(int32_t atom, TVlHostClass cls, const TVlHostObjectModel &model, const TVlInterpreterMethod *getter);
    // The memo of member atom when it was made for cls and model at the current change count.
    const TMemberMemo *ValidMemo(int32_t atom, TVlHostClass cls, const TVlHostObjectModel &model) const;
    std::vector<TNameIndex> NameIndex;  // by atom, rebuilt by SortLists
    std::vector<std::vector<int32_t>> SrcFunctionsByAtom;
    std::vector<TVlInterpreterVar *> SrcVarByAtom;  // newest variable of a name, any unit
    void NoteHostUnit(const std::string &unitName);
    std::vector<char> FormattedArgs;  // by atom
    std::vector<char> HostUnitAtoms;  // by atom
    std::shared_ptr<TVlHostObjectModel> Model;
};

// The process-wide adapter holding the host bindings; created on first use.
TVlInterpreterAdapter &GlobalAdapter();
