// Write, WriteLn and ReadLn for scripts run in a terminal; text is UTF-8 outside, CP1251 inside.
#include "VlInterpreter_Console.h"

#include "VlInterpreterBindingTable.h"
#include "VlInterpreterObjectModel.h"

#include "interpreter/VlInterpreterTypes.h"
#include "rtl/VlCp1251.h"
#include "rtl/VlSysUtils.h"

#include <cmath>
#include <cstdio>
#include <istream>
#include <ostream>

namespace {

bool IsRealKind(uint16_t kind)
{
    return kind == varSingle || kind == varDouble || kind == varCurrency || kind == varDate;
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

// " 3.1415926535897931E+000": a sign position, `decimals` digits after the point, an exponent of
// `exponentDigits` digits (three for doubles, two for singles).
std::string ScientificText(double v, int decimals, int exponentDigits = 3)
{
    if (std::isnan(v))
        return "Nan";
    if (std::isinf(v))
        return v < 0 ? "-Inf" : "+Inf";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*E", decimals, std::fabs(v));
    std::string s = buf;
    size_t e = s.find('E');
    std::string mantissa = s.substr(0, e);
    int exponent = std::atoi(s.c_str() + e + 1);
    char exp[16];
    std::snprintf(exp, sizeof exp, "E%c%0*d", exponent < 0 ? '-' : '+', exponentDigits, std::abs(exponent));
    return std::string(v < 0 || std::signbit(v) ? "-" : " ") + mantissa + exp;
}

// Halves round away from zero, as console Pascal does.
std::string FixedText(double v, int decimals)
{
    return VlSysUtils::FloatToStrF(v, VlSysUtils::TFloatFormat::ffFixed, 15, std::clamp(decimals, 0, 18));
}

std::string PlainText(const TVlValue &v)
{
    uint16_t kind = v.Kind();
    if (kind == varBoolean)
        return ValueToBoolean(v) ? "TRUE" : "FALSE";
    if (kind == varEmpty || kind == varNull)
        return {};
    if (kind == varVlObject) {
        TObject *object = VlLiveObject(ValueToObject(v));
        return object ? object->ClassName() : "nil";
    }
    if (IsIntegerKind(kind))
        return std::to_string(ValueToInt64(v));
    return ValueToString(v);
}

TVlConsole &ConsoleOf(const TVlInterpreterArgs &a) { return *static_cast<TVlConsole *>(a.Data); }

void WriteArgs(TVlInterpreterArgs &a)
{
    std::ostream &out = *ConsoleOf(a).Out;
    for (int i = 0; i < a.Count; ++i)
        out << Cp1251ToUtf8(VlConsoleText(a.Values[i], a.Widths[i], a.Decimals[i]));
}

void ConWrite(TVlValue &, TVlInterpreterArgs &a) { WriteArgs(a); }
void ConWriteLn(TVlValue &, TVlInterpreterArgs &a)
{
    WriteArgs(a);
    *ConsoleOf(a).Out << '\n';
}

// Numbers are read as blank-separated words; a string takes the rest of the line.
void ConReadLn(TVlValue &, TVlInterpreterArgs &a)
{
    TVlConsole &console = ConsoleOf(a);
    console.Out->flush();
    std::string line;
    if (console.In)
        std::getline(*console.In, line);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    line = Utf8ToCp1251(line);
    size_t pos = 0;
    for (int i = 0; i < a.Count; ++i) {
        if (a.VarNames[i].empty())
            continue;
        TVlValue &slot = a.Values[i];
        uint16_t kind = slot.Kind();
        if (IsIntegerKind(kind) || IsRealKind(kind)) {
            size_t start = line.find_first_not_of(" \t", pos);
            size_t end = start == std::string::npos ? line.size() : line.find_first_of(" \t", start);
            std::string word = start == std::string::npos ? std::string() : line.substr(start, end - start);
            pos = end;
            int32_t n;
            double d;
            if (word.empty())
                slot = IsRealKind(kind) ? TVlValue::Double(0) : TVlValue::Integer(0);
            else if (IsIntegerKind(kind) && VlSysUtils::TryStrToInt(word, n))
                slot = TVlValue::Integer(n);
            else if (IsRealKind(kind) && VlSysUtils::TryStrToFloat(word, d))
                slot = TVlValue::Double(d);
            else
                VlRaiseRuntime("EInOutError", "Invalid numeric format");
        } else {
            slot = TVlValue::String(pos < line.size() ? line.substr(pos) : std::string());
            pos = line.size();
        }
        // Any number of arguments: mark the variables for the write-back ourselves.
        a.Types[i] = varEmpty | varByRef;
        a.HasVarArgs = true;
    }
}

} // namespace

std::string VlConsoleText(const TVlValue &value, int width, int decimals)
{
    std::string text;
    if (IsRealKind(value.Kind())) {
        double v = ValueToDouble(value);
        if (decimals >= 0)
            text = FixedText(v, decimals);
        else if (value.Kind() == varSingle)
            text = ScientificText(v, width > 0 ? std::clamp(width - 7, 1, 9) : 9, 2);
        else
            text = ScientificText(v, width > 0 ? std::clamp(width - 8, 1, 16) : 16);
    } else {
        text = PlainText(value);
    }
    if (width > int(text.size()))
        text.insert(0, size_t(width) - text.size(), ' ');
    return text;
}

void VlRegisterConsole(TVlInterpreterAdapter &adapter, TVlConsole &console)
{
    const TVlFunctionBinding routines[] = {
        {"Write", ConWrite, "*"}, {"WriteLn", ConWriteLn, "*"}, {"ReadLn", ConReadLn, "*"},
    };
    for (const TVlFunctionBinding &r : routines) {
        adapter.AddHostFunction("Console", r.Name, r.Func, -1, TVlKinds(), varEmpty, &console);
        adapter.AddFormattedArgs(r.Name);
    }
}
