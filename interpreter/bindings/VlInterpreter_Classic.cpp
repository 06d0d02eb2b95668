// Standard routines of the fuller dialect that textbook programs call (Inc, Dec, Succ, Str, Val,
// ...). They are looked up after the program's own routines, so a program may redefine them.
#include "VlInterpreter_Classic.h"

#include "VlInterpreterBindingTable.h"
#include "VlInterpreter_Console.h"
#include "VlInterpreter_all.h"

#include "interpreter/VlInterpreter.h"
#include "interpreter/VlInterpreterOperations.h"
#include "rtl/VlNameCompare.h"

#include <cmath>
#include <cstdlib>

namespace {

// Argument slot i is a variable parameter: its value goes back into the variable named there
// (the kinds of the other slots are cleared first: "*" routines get no declared kinds).
void ByReference(TVlInterpreterArgs &a, int slot)
{
    if (!a.HasVarArgs)
        for (int i = 0; i < a.Count; ++i)
            a.Types[i] = varEmpty;
    a.Types[slot] = varEmpty | varByRef;
    a.HasVarArgs = true;
}

int64_t Ordinal(const TVlValue &v)
{
    int64_t n = 0;
    if (!VlOrdinalOf(v, n))
        VlRaiseRuntime("EConvertError", "Ordinal value expected");
    return n;
}

// n as a value of the kind of model: characters, booleans and enumeration members stay so,
// integers widen as needed.
TVlValue OrdinalResult(const TVlValue &model, int64_t n)
{
    if (model.IsString() || model.Kind() == varBoolean || model.Kind() == varVlEnum)
        return VlOrdinalLike(model, n);
    return n >= INT32_MIN && n <= INT32_MAX ? TVlValue::Integer(static_cast<int32_t>(n)) : TVlValue::Int64(n);
}

// n + sign * by wrapping at 64 bits, as Free Pascal's Int64 steps do.
int64_t Stepped(int64_t n, int sign, int64_t by)
{
    const uint64_t step = sign > 0 ? static_cast<uint64_t>(by) : uint64_t(0) - static_cast<uint64_t>(by);
    return static_cast<int64_t>(static_cast<uint64_t>(n) + step);
}

void Step(TVlInterpreterArgs &a, int sign)
{
    VlCheckArgCount(a, 1, 2);
    if (a.VarNames[0].empty())
        VlRaiseRuntime("EInvalidArgument", "Variable identifier expected");
    a.HasVarArgs = false;
    int64_t by = a.Count > 1 ? ValueToInt64(a.Values[1]) : 1;
    a.Values[0] = OrdinalResult(a.Values[0], Stepped(Ordinal(a.Values[0]), sign, by));
    ByReference(a, 0);
}

void ClInc(TVlValue &, TVlInterpreterArgs &a) { Step(a, 1); }
void ClDec(TVlValue &, TVlInterpreterArgs &a) { Step(a, -1); }
void ClSucc(TVlValue &r, TVlInterpreterArgs &a) { r = OrdinalResult(a.Values[0], Stepped(Ordinal(a.Values[0]), 1, 1)); }
void ClPred(TVlValue &r, TVlInterpreterArgs &a) { r = OrdinalResult(a.Values[0], Stepped(Ordinal(a.Values[0]), -1, 1)); }
void ClOdd(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Boolean(ValueToInt64(a.Values[0]) % 2 != 0); }
// Frac, Int, Pi and Power answer extended reals, as Free Pascal's do.
void ClFrac(TVlValue &r, TVlInterpreterArgs &a)
{
    long double x = VlToLongDouble(a.Values[0]);
    r = TVlValue::Extended(x - std::trunc(x));
}
void ClInt(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Extended(std::trunc(VlToLongDouble(a.Values[0]))); }
void ClPi(TVlValue &r, TVlInterpreterArgs &) { r = TVlValue::Extended(3.14159265358979323846264338327950288L); }
void ClConcat(TVlValue &r, TVlInterpreterArgs &a)
{
    std::string text;
    for (int i = 0; i < a.Count; ++i)
        text += ValueToString(a.Values[i]);
    r = TVlValue::String(text);
}
void ClStringOfChar(TVlValue &r, TVlInterpreterArgs &a)
{
    std::string c = ValueToString(a.Values[0]);
    int64_t n = ValueToInt64(a.Values[1]);
    r = TVlValue::String(std::string(n > 0 ? static_cast<size_t>(n) : 0, c.empty() ? ' ' : c[0]));
}
void ClAssigned(TVlValue &r, TVlInterpreterArgs &a)
{
    const TVlValue &v = a.Values[0];
    r = TVlValue::Boolean(!v.IsEmpty() && !v.IsNull() &&
                          !((v.Kind() == varVlObject || v.Kind() == varVlPointer || v.Kind() == varVlClass) &&
                            !v.RawPointer()));
}

// Str(x [: width [: decimals]], s): the text Write would print.
void ClStr(TVlValue &, TVlInterpreterArgs &a)
{
    VlCheckArgCount(a, 2, 2);
    a.HasVarArgs = false;
    a.Values[1] = TVlValue::String(VlConsoleText(a.Values[0], a.Widths[0], a.Decimals[0], a.Caller));
    ByReference(a, 1);
}

// Val(s, v, code): v gets the number s spells (a real when v holds one); code the position of the
// first character that is not part of it, or 0.
void ClVal(TVlValue &, TVlInterpreterArgs &a)
{
    VlCheckArgCount(a, 3, 3);
    a.HasVarArgs = false;
    std::string text = ValueToString(a.Values[0]);
    uint16_t kind = a.Values[1].Kind();
    bool real = kind == varDouble || kind == varSingle || kind == varCurrency;
    size_t begin = text.find_first_not_of(' ');
    const char *start = text.c_str() + (begin == std::string::npos ? text.size() : begin);
    char *end = nullptr;
    int32_t code = 0;
    if (real) {
        double d = std::strtod(start, &end);
        a.Values[1] = TVlValue::Double(d);
    } else {
        bool hex = *start == '$';  // $FF, as Free Pascal's Val reads it
        long long n = std::strtoll(start + (hex ? 1 : 0), &end, hex ? 16 : 10);
        if (hex && end == start + 1)
            end = const_cast<char *>(start);  // "$" alone
        a.Values[1] = OrdinalResult(TVlValue::Integer(0), n);
    }
    if (end == start || *end != '\0')
        code = static_cast<int32_t>(end - text.c_str()) + 1;
    if (code)
        a.Values[1] = real ? TVlValue::Double(0) : TVlValue::Integer(0);
    a.Values[2] = TVlValue::Integer(code);
    ByReference(a, 1);
    ByReference(a, 2);
}

TVlValue Extreme(const TVlInterpreterArgs &a, bool greatest)
{
    const TVlValue &x = a.Values[0], &y = a.Values[1];
    bool firstWins = greatest ? VlCompare(x, y) >= 0 : VlCompare(x, y) <= 0;
    return firstWins ? x : y;
}
void ClMax(TVlValue &r, TVlInterpreterArgs &a) { r = Extreme(a, true); }
void ClMin(TVlValue &r, TVlInterpreterArgs &a) { r = Extreme(a, false); }
void ClPower(TVlValue &r, TVlInterpreterArgs &a)
{
    r = TVlValue::Extended(std::pow(VlToLongDouble(a.Values[0]), VlToLongDouble(a.Values[1])));
}
void ClCeil(TVlValue &r, TVlInterpreterArgs &a) { r = OrdinalResult(TVlValue(), static_cast<int64_t>(std::ceil(ValueToDouble(a.Values[0])))); }
void ClFloor(TVlValue &r, TVlInterpreterArgs &a) { r = OrdinalResult(TVlValue(), static_cast<int64_t>(std::floor(ValueToDouble(a.Values[0])))); }

// Include(s, e) and Exclude(s, e) on sets.
void SetMember(TVlInterpreterArgs &a, bool include)
{
    VlCheckArgCount(a, 2, 2);
    a.HasVarArgs = false;
    TVlValue member = TVlValue::WideSet(std::string());
    int64_t e = Ordinal(a.Values[1]);
    if (e >= 0 && e < 256) {
        std::string mask(32, '\0');
        mask[static_cast<size_t>(e / 8)] = static_cast<char>(1 << (e % 8));
        member = TVlValue::WideSet(mask);
    }
    a.Values[0] = VlWideSetOp(include ? tkPlus : tkMinus, a.Values[0], member);
    ByReference(a, 0);
}
void ClInclude(TVlValue &, TVlInterpreterArgs &a) { SetMember(a, true); }
void ClExclude(TVlValue &, TVlInterpreterArgs &a) { SetMember(a, false); }

// Halt [ (code) ]: the run ends at once.
void ClHalt(TVlValue &, TVlInterpreterArgs &a)
{
    VlCheckArgCount(a, 0, 1);
    throw EVlHalt(a.Count ? ValueToInteger(a.Values[0]) : 0);
}

// The screen routines of Crt do nothing: the console is a stream, as when a compiled program's
// output goes to a file.
void ClScreen(TVlValue &, TVlInterpreterArgs &) {}
void ClKeyPressed(TVlValue &r, TVlInterpreterArgs &) { r = TVlValue::Boolean(false); }
void ClWhere(TVlValue &r, TVlInterpreterArgs &) { r = TVlValue::Integer(1); }

const TVlFunctionBinding CrtFunctions[] = {
    {"ClrScr", ClScreen, ""}, {"ClrEol", ClScreen, ""}, {"GotoXY", ClScreen, ".."},
    {"TextColor", ClScreen, "."}, {"TextBackground", ClScreen, "."}, {"Delay", ClScreen, "."},
    {"Sound", ClScreen, "."}, {"NoSound", ClScreen, ""}, {"HighVideo", ClScreen, ""},
    {"LowVideo", ClScreen, ""}, {"NormVideo", ClScreen, ""}, {"CursorOn", ClScreen, ""},
    {"CursorOff", ClScreen, ""}, {"Window", ClScreen, "...."}, {"KeyPressed", ClKeyPressed, ""},
    {"WhereX", ClWhere, ""}, {"WhereY", ClWhere, ""},
};

const TVlIntConstant CrtColors[] = {
    {"Black", 0}, {"Blue", 1}, {"Green", 2}, {"Cyan", 3}, {"Red", 4}, {"Magenta", 5}, {"Brown", 6},
    {"LightGray", 7}, {"DarkGray", 8}, {"LightBlue", 9}, {"LightGreen", 10}, {"LightCyan", 11},
    {"LightRed", 12}, {"LightMagenta", 13}, {"Yellow", 14}, {"White", 15}, {"Blink", 128},
};

const TVlIntConstant ClassicLimits[] = {
    {"MaxInt", 2147483647}, {"MaxLongInt", 2147483647}, {"MaxSmallInt", 32767}, {"MaxShortInt", 127},
};

void ClRandSeed(TVlValue &r, TVlInterpreterArgs &) { r = TVlValue::LongWord(VlRandSeed()); }

// RandSeed := value (and Inc(RandSeed), which writes back the same way).
void WriteRandSeed(void *, const std::string &name, const TVlValue &value, TVlInterpreterArgs &args, bool &done)
{
    if (args.Obj || args.Indexed || !VlSameName(name, "RandSeed"))
        return;
    VlSetRandSeed(static_cast<uint32_t>(ValueToInt64(value)));
    done = true;
}

const TVlFunctionBinding ClassicFunctions[] = {
    {"Inc", ClInc, "*"}, {"Dec", ClDec, "*"}, {"Succ", ClSucc, "."}, {"Pred", ClPred, "."},
    {"Odd", ClOdd, "."}, {"Frac", ClFrac, "."}, {"Int", ClInt, "."}, {"Pi", ClPi, ""},
    {"Concat", ClConcat, "*"}, {"StringOfChar", ClStringOfChar, ".."}, {"Assigned", ClAssigned, "."},
    {"Str", ClStr, "*"}, {"Val", ClVal, "*"}, {"Max", ClMax, ".."}, {"Min", ClMin, ".."},
    {"Power", ClPower, ".."}, {"Ceil", ClCeil, "."}, {"Floor", ClFloor, "."},
    {"Include", ClInclude, "*"}, {"Exclude", ClExclude, "*"}, {"Halt", ClHalt, "*"},
    {"RandSeed", ClRandSeed, ""},
};

} // namespace

void VlRegisterClassic(TVlInterpreterAdapter &adapter)
{
    VlRegisterFunctions(adapter, "System", ClassicFunctions);
    VlRegisterIntConstants(adapter, "System", ClassicLimits);
    adapter.AddSetHook(WriteRandSeed);
    adapter.AddFormattedArgs("Str");
    adapter.AddHostUnit("Math");  // Max, Min, Power, Ceil and Floor live there
    VlRegisterFunctions(adapter, "Crt", CrtFunctions);
    VlRegisterIntConstants(adapter, "Crt", CrtColors);
}

void VlUseClassicDialect(TVlInterpreterExpression &interpreter)
{
    static const std::shared_ptr<TVlInterpreterAdapter> routines = [] {
        auto adapter = std::make_shared<TVlInterpreterAdapter>();
        VlRegisterClassic(*adapter);
        return adapter;
    }();
    interpreter.ExtendedDialect = true;
    interpreter.AddFallbackAdapter(routines);
}
