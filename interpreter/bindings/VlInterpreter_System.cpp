// The System unit for scripts: TObject, string and math routines, variants and script arrays.
#include "VlInterpreter_all.h"
#include "VlInterpreterBindingTable.h"
#include "VlInterpreterScriptMemory.h"

#include "interpreter/VlInterpreter.h"
#include "interpreter/VlInterpreterError.h"
#include "interpreter/VlInterpreterOperations.h"
#include "interpreter/VlInterpreterTypes.h"
#include "rtl/VlObject.h"

#include <chrono>
#include <cmath>
#include <cstring>
#include <random>

namespace {

// Reference counting is not modelled: RefCount reads 0 until interfaces are bound.
class TInterfacedObject : public TObject {
    VL_CLASS(TInterfacedObject)
};

VL_IMPLEMENT_CLASS(TInterfacedObject, TObject, "System")

std::vector<std::string> &ParamStrings()
{
    static std::vector<std::string> params{"veltrano"};
    return params;
}

std::mt19937 &RandomEngine()
{
    static std::mt19937 engine(12345u);
    return engine;
}

struct TClassicSeed {
    uint32_t Seed = 0;     // what RandSeed reads
    uint32_t Started = 0;  // what it read after the last start of the sequence
    bool EverStarted = false;
};

TClassicSeed &ClassicSeed()
{
    static TClassicSeed seed;
    return seed;
}

bool IsIntegerKind(uint16_t kind)
{
    switch (kind) {
    case varSmallint: case varInteger: case varShortInt: case varByte: case varWord: case varLongWord: case varInt64:
        return true;
    default:
        return false;
    }
}

TVlValue IntegerOrDouble(double v)
{
    if (v >= -2147483648.0 && v <= 2147483647.0)
        return TVlValue::Integer(int32_t(v));
    return TVlValue::Double(v);
}

[[noreturn]] void InvalidFloatOp()
{
    VlRaiseRuntime("EInvalidOp", "Invalid floating point operation");
}

[[noreturn]] void OneDimensionalOnly()
{
    VlRaiseRuntime("EVlException", "Sorry, for one-dimensional arrays only");
}

// Script arrays change in place: their by-reference slot is not written back (storing a
// whole array into a variable is not allowed).
void KeepArrayInPlace(TVlInterpreterArgs &a, int slot)
{
    a.Types[slot] &= uint16_t(~varByRef);
}

TVlInterpreterArrayRec &ScriptArray(const TVlValue &v)
{
    if (!v.IsScriptArray())
        RaiseError(erArrayRequired, -1);
    return *v.RawScriptArray();
}

// TObject ------------------------------------------------------------------------------------

void ObjClassType(TVlValue &r, TVlInterpreterArgs &a) { r = ClassToValue(VlSelfClass(a)); }
void ObjClassName(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(VlSelfClass(a)->ClassName()); }
void ObjClassNameIs(TVlValue &r, TVlInterpreterArgs &a)
{
    r = TVlValue::Boolean(VlSameName(VlSelfClass(a)->ClassName(), ValueToString(a.Values[0])));
}
void ObjClassParent(TVlValue &r, TVlInterpreterArgs &a)
{
    r = ClassToValue(const_cast<TClassInfo *>(VlSelfClass(a)->ClassParent()));
}
void ObjClassInfo(TVlValue &r, TVlInterpreterArgs &a)
{
    r = PointerToValue(const_cast<TClassInfo *>(VlSelfClass(a)));
}
void ObjInstanceSize(TVlValue &r, TVlInterpreterArgs &a)
{
    // The class metadata carries no size; an object is at least its class reference.
    (void)VlSelfClass(a);
    r = TVlValue::Integer(int32_t(sizeof(void *)));
}
void ObjInheritsFrom(TVlValue &r, TVlInterpreterArgs &a)
{
    const TVlValue &arg = a.Values[0];
    auto *ancestor = arg.Kind() == varVlClass ? static_cast<const TClassInfo *>(ValueToClass(arg)) : nullptr;
    r = TVlValue::Boolean(ancestor && VlSelfClass(a)->InheritsFrom(ancestor));
}
void IntfRefCount(TVlValue &r, TVlInterpreterArgs &a)
{
    (void)VlSelf<TInterfacedObject>(a);
    r = TVlValue::Integer(0);
}

const TVlMemberBinding ObjectMembers[] = {
    VlGet("ClassType", ObjClassType), VlGet("ClassName", ObjClassName),
    VlGet("ClassNameIs", ObjClassNameIs, "."), VlGet("ClassParent", ObjClassParent),
    VlGet("ClassInfo", ObjClassInfo), VlGet("InstanceSize", ObjInstanceSize),
    VlGet("InheritsFrom", ObjInheritsFrom, "."),
};
const TVlMemberBinding InterfacedMembers[] = {VlGet("RefCount", IntfRefCount)};

// Memory, parameters, random numbers -----------------------------------------------------------

void SysMove(TVlValue &, TVlInterpreterArgs &a)
{
    int count = ValueToInteger(a.Values[2]);
    if (count <= 0)
        return;
    if (a.Values[0].Kind() == varVlPointer || a.Values[1].Kind() == varVlPointer) {
        VlScriptMove(a.Values[0], a.Values[1], count);
        return;
    }
    // Strings: the first count characters of the source overwrite the start of the destination.
    std::string src = ValueToString(a.Values[0]);
    std::string dst = ValueToString(a.Values[1]);
    size_t n = std::min(size_t(count), src.size());
    if (dst.size() < n)
        dst.resize(n, ' ');
    dst.replace(0, n, src, 0, n);
    a.Values[1] = TVlValue::String(dst);
}

void SysParamCount(TVlValue &r, TVlInterpreterArgs &) { r = TVlValue::Integer(int32_t(ParamStrings().size()) - 1); }
void SysParamStr(TVlValue &r, TVlInterpreterArgs &a)
{
    int i = ValueToInteger(a.Values[0]);
    const auto &p = ParamStrings();
    r = TVlValue::String(i >= 0 && i < int(p.size()) ? p[i] : std::string());
}
void SysRandomize(TVlValue &, TVlInterpreterArgs &)
{
    const auto seed = uint32_t(std::chrono::steady_clock::now().time_since_epoch().count());
    RandomEngine().seed(seed);
    ClassicSeed().Seed = seed;
}
// The fuller dialect draws as Free Pascal does (one 32-bit draw, scaled), so a program that never
// calls Randomize prints Free Pascal's numbers.
void ClassicRandom(TVlValue &r, TVlInterpreterArgs &a)
{
    TClassicSeed &seed = ClassicSeed();
    if (!seed.EverStarted || seed.Seed != seed.Started) {
        RandomEngine().seed(seed.Seed);
        seed.Seed = ~seed.Seed;
        seed.Started = seed.Seed;
        seed.EverStarted = true;
    }
    uint64_t draw = RandomEngine()();
    if (a.Count == 0) {
        r = TVlValue::Extended(static_cast<long double>(draw) / 4294967296.0L);
        return;
    }
    int range = ValueToInteger(a.Values[0]);
    r = TVlValue::Integer(range <= 0 ? 0 : int32_t((draw * uint64_t(range)) >> 32));
}
void SysRandom(TVlValue &r, TVlInterpreterArgs &a)
{
    VlCheckArgCount(a, 0, 1);
    if (a.Caller && a.Caller->ExtendedDialect) {
        ClassicRandom(r, a);
        return;
    }
    if (a.Count == 0) {
        r = TVlValue::Double(std::uniform_real_distribution<double>(0.0, 1.0)(RandomEngine()));
        return;
    }
    int range = ValueToInteger(a.Values[0]);
    r = TVlValue::Integer(range <= 0 ? 0 : std::uniform_int_distribution<int>(0, range - 1)(RandomEngine()));
}

// Characters and strings -------------------------------------------------------------------

void SysUpCase(TVlValue &r, TVlInterpreterArgs &a)
{
    std::string s = ValueToString(a.Values[0]);
    char c = s.empty() ? '\0' : s[0];
    if (c >= 'a' && c <= 'z')
        c = char(c - 32);
    r = TVlValue::String(std::string(1, c));
}
void SysOrd(TVlValue &r, TVlInterpreterArgs &a)
{
    const TVlValue &v = a.Values[0];
    if (v.IsString()) {
        const std::string &s = v.RawString();
        r = TVlValue::Integer(s.empty() ? 0 : static_cast<unsigned char>(s[0]));
    } else if (v.Kind() == varBoolean) {
        r = TVlValue::Integer(ValueToBoolean(v) ? 1 : 0);
    } else {
        r = TVlValue::Integer(ValueToInteger(v));
    }
}
void SysChr(TVlValue &r, TVlInterpreterArgs &a)
{
    r = TVlValue::String(std::string(1, char(ValueToInteger(a.Values[0]) & 0xFF)));
}
void SysLength(TVlValue &r, TVlInterpreterArgs &a)
{
    const TVlValue &v = a.Values[0];
    if (v.IsScriptArray())
        r = TVlValue::Integer(ScriptArrayLength(*v.RawScriptArray()));
    else if (v.IsVariantArray())
        r = TVlValue::Integer(v.RawVariantArray()->HighBounds[0] - v.RawVariantArray()->LowBounds[0] + 1);
    else if (v.IsEmpty() || v.IsNull())
        r = TVlValue::Integer(0);
    else
        r = VlLengthValue(ValueToString(v).size());
}
void SysCopy(TVlValue &r, TVlInterpreterArgs &a)
{
    std::string s = ValueToString(a.Values[0]);
    int index = ValueToInteger(a.Values[1]);
    int count = ValueToInteger(a.Values[2]);
    if (index < 1)
        index = 1;
    if (index > int(s.size()) || count <= 0) {
        r = TVlValue::String(std::string());
        return;
    }
    r = TVlValue::String(s.substr(size_t(index - 1), size_t(count)));
}
void SysPos(TVlValue &r, TVlInterpreterArgs &a)
{
    std::string sub = ValueToString(a.Values[0]);
    std::string s = ValueToString(a.Values[1]);
    size_t p = sub.empty() ? std::string::npos : s.find(sub);
    r = TVlValue::Integer(p == std::string::npos ? 0 : int32_t(p) + 1);
}
void SysDelete(TVlValue &, TVlInterpreterArgs &a)
{
    std::string s = ValueToString(a.Values[0]);
    int index = ValueToInteger(a.Values[1]);
    int count = ValueToInteger(a.Values[2]);
    if (index >= 1 && index <= int(s.size()) && count > 0)
        s.erase(size_t(index - 1), size_t(count));
    a.Values[0] = TVlValue::String(s);
}
void SysInsert(TVlValue &, TVlInterpreterArgs &a)
{
    std::string source = ValueToString(a.Values[0]);
    std::string s = ValueToString(a.Values[1]);
    int index = ValueToInteger(a.Values[2]);
    index = std::clamp(index, 1, int(s.size()) + 1);
    s.insert(size_t(index - 1), source);
    a.Values[1] = TVlValue::String(s);
}

// Numbers ------------------------------------------------------------------------------------

// The fuller dialect keeps the precision of reals as Free Pascal does: the routines taking any
// real (Sin, Exp, ...) answer extended reals, Abs, Sqr and Sqrt one of their argument's precision.
bool KeepsPrecision(const TVlInterpreterArgs &a) { return a.Caller && a.Caller->ExtendedDialect; }

template <typename TFunc>
bool ExtendedResult(TVlValue &r, const TVlInterpreterArgs &a, TFunc f)
{
    if (!KeepsPrecision(a))
        return false;
    r = TVlValue::Extended(f(VlToLongDouble(a.Values[0])));
    return true;
}

// Abs, Sqr and Sqrt of a single or an extended in the fuller dialect; of a constant single
// (Sqrt(2.0)) an extended, as compilers fold such calls.
template <typename TFunc>
bool SamePrecisionResult(TVlValue &r, const TVlInterpreterArgs &a, TFunc f)
{
    uint16_t kind = a.Values[0].Kind();
    if (!KeepsPrecision(a) || (kind != varSingle && kind != varVlExtended))
        return false;
    long double x = f(VlToLongDouble(a.Values[0]));
    bool single = kind == varSingle && !a.Caller->ArgumentsAreConstant();
    r = single ? TVlValue::Single(static_cast<float>(x)) : TVlValue::Extended(x);
    return true;
}

void SysAbs(TVlValue &r, TVlInterpreterArgs &a)
{
    const TVlValue &v = a.Values[0];
    if (SamePrecisionResult(r, a, [](long double x) { return std::fabs(x); }))
        return;
    if (v.Kind() == varInt64 && KeepsPrecision(a)) {
        int64_t n = ValueToInt64(v);
        r = TVlValue::Int64(n < 0 ? int64_t(0 - uint64_t(n)) : n);  // Low(Int64) stays itself, as it wraps
        return;
    }
    if (IsIntegerKind(v.Kind()))
        r = IntegerOrDouble(std::fabs(double(ValueToInteger(v))));
    else
        r = TVlValue::Double(std::fabs(ValueToDouble(v)));
}
// Round and Trunc answer an Int64 in the fuller dialect past the Integer range, as Free Pascal does.
TVlValue WholeNumber(long double whole)
{
    if ((whole < -2147483648.0L || whole > 2147483647.0L) && whole >= -9223372036854775808.0L &&
        whole < 9223372036854775808.0L)
        return TVlValue::Int64(static_cast<int64_t>(whole));
    return IntegerOrDouble(static_cast<double>(whole));
}
void SysRound(TVlValue &r, TVlInterpreterArgs &a)
{
    if (KeepsPrecision(a))
        r = WholeNumber(std::nearbyint(VlToLongDouble(a.Values[0])));
    else
        r = IntegerOrDouble(std::nearbyint(ValueToDouble(a.Values[0])));
}
void SysTrunc(TVlValue &r, TVlInterpreterArgs &a)
{
    if (KeepsPrecision(a))
        r = WholeNumber(std::trunc(VlToLongDouble(a.Values[0])));
    else
        r = IntegerOrDouble(std::trunc(ValueToDouble(a.Values[0])));
}
void SysSqr(TVlValue &r, TVlInterpreterArgs &a)
{
    const TVlValue &v = a.Values[0];
    if (SamePrecisionResult(r, a, [](long double x) { return x * x; }))
        return;
    if (IsIntegerKind(v.Kind())) {
        double x = ValueToInteger(v);
        r = IntegerOrDouble(x * x);
    } else {
        double x = ValueToDouble(v);
        r = TVlValue::Double(x * x);
    }
}
void SysSqrt(TVlValue &r, TVlInterpreterArgs &a)
{
    double x = ValueToDouble(a.Values[0]);
    if (x < 0)
        InvalidFloatOp();
    auto root = [](long double v) { return std::sqrt(v); };
    if (SamePrecisionResult(r, a, root) || (a.Values[0].Kind() != varDouble && ExtendedResult(r, a, root)))
        return;
    r = TVlValue::Double(std::sqrt(x));
}
void SysLn(TVlValue &r, TVlInterpreterArgs &a)
{
    double x = ValueToDouble(a.Values[0]);
    if (x <= 0)
        InvalidFloatOp();
    if (ExtendedResult(r, a, [](long double v) { return std::log(v); }))
        return;
    r = TVlValue::Double(std::log(x));
}
void SysExp(TVlValue &r, TVlInterpreterArgs &a)
{
    if (!ExtendedResult(r, a, [](long double v) { return std::exp(v); }))
        r = TVlValue::Double(std::exp(ValueToDouble(a.Values[0])));
}
void SysSin(TVlValue &r, TVlInterpreterArgs &a)
{
    if (!ExtendedResult(r, a, [](long double v) { return std::sin(v); }))
        r = TVlValue::Double(std::sin(ValueToDouble(a.Values[0])));
}
void SysCos(TVlValue &r, TVlInterpreterArgs &a)
{
    if (!ExtendedResult(r, a, [](long double v) { return std::cos(v); }))
        r = TVlValue::Double(std::cos(ValueToDouble(a.Values[0])));
}
void SysTan(TVlValue &r, TVlInterpreterArgs &a)
{
    if (!ExtendedResult(r, a, [](long double v) { return std::tan(v); }))
        r = TVlValue::Double(std::tan(ValueToDouble(a.Values[0])));
}
void SysArcTan(TVlValue &r, TVlInterpreterArgs &a)
{
    if (!ExtendedResult(r, a, [](long double v) { return std::atan(v); }))
        r = TVlValue::Double(std::atan(ValueToDouble(a.Values[0])));
}

// Variants -----------------------------------------------------------------------------------

void SysVarType(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(a.Values[0].Kind()); }
void SysVarAsType(TVlValue &r, TVlInterpreterArgs &a)
{
    r = ConvertToKind(a.Values[0], uint16_t(ValueToInteger(a.Values[1])));
}
void SysVarIsEmpty(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Boolean(a.Values[0].IsEmpty()); }
void SysVarIsNull(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Boolean(a.Values[0].IsNull()); }
void SysVarToStr(TVlValue &r, TVlInterpreterArgs &a)
{
    r = TVlValue::String(a.Values[0].IsNull() ? std::string() : ValueToString(a.Values[0]));
}
void SysVarFromDateTime(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Date(ValueToDouble(a.Values[0])); }
void SysVarToDateTime(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Date(ValueToDouble(a.Values[0])); }

const TVlVariantArray &VariantArrayOf(const TVlValue &v)
{
    if (!v.IsVariantArray())
        RaiseError(erArrayRequired, -1);
    return *v.RawVariantArray();
}

void SysVarArrayCreate(TVlValue &r, TVlInterpreterArgs &a)
{
    const TVlVariantArray &bounds = VariantArrayOf(a.Values[0]);
    uint16_t kind = uint16_t(ValueToInteger(a.Values[1]));
    int dims = int(bounds.Items.size()) / 2;
    if (dims < 1 || dims > 10 || bounds.Items.size() % 2)
        VlRaiseRuntime("EVariantError", "Invalid number of variant array bounds");
    TVlValue result = TVlValue::VariantArray(0, -1);
    TVlVariantArray &arr = result.MutableVariantArray();
    arr.DimCount = dims;
    int64_t count = 1;
    for (int d = 0; d < dims; ++d) {
        arr.LowBounds[d] = ValueToInteger(bounds.Items[2 * d]);
        arr.HighBounds[d] = ValueToInteger(bounds.Items[2 * d + 1]);
        int64_t extent = int64_t(arr.HighBounds[d]) - arr.LowBounds[d] + 1;
        if (extent < 0 || (count *= extent) > 16 * 1024 * 1024)
            VlRaiseRuntime("EVariantError", "Variant array bounds error");
    }
    TVlValue zero = (kind & varKindMask) == varVariant ? TVlValue() : ConvertToKind(TVlValue(), kind & varKindMask);
    arr.Items.assign(size_t(count), zero);
    r = result;
}
void SysVarArrayOf(TVlValue &r, TVlInterpreterArgs &a)
{
    const TVlValue &v = a.Values[0];
    if (v.IsVariantArray()) {
        r = v;
        return;
    }
    TVlInterpreterArrayRec &arr = ScriptArray(v);
    int n = ScriptArrayLength(arr);
    TVlValue result = TVlValue::VariantArray(0, n - 1);
    TVlVariantArray &out = result.MutableVariantArray();
    for (int i = 0; i < n; ++i)
        out.Items[size_t(i)] = arr.Items[size_t(i)];
    r = result;
}
void SysVarArrayDimCount(TVlValue &r, TVlInterpreterArgs &a)
{
    r = TVlValue::Integer(a.Values[0].IsVariantArray() ? a.Values[0].RawVariantArray()->DimCount : 0);
}
int BoundDim(const TVlInterpreterArgs &a, const TVlVariantArray &arr)
{
    int dim = ValueToInteger(a.Values[1]);
    if (dim < 1 || dim > arr.DimCount)
        VlRaiseRuntime("EVariantError", "Variant array bounds error");
    return dim - 1;
}
void SysVarArrayLowBound(TVlValue &r, TVlInterpreterArgs &a)
{
    const TVlVariantArray &arr = VariantArrayOf(a.Values[0]);
    r = TVlValue::Integer(arr.LowBounds[BoundDim(a, arr)]);
}
void SysVarArrayHighBound(TVlValue &r, TVlInterpreterArgs &a)
{
    const TVlVariantArray &arr = VariantArrayOf(a.Values[0]);
    r = TVlValue::Integer(arr.HighBounds[BoundDim(a, arr)]);
}
void SysVarIsArray(TVlValue &r, TVlInterpreterArgs &a)
{
    r = TVlValue::Boolean(a.Values[0].IsVariantArray() || a.Values[0].IsScriptArray());
}

// Script arrays ------------------------------------------------------------------------------

void SysSetLength(TVlValue &, TVlInterpreterArgs &a)
{
    TVlValue &v = a.Values[0];
    int n = ValueToInteger(a.Values[1]);
    if (n < 0)
        n = 0;
    VlCheckScriptRequest(n, v.IsScriptArray() || v.IsVariantArray() ? sizeof(TVlValue) : 1);
    if (v.IsScriptArray()) {
        TVlInterpreterArrayRec &arr = *v.RawScriptArray();
        if (arr.DimCount != 1)
            VlRaiseRuntime("EVlException", "Sorry. Dynamic arrays support is made for one-dimensional arrays only");
        ResizeScriptArray(arr, n);
        KeepArrayInPlace(a, 0);
    } else if (v.IsVariantArray()) {
        TVlVariantArray &arr = v.MutableVariantArray();
        if (arr.DimCount != 1)
            OneDimensionalOnly();
        arr.Items.resize(size_t(n));
        arr.HighBounds[0] = arr.LowBounds[0] + n - 1;
    } else {
        std::string s = ValueToString(v);
        s.resize(size_t(n), ' ');
        v = TVlValue::String(s);
    }
}
void SysHigh(TVlValue &r, TVlInterpreterArgs &a)
{
    const TVlValue &v = a.Values[0];
    if (const TVlInterpreterOrdinalDataType *type = VlOrdinalTypeOf(v)) {
        r = type->ValueOf(type->High);  // High(TColor), High(Byte)
    } else if (v.IsVariantArray()) {
        if (v.RawVariantArray()->DimCount != 1)
            OneDimensionalOnly();
        r = TVlValue::Integer(v.RawVariantArray()->HighBounds[0]);
    } else if (v.IsString()) {
        r = TVlValue::Integer(int32_t(v.RawString().size()));
    } else {
        r = TVlValue::Integer(ScriptArrayHigh(ScriptArray(v)));
    }
}
void SysLow(TVlValue &r, TVlInterpreterArgs &a)
{
    const TVlValue &v = a.Values[0];
    if (const TVlInterpreterOrdinalDataType *type = VlOrdinalTypeOf(v)) {
        r = type->ValueOf(type->Low);
    } else if (v.IsVariantArray()) {
        if (v.RawVariantArray()->DimCount != 1)
            OneDimensionalOnly();
        r = TVlValue::Integer(v.RawVariantArray()->LowBounds[0]);
    } else if (v.IsString()) {
        r = TVlValue::Integer(1);
    } else {
        r = TVlValue::Integer(ScriptArrayLow(ScriptArray(v)));
    }
}
void SysDeleteFromArray(TVlValue &, TVlInterpreterArgs &a)
{
    DeleteFromScriptArray(ScriptArray(a.Values[0]), ValueToInteger(a.Values[1]));
    KeepArrayInPlace(a, 0);
}
void SysInsertIntoArray(TVlValue &, TVlInterpreterArgs &a)
{
    InsertIntoScriptArray(ScriptArray(a.Values[0]), ValueToInteger(a.Values[1]), a.Values[2]);
    KeepArrayInPlace(a, 0);
}

const TVlFunctionBinding SystemFunctions[] = {
    {"Move", SysMove, ".v."}, {"ParamCount", SysParamCount, ""}, {"ParamStr", SysParamStr, "."},
    {"Randomize", SysRandomize, ""}, {"Random", SysRandom, "*"}, {"UpCase", SysUpCase, "."},
    {"VarType", SysVarType, "."}, {"VarAsType", SysVarAsType, ".."}, {"VarIsEmpty", SysVarIsEmpty, "."},
    {"VarIsNull", SysVarIsNull, "."}, {"VarToStr", SysVarToStr, "."},
    {"VarFromDateTime", SysVarFromDateTime, "."}, {"VarToDateTime", SysVarToDateTime, "."},
    {"VarArrayCreate", SysVarArrayCreate, ".."}, {"VarArrayOf", SysVarArrayOf, "."},
    {"VarArrayDimCount", SysVarArrayDimCount, "."}, {"VarArrayLowBound", SysVarArrayLowBound, ".."},
    {"VarArrayHighBound", SysVarArrayHighBound, ".."}, {"VarIsArray", SysVarIsArray, "."},
    {"ord", SysOrd, "."}, {"Chr", SysChr, "."}, {"Abs", SysAbs, "."}, {"Length", SysLength, "."},
    {"Copy", SysCopy, "..."}, {"Round", SysRound, "."}, {"Trunc", SysTrunc, "."}, {"Pos", SysPos, ".."},
    {"Delete", SysDelete, "v.."}, {"Insert", SysInsert, ".v."}, {"Sqr", SysSqr, "."},
    {"Sqrt", SysSqrt, "."}, {"Exp", SysExp, "."}, {"Ln", SysLn, "."}, {"Sin", SysSin, "."},
    {"Cos", SysCos, "."}, {"Tan", SysTan, "."}, {"ArcTan", SysArcTan, "."},
    {"SetLength", SysSetLength, "v."}, {"High", SysHigh, "."}, {"Low", SysLow, "."},
    {"DeleteFromArray", SysDeleteFromArray, "v."}, {"InsertIntoArray", SysInsertIntoArray, "v.."},
};

// "varSrting" is the spelling scripts know; there is no varString constant.
const TVlIntConstant SystemConstants[] = {
    {"varEmpty", 0x0000}, {"varSmallint", 0x0002}, {"varInteger", 0x0003}, {"varSingle", 0x0004},
    {"varCurrency", 0x0006}, {"varDouble", 0x0005}, {"varDate", 0x0007}, {"varOleStr", 0x0008},
    {"varDispatch", 0x0009}, {"varError", 0x000A}, {"varBoolean", 0x000B}, {"varVariant", 0x000C},
    {"varUnknown", 0x000D}, {"varByte", 0x0011}, {"varStrArg", 0x0048}, {"varSrting", 0x0100},
    {"varAny", 0x0101}, {"varTypeMask", 0x0FFF}, {"varArray", 0x2000}, {"varByRef", 0x4000},
    {"varShortInt", 0x0010}, {"varWord", 0x0012}, {"varLongWord", 0x0013}, {"varInt64", 0x0014},
};

} // namespace

void VlRestartRandom()
{
    RandomEngine().seed(0u);
    ClassicSeed() = TClassicSeed();
}

uint32_t VlRandSeed() { return ClassicSeed().Seed; }
void VlSetRandSeed(uint32_t seed) { ClassicSeed().Seed = seed; }

void VlSetParamStrings(std::vector<std::string> params)
{
    if (params.empty())
        params.push_back("veltrano");
    ParamStrings() = std::move(params);
}

void VlRegisterSystem(TVlInterpreterAdapter &adapter)
{
    VlRegisterClass(adapter, "System", TObject::StaticClassInfo());
    VlRegisterClass(adapter, "System", TInterfacedObject::StaticClassInfo());
    VlRegisterMembers(adapter, TObject::StaticClassInfo(), ObjectMembers);
    VlRegisterMembers(adapter, TInterfacedObject::StaticClassInfo(), InterfacedMembers);
    VlRegisterFunctions(adapter, "System", SystemFunctions);
    VlRegisterIntConstants(adapter, "System", SystemConstants);
}
