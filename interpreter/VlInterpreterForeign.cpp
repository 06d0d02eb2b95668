// Marshalling argument slots into native arguments and calling external functions and direct
// methods through libffi.
#include "VlInterpreterForeign.h"

#include "VlInterpreterAdapter.h"
#include "VlInterpreterError.h"

#include <ffi.h>

#include <dlfcn.h>

#include <cerrno>

namespace {

// The native arguments of one call; libffi reads each through a pointer into this record, so it
// must not move while the call is prepared and made.
class TNativeCall {
public:
    TNativeCall() = default;
    TNativeCall(const TNativeCall &) = delete;
    TNativeCall &operator=(const TNativeCall &) = delete;

    void Int16(int position, int16_t v) { Put(position, &ffi_type_sint16).I16 = v; }
    void Int32(int position, int32_t v) { Put(position, &ffi_type_sint32).I32 = v; }
    void Pointer(int position, void *p) { Put(position, &ffi_type_pointer).Ptr = p; }
    // A NUL-terminated copy of the text, valid until the call has returned.
    void Text(int position, const std::string &text)
    {
        Texts[position] = text;
        Put(position, &ffi_type_pointer).Ptr = Texts[position].data();
    }
    // The address of an integer that the callee may write; read it back with Cell16 or Cell32.
    void Reference16(int position, int16_t v)
    {
        Cells[position].I16 = v;
        Put(position, &ffi_type_pointer).Ptr = &Cells[position];
    }
    void Reference32(int position, int32_t v)
    {
        Cells[position].I32 = v;
        Put(position, &ffi_type_pointer).Ptr = &Cells[position];
    }
    int16_t Cell16(int position) const { return Cells[position].I16; }
    int32_t Cell32(int position) const { return Cells[position].I32; }

    // Calls entry with positions 0 .. count - 1 and returns the raw return register.
    ffi_arg Invoke(void *entry, int count, ffi_type *returnType)
    {
        ffi_cif cif;
        if (ffi_prep_cif(&cif, FFI_DEFAULT_ABI, static_cast<unsigned>(count), returnType, Types) != FFI_OK)
            throw EVlRuntimeError("EVlException", "The native call cannot be prepared");
        ffi_arg raw = 0;
        ffi_call(&cif, FFI_FN(entry), &raw, Values);
        return raw;
    }

private:
    static constexpr int Capacity = VlMaxArgs + 1;  // a direct method's object comes first
    union TSlot {
        int16_t I16;
        int32_t I32;
        void *Ptr;
    };
    TSlot &Put(int position, ffi_type *type)
    {
        Types[position] = type;
        Values[position] = &Slots[position];
        return Slots[position];
    }
    ffi_type *Types[Capacity] = {};
    void *Values[Capacity] = {};
    TSlot Slots[Capacity] = {};
    TSlot Cells[Capacity] = {};  // the integers by-reference parameters point at
    std::string Texts[Capacity];
};

// Scripts hold true as -1; native code expects 1.
int32_t NativeBoolean(const TVlValue &v) { return ValueToBoolean(v) ? 1 : 0; }

// The pointer an Object or Pointer parameter carries: the object itself, nil, or an address
// given as a number.
void *NativePointer(const TVlValue &v)
{
    switch (v.Kind()) {
    case varVlObject: case varVlClass: case varVlPointer:
        return v.RawPointer();
    case varEmpty: case varNull:
        return nullptr;
    default:
        return reinterpret_cast<void *>(static_cast<intptr_t>(ValueToInt64(v)));
    }
}

// The library of an external function for the duration of one call.
class TCallLibrary {
public:
    explicit TCallLibrary(const TVlInterpreterExtFunction &f)
        : Handle(f.DllInstance), Owned(f.DllInstance == nullptr)
    {
        if (Owned)
            Handle = VlOpenLibrary(f.DllName);
        if (!Handle)
            RaiseError(erLoadLibrary, -1, f.DllName);
    }
    ~TCallLibrary() { Release(); }
    TCallLibrary(const TCallLibrary &) = delete;
    TCallLibrary &operator=(const TCallLibrary &) = delete;

    // Entries are always resolved by name; a routine declared by index alone has none.
    void *Entry(const TVlInterpreterExtFunction &f) const
    {
        void *entry = f.FunctionName.empty() ? nullptr : ::dlsym(Handle, f.FunctionName.c_str());
        if (!entry)
            RaiseError(erProcAddress, -1, f.FunctionName.empty() ? f.Identifier : f.FunctionName);
        return entry;
    }
    // Releases a library loaded for the call; the call's errno survives.
    void Release()
    {
        if (!Owned || !Handle)
            return;
        int callErrno = errno;
        ::dlclose(Handle);
        Handle = nullptr;
        errno = callErrno;
    }

private:
    void *Handle;
    bool Owned;
};

void MarshalExternalArgument(TNativeCall &call, int i, uint16_t declared, const TVlValue &v,
                             const TVlInterpreterExtFunction &f)
{
    uint16_t kind = declared & ~varConstFlag;
    switch (kind) {
    case varSmallint: call.Int16(i, static_cast<int16_t>(ValueToInteger(v))); return;
    case varInteger: call.Int32(i, ValueToInteger(v)); return;
    case varBoolean: call.Int32(i, NativeBoolean(v)); return;
    case varString: call.Text(i, ValueToString(v)); return;
    case varSmallint | varByRef: call.Reference16(i, static_cast<int16_t>(ValueToInteger(v))); return;
    case varInteger | varByRef: call.Reference32(i, ValueToInteger(v)); return;
    case varBoolean | varByRef: call.Reference32(i, NativeBoolean(v)); return;
    default: RaiseError(erExtArgType, -1, f.FunctionName);
    }
}

// What the callee wrote into a by-reference slot, as a value of the declared kind.
void ReadBackReference(const TNativeCall &call, int i, uint16_t declared, TVlValue &slot)
{
    switch (declared & ~(varConstFlag | varByRef)) {
    case varSmallint: slot = TVlValue::Smallint(call.Cell16(i)); return;
    case varInteger: slot = TVlValue::Integer(call.Cell32(i)); return;
    case varBoolean: slot = TVlValue::Boolean(call.Cell32(i) != 0); return;
    default: return;
    }
}

// The result kinds of external functions; direct methods may also return Object and Pointer.
bool IsExternalResultKind(uint16_t kind)
{
    return kind == varEmpty || kind == varSmallint || kind == varInteger || kind == varBoolean;
}

ffi_type *ResultTypeOf(uint16_t kind)
{
    switch (kind) {
    case varEmpty: return &ffi_type_void;
    case varSmallint: return &ffi_type_uint16;
    case varInteger: return &ffi_type_sint32;
    case varBoolean: return &ffi_type_uint8;
    case varVlObject: case varVlPointer: return &ffi_type_pointer;
    default: return nullptr;
    }
}

// The return register as a value of the declared result kind; Null for a procedure.
TVlValue ResultValue(uint16_t kind, ffi_arg raw)
{
    switch (kind) {
    case varSmallint: return TVlValue::Integer(static_cast<int32_t>(raw & 0xFFFF));
    case varInteger: return TVlValue::Integer(static_cast<int32_t>(raw));
    case varBoolean: return TVlValue::Boolean((raw & 0xFF) != 0);
    case varVlObject: return ObjectToValue(reinterpret_cast<void *>(raw));
    case varVlPointer: return PointerToValue(reinterpret_cast<void *>(raw));
    default: return TVlValue::Null();
    }
}

} // namespace

void VlCallExternalFunction(const TVlInterpreterExtFunction &f, TVlValue &result, TVlInterpreterArgs &args)
{
    result = TVlValue::Null();
    TCallLibrary library(f);
    void *entry = library.Entry(f);
    const TVlInterpreterFunctionDesc &desc = f.Desc;
    TNativeCall call;
    for (int i = desc.ParamCount - 1; i >= 0; --i)
        MarshalExternalArgument(call, i, desc.ParamTypes[i], args.Values[i], f);
    uint16_t resultKind = desc.ResultType;
    if (!IsExternalResultKind(resultKind))
        RaiseError(erExtResultType, -1, f.FunctionName);
    ffi_arg raw = 0;
    try {
        raw = call.Invoke(entry, desc.ParamCount, ResultTypeOf(resultKind));
    } catch (const EVlInterpreterError &) {
        throw;
    } catch (...) {
        throw EVlRuntimeError("EVlException", VlExceptionMessage(std::current_exception()));
    }
    library.Release();
    for (int i = 0; i < desc.ParamCount; ++i)
        if (desc.ParamTypes[i] & varByRef)
            ReadBackReference(call, i, desc.ParamTypes[i], args.Values[i]);
    result = ResultValue(resultKind, raw);
}

void VlCallDirectMethod(const TVlInterpreterDMethod &m, TVlValue &result, TVlInterpreterArgs &args)
{
    if (!(m.CallFlags & VlNativeCallFlag))
        RaiseError(erCallingConvention, -1, m.Identifier);
    int count = m.ParamCount >= 0 ? m.ParamCount : args.Count;
    TNativeCall call;
    call.Pointer(0, args.Obj);
    for (int i = 0; i < count; ++i) {
        const TVlValue &v = args.Values[i];
        switch (m.ParamTypes[i] & ~varConstFlag) {
        case varInteger: call.Int32(i + 1, ValueToInteger(v)); break;
        case varBoolean: call.Int32(i + 1, NativeBoolean(v)); break;
        case varSmallint: call.Int16(i + 1, static_cast<int16_t>(ValueToInteger(v))); break;
        case varVlObject: case varVlPointer: call.Pointer(i + 1, NativePointer(v)); break;
        case varString:
            if (i < 2) {
                call.Text(i + 1, ValueToString(v));
                break;
            }
            [[fallthrough]];
        default: RaiseError(erDirectArgType, -1, m.Identifier);
        }
    }
    ffi_type *returnType = ResultTypeOf(m.ResultType);
    if (!returnType)
        RaiseError(erDirectResultType, -1, m.Identifier);
    result = ResultValue(m.ResultType, call.Invoke(m.NativeEntry, count + 1, returnType));
}
