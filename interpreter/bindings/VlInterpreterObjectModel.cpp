// The rtl object model for the interpreter and the Exception class family scripts catch and raise.
#include "VlInterpreterObjectModel.h"

#include "VlInterpreterBindingTable.h"
#include "VlInterpreterLibraryEvents.h"
#include "interpreter/VlInterpreterError.h"
#include "rtl/VlExceptions.h"
#include "rtl/VlTypInfo.h"

#include <map>
#include <mutex>
#include <new>
#include <stdexcept>
#include <unordered_map>

namespace {

struct TExceptionClassDef {
    const char *Name;
    const char *Parent;  // nullptr: TObject
    const char *Unit;
};

// Parents come before their descendants.
const TExceptionClassDef ExceptionClassDefs[] = {
    {"Exception", nullptr, "SysUtils"},
    {"EAbort", "Exception", "SysUtils"},
    {"EOutOfMemory", "Exception", "SysUtils"},
    {"EInOutError", "Exception", "SysUtils"},
    {"EIntError", "Exception", "SysUtils"},
    {"EDivByZero", "EIntError", "SysUtils"},
    {"ERangeError", "EIntError", "SysUtils"},
    {"EIntOverflow", "EIntError", "SysUtils"},
    {"EMathError", "Exception", "SysUtils"},
    {"EInvalidOp", "EMathError", "SysUtils"},
    {"EZeroDivide", "EMathError", "SysUtils"},
    {"EOverflow", "EMathError", "SysUtils"},
    {"EUnderflow", "EMathError", "SysUtils"},
    {"EInvalidPointer", "Exception", "SysUtils"},
    {"EInvalidCast", "Exception", "SysUtils"},
    {"EConvertError", "Exception", "SysUtils"},
    {"EAccessViolation", "Exception", "SysUtils"},
    {"EPrivilege", "Exception", "SysUtils"},
    {"EControlC", "Exception", "SysUtils"},
    {"EVariantError", "Exception", "SysUtils"},
    {"EPropReadOnly", "Exception", "SysUtils"},
    {"EPropWriteOnly", "Exception", "SysUtils"},
    {"EExternalException", "Exception", "SysUtils"},
    {"EAssertionFailed", "Exception", "SysUtils"},
    {"EAbstractError", "Exception", "SysUtils"},
    {"EIntfCastError", "Exception", "SysUtils"},
    {"EInvalidContainer", "Exception", "SysUtils"},
    {"EInvalidInsert", "Exception", "SysUtils"},
    {"EPackageError", "Exception", "SysUtils"},
    {"EOSError", "Exception", "SysUtils"},
    // Raised by the list, stream and component classes.
    {"EListError", "Exception", "Classes"},
    {"EStringListError", "Exception", "Classes"},
    {"EStreamError", "Exception", "Classes"},
    {"EFileStreamError", "EStreamError", "Classes"},
    {"EFCreateError", "EFileStreamError", "Classes"},
    {"EFOpenError", "EFileStreamError", "Classes"},
    {"EFilerError", "EStreamError", "Classes"},
    {"EReadError", "EFilerError", "Classes"},
    {"EWriteError", "EFilerError", "Classes"},
    {"EClassNotFound", "EFilerError", "Classes"},
    {"EInvalidImage", "EFilerError", "Classes"},
    {"EParserError", "EConvertError", "Classes"},
    {"EInvalidOperation", "Exception", "Classes"},
    {"EComponentError", "Exception", "Classes"},
    {"EPropertyError", "Exception", "Classes"},
    // Raised by data sets and database engines.
    {"EDatabaseError", "Exception", "Db"},
    {"EDBEngineError", "EDatabaseError", "DbTables"},
    {"ENoResultSet", "EDatabaseError", "DbTables"},
    // The interpreter's own failures, so that "on E: Exception" sees them too.
    {"EVlInterpreterError", "Exception", "VlInterpreter"},
    {"EVlException", "Exception", "VlInterpreter"},
};

struct TExceptionClasses {
    std::vector<std::unique_ptr<TClassInfo>> Infos;
    std::map<std::string, const TClassInfo *, std::less<>> ByName;  // lower-cased names
    TExceptionClasses()
    {
        for (const TExceptionClassDef &def : ExceptionClassDefs) {
            const TClassInfo *parent = def.Parent ? ByName.at(LowerAscii(def.Parent)) : &TObject::StaticClassInfo();
            Infos.push_back(std::make_unique<TClassInfo>(def.Name, parent, def.Unit, nullptr,
                                                         std::vector<TPropInfo>{}));
            ByName[LowerAscii(def.Name)] = Infos.back().get();
        }
    }
    static std::string LowerAscii(std::string_view s)
    {
        std::string r(s);
        for (char &c : r)
            if (c >= 'A' && c <= 'Z')
                c = char(c + 32);
        return r;
    }
};

const TExceptionClasses &ExceptionClasses()
{
    static const TExceptionClasses classes;
    return classes;
}

// Objects currently owned by a raised EVlScriptException, so that raising one again shares it.
std::mutex RaisedLock;
std::unordered_map<TObject *, std::weak_ptr<TObject>> Raised;

template <class E>
bool Is(const std::exception &e)
{
    return dynamic_cast<const E *>(&e) != nullptr;
}

// Library exceptions by their class, most derived first.
const struct {
    bool (*Test)(const std::exception &);
    const char *ClassName;
} LibraryExceptions[] = {
    {Is<EParserError>, "EParserError"}, {Is<EConvertError>, "EConvertError"},
    {Is<EStringListError>, "EStringListError"}, {Is<EListError>, "EListError"},
    {Is<EFCreateError>, "EFCreateError"}, {Is<EFOpenError>, "EFOpenError"},
    {Is<EFileStreamError>, "EFileStreamError"}, {Is<EReadError>, "EReadError"},
    {Is<EWriteError>, "EWriteError"}, {Is<EClassNotFound>, "EClassNotFound"},
    {Is<EInvalidImage>, "EInvalidImage"}, {Is<EFilerError>, "EFilerError"},
    {Is<EStreamError>, "EStreamError"}, {Is<EAbort>, "EAbort"},
    {Is<EInvalidOperation>, "EInvalidOperation"}, {Is<EComponentError>, "EComponentError"},
    {Is<EPropertyError>, "EPropertyError"}, {Is<EDBEngineError>, "EDBEngineError"}, {Is<ENoResultSet>, "ENoResultSet"},
    {Is<EDatabaseError>, "EDatabaseError"}, {Is<EVlVariantError>, "EVariantError"},
    {Is<EVlInterpreterError>, "EVlInterpreterError"}, {Is<std::bad_alloc>, "EOutOfMemory"},
    {Is<std::out_of_range>, "ERangeError"}, {Is<std::range_error>, "ERangeError"},
};

const char *LibraryClassName(const std::exception &e)
{
    if (auto *runtime = dynamic_cast<const EVlRuntimeError *>(&e))
        return VlExceptionClass(runtime->ClassName) ? runtime->ClassName.c_str() : "Exception";
    for (const auto &entry : LibraryExceptions)
        if (entry.Test(e))
            return entry.ClassName;
    return "Exception";
}

const TPropInfo *FindProp(void *object, const std::string &name)
{
    return VlLiveObject(object, name)->ClassInfo()->FindProperty(name);
}

} // namespace

const TClassInfo &TVlExceptionObject::StaticClassInfo()
{
    return *VlExceptionClass("Exception");
}

const TClassInfo *VlExceptionClass(std::string_view name)
{
    const auto &byName = ExceptionClasses().ByName;
    auto it = byName.find(TExceptionClasses::LowerAscii(name));
    return it == byName.end() ? nullptr : it->second;
}

std::vector<const TClassInfo *> VlExceptionClassesOf(std::string_view unitName)
{
    std::vector<const TClassInfo *> result;
    for (const auto &info : ExceptionClasses().Infos)
        if (info->UnitName() == unitName)
            result.push_back(info.get());
    return result;
}

const char *EVlScriptException::what() const noexcept
{
    if (auto *e = dynamic_cast<const TVlExceptionObject *>(Object.get()))
        FText = e->Message;
    else
        FText = Object ? "Exception " + Object->ClassName() : "Exception";
    return FText.c_str();
}

TVlHostClass TVlRtlObjectModel::ClassOf(void *object) const
{
    return object ? VlLiveObject(object)->ClassInfo() : nullptr;
}

TVlHostClass TVlRtlObjectModel::LiveClassOf(void *object) const
{
    return VlIsLiveObject(object) ? static_cast<TObject *>(object)->ClassInfo() : nullptr;
}

bool TVlRtlObjectModel::InheritsFrom(TVlHostClass cls, TVlHostClass ancestor) const
{
    return cls && ancestor && static_cast<const TClassInfo *>(cls)->InheritsFrom(static_cast<const TClassInfo *>(ancestor));
}

std::string TVlRtlObjectModel::ClassName(TVlHostClass cls) const
{
    return cls ? static_cast<const TClassInfo *>(cls)->ClassName() : std::string();
}

bool TVlRtlObjectModel::ReadProperty(void *object, const std::string &name, TVlValue &value) const
{
    const TPropInfo *prop = object ? FindProp(object, name) : nullptr;
    if (!prop)
        return false;
    auto *o = static_cast<TObject *>(object);
    switch (prop->Kind) {
    case TTypeKind::Integer:
    case TTypeKind::Enumeration:
        if (!prop->GetOrd)
            return false;
        value = prop->IsBoolean() ? TVlValue::Boolean(GetOrdProp(o, *prop) != 0)
                                  : TVlValue::Integer(int32_t(GetOrdProp(o, *prop)));
        return true;
    case TTypeKind::Char:
        if (!prop->GetOrd)
            return false;
        value = TVlValue::String(std::string(1, char(GetOrdProp(o, *prop))));
        return true;
    case TTypeKind::Float:
        if (!prop->GetFloat)
            return false;
        value = TVlValue::Double(GetFloatProp(o, *prop));
        return true;
    case TTypeKind::String:
        if (!prop->GetStr)
            return false;
        value = TVlValue::String(GetStrProp(o, *prop));
        return true;
    case TTypeKind::Set:
        if (!prop->GetOrd)
            return false;
        value = SetToValue(uint32_t(GetOrdProp(o, *prop)));
        return true;
    case TTypeKind::Class:
        if (!prop->GetObj)
            return false;
        value = ObjectToValue(GetObjectProp(o, *prop));
        return true;
    default:
        return false;
    }
}

bool TVlRtlObjectModel::WriteProperty(void *object, const std::string &name, const TVlValue &value) const
{
    const TPropInfo *prop = object ? FindProp(object, name) : nullptr;
    if (!prop)
        return false;
    auto *o = static_cast<TObject *>(object);
    switch (prop->Kind) {
    case TTypeKind::Integer:
    case TTypeKind::Enumeration:
        if (!prop->SetOrd)
            return false;
        SetOrdProp(o, *prop, prop->IsBoolean() ? int64_t(ValueToBoolean(value)) : int64_t(ValueToInteger(value)));
        return true;
    case TTypeKind::Char: {
        if (!prop->SetOrd)
            return false;
        std::string text = ValueToString(value);
        SetOrdProp(o, *prop, text.empty() ? 0 : static_cast<unsigned char>(text[0]));
        return true;
    }
    case TTypeKind::Float:
        if (!prop->SetFloat)
            return false;
        SetFloatProp(o, *prop, ValueToDouble(value));
        return true;
    case TTypeKind::String:
        if (!prop->SetStr)
            return false;
        SetStrProp(o, *prop, ValueToString(value));
        return true;
    case TTypeKind::Set:
        if (!prop->SetOrd)
            return false;
        SetOrdProp(o, *prop, ValueToSet(value));
        return true;
    case TTypeKind::Class:
        if (!prop->SetObj)
            return false;
        SetObjectProp(o, *prop, value.Kind() == varVlObject ? VlLiveObject(ValueToObject(value), name) : nullptr);
        return true;
    default:
        return false;
    }
}

bool TVlRtlObjectModel::GetMethodProperty(void *object, const std::string &name,
                                          std::string &eventTypeName, TVlMethod &handler) const
{
    const TPropInfo *prop = object ? FindProp(object, name) : nullptr;
    if (!prop)
        return object && VlGetLibraryEvent(static_cast<TObject *>(object), name, eventTypeName, handler);
    if (prop->Kind != TTypeKind::Method)
        return false;
    eventTypeName = prop->TypeName;
    TMethod m = prop->GetMethod ? GetMethodProp(static_cast<TObject *>(object), *prop) : TMethod{};
    handler.Code = m.Code;
    handler.Data = m.Data;
    return true;
}

void TVlRtlObjectModel::SetMethodProperty(void *object, const std::string &name, const TVlMethod &handler) const
{
    const TPropInfo *prop = object ? FindProp(object, name) : nullptr;
    if (!prop && object)
        VlSetLibraryEvent(static_cast<TObject *>(object), name, handler);
    else if (prop && prop->Kind == TTypeKind::Method && prop->SetMethod)
        SetMethodProp(static_cast<TObject *>(object), *prop, TMethod{handler.Code, handler.Data});
}

void TVlRtlObjectModel::FreeObject(void *object) const
{
    TObject *o = VlLiveObject(object, "Free");
    {
        // An object owned by a raised exception is freed with that exception.
        std::lock_guard<std::mutex> lock(RaisedLock);
        auto it = Raised.find(o);
        if (it != Raised.end() && !it->second.expired())
            return;
    }
    for (auto it = FConverted.begin(); it != FConverted.end(); ++it)
        if (it->Object.get() == o) {
            FConverted.erase(it);
            return;
        }
    delete o;
}

void *TVlRtlObjectModel::ExceptionObject(const std::exception_ptr &error) const
{
    try {
        std::rethrow_exception(error);
    } catch (const EVlScriptException &e) {
        return e.Object.get();
    } catch (const std::exception &e) {
        const TClassInfo *cls = VlExceptionClass(LibraryClassName(e));
        std::string message = e.what();
        for (const TConverted &c : FConverted) {
            auto *known = static_cast<TVlExceptionObject *>(c.Object.get());
            if (c.Exception == &e && known->ClassInfo() == cls)
                return known;
        }
        FConverted.push_back({error, &e, std::make_unique<TVlExceptionObject>(*cls, message)});
        if (FConverted.size() > 32)
            FConverted.pop_front();
        return FConverted.back().Object.get();
    } catch (...) {
        return nullptr;
    }
}

void TVlRtlObjectModel::RaiseObject(void *object) const
{
    TObject *o = VlLiveObject(object);
    std::shared_ptr<TObject> owner;
    {
        std::lock_guard<std::mutex> lock(RaisedLock);
        for (auto it = Raised.begin(); it != Raised.end();)
            it = it->second.expired() ? Raised.erase(it) : std::next(it);
        auto it = Raised.find(o);
        if (it != Raised.end())
            owner = it->second.lock();
    }
    if (!owner) {
        // A converted library exception changes hands: the raised exception owns it now.
        for (auto it = FConverted.begin(); it != FConverted.end(); ++it)
            if (it->Object.get() == o) {
                it->Object.release();
                FConverted.erase(it);
                break;
            }
        owner.reset(o);
        std::lock_guard<std::mutex> lock(RaisedLock);
        Raised[o] = owner;
    }
    throw EVlScriptException(owner);
}
