// Write, WriteLn and ReadLn for scripts run in a terminal; text is UTF-8 outside, CP1251 inside.
#include "VlInterpreter_Console.h"

#include "VlInterpreterBindingTable.h"
#include "VlInterpreterObjectModel.h"

#include "interpreter/VlInterpreter.h"
#include "interpreter/VlInterpreterTypes.h"
#include "rtl/VlCp1251.h"
#include "rtl/VlSysUtils.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <ostream>

namespace {

bool IsRealKind(uint16_t kind)
{
    return kind == varSingle || kind == varDouble || kind == varCurrency || kind == varDate || kind == varVlExtended;
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
// `exponentDigits` digits (three for doubles, two for singles, four for extendeds).
std::string ScientificText(long double v, int decimals, int exponentDigits = 3)
{
    if (std::isnan(v))
        return "Nan";
    if (std::isinf(v))
        return v < 0 ? "-Inf" : "+Inf";
    char buf[96];
    std::snprintf(buf, sizeof buf, "%.*LE", decimals, std::fabs(v));
    std::string s = buf;
    size_t e = s.find('E');
    std::string mantissa = s.substr(0, e);
    int exponent = std::atoi(s.c_str() + e + 1);
    char exp[16];
    std::snprintf(exp, sizeof exp, "E%c%0*d", exponent < 0 ? '-' : '+', exponentDigits, std::abs(exponent));
    return std::string(v < 0 || std::signbit(v) ? "-" : " ") + mantissa + exp;
}

// Fixed text of `decimals` digits after the point from the value's first `significant` digits
// (correctly rounded), whose rest is rounded half up: 1.0E20 gives all its digits and digits past
// the value's precision are zeros.
std::string LongFixedText(long double v, int significant, int decimals)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", significant - 1, std::fabs(v));
    std::string digits;
    for (const char *c = buf; *c && *c != 'e'; ++c)
        if (*c != '.')
            digits += *c;
    int exponent = std::atoi(std::strchr(buf, 'e') + 1);
    // digit i weighs 10^(exponent - i); the text keeps those down to 10^-decimals
    int kept = exponent + decimals + 1;
    if (kept < 0) {
        digits.clear();
        kept = 0;
    } else if (kept < int(digits.size())) {
        bool up = digits[size_t(kept)] >= '5';
        digits.resize(size_t(kept));
        for (int i = kept - 1; up && i >= 0; --i) {
            up = digits[size_t(i)] == '9';
            digits[size_t(i)] = up ? '0' : char(digits[size_t(i)] + 1);
        }
        if (up) {
            digits.insert(digits.begin(), '1');
            ++exponent;
        }
    }
    int integerDigits = exponent + 1;
    std::string text = "0", fraction;
    if (integerDigits > 0) {
        digits.resize(std::max(digits.size(), size_t(integerDigits)), '0');
        text = digits.substr(0, size_t(integerDigits));
        fraction = digits.substr(size_t(integerDigits));
    } else {
        fraction = std::string(size_t(-integerDigits), '0') + digits;
    }
    fraction.resize(size_t(decimals), '0');
    if (decimals > 0)
        text += '.' + fraction;
    return (v < 0 ? "-" : "") + text;
}

// Halves round away from zero, as console Pascal does. Values of more than 15 integer digits,
// which the library writes with an exponent (1E20), keep the fixed form.
std::string FixedText(double v, int decimals)
{
    decimals = std::clamp(decimals, 0, 18);
    std::string text = VlSysUtils::FloatToStrF(v, VlSysUtils::TFloatFormat::ffFixed, 15, decimals);
    if (std::isfinite(v) && text.find('E') != std::string::npos)
        return LongFixedText(v, 15, decimals);
    return text;
}

// The fuller dialect's fixed text, as Free Pascal writes it: the value's first digits, correctly
// rounded, are rounded half up to the decimals; a single gives 10 digits, a double 15 and an
// extended 19 (2.675:0:2 is 2.68 although the extended lies just below 2.675), or 17 and 21
// digits when the text asks for more. Compared with Free Pascal on many values near halves,
// these counts match all but about three in a thousand. A negative value that rounds to zero
// keeps its sign, and so does a negative zero.
std::string ClassicFixedText(const TVlValue &value, int decimals)
{
    decimals = std::clamp(decimals, 0, 255);
    long double v = value.Kind() == varVlExtended ? value.RawExtended() : ValueToDouble(value);
    if (!std::isfinite(v))
        return ScientificText(v, 0);
    int integerDigits = v == 0 ? 1 : int(std::floor(std::log10(std::fabs(v)))) + 1;
    std::string text;
    if (value.Kind() == varSingle)
        text = LongFixedText(v, 10, decimals);
    else if (value.Kind() == varVlExtended)
        text = LongFixedText(v, integerDigits + decimals > 18 ? 21 : 19, decimals);
    else if (integerDigits + decimals > 15)
        text = LongFixedText(v, 17, decimals);
    else
        text = FixedText(double(v), decimals);
    if (std::signbit(v) && text[0] != '-')
        text = "-" + text;
    return text;
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
        out << Cp1251ToUtf8(VlConsoleText(a.Values[i], a.Widths[i], a.Decimals[i], a.Caller));
}

void ConWrite(TVlValue &, TVlInterpreterArgs &a) { WriteArgs(a); }
void ConWriteLn(TVlValue &, TVlInterpreterArgs &a)
{
    WriteArgs(a);
    *ConsoleOf(a).Out << '\n';
}

// Makes sure a line is being read; false at the end of the input.
bool OpenLine(TVlConsole &console)
{
    if (console.LineOpen)
        return true;
    std::string line;
    if (!console.In || !std::getline(*console.In, line))
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    console.Pending = Utf8ToCp1251(line);
    console.LineOpen = true;
    return true;
}

void CloseLine(TVlConsole &console)
{
    console.Pending.clear();
    console.LineOpen = false;
}

// Any number of arguments: the routine marks the variables for the write-back itself.
void MarkWritten(TVlInterpreterArgs &a, int slot)
{
    a.Types[slot] = varEmpty | varByRef;
    a.HasVarArgs = true;
}

// A number read into a slot holding a number of that kind; an empty word reads as 0.
TVlValue NumberOf(const std::string &word, uint16_t kind)
{
    int32_t n;
    int64_t wide = 0;
    double d;
    if (word.empty())
        return IsRealKind(kind) ? TVlValue::Double(0) : TVlValue::Integer(0);
    if (IsIntegerKind(kind) && VlSysUtils::TryStrToInt(word, n))
        return TVlValue::Integer(n);
    if (kind == varInt64 && std::from_chars(word.data(), word.data() + word.size(), wide).ptr == word.data() + word.size())
        return TVlValue::Int64(wide);
    if (kind == varVlExtended && VlSysUtils::TryStrToFloat(word, d))
        return TVlValue::Extended(std::strtold(word.c_str(), nullptr));  // read to its full precision
    if (IsRealKind(kind) && VlSysUtils::TryStrToFloat(word, d))
        return TVlValue::Double(d);
    VlRaiseRuntime("EInOutError", "Invalid numeric format");
}

// The next blank-separated word, read across line ends (Read of a number).
std::string NextWord(TVlConsole &console)
{
    while (OpenLine(console)) {
        std::string &line = console.Pending;
        size_t start = line.find_first_not_of(" \t");
        if (start != std::string::npos) {
            size_t end = line.find_first_of(" \t", start);
            std::string word = line.substr(start, end == std::string::npos ? std::string::npos : end - start);
            line.erase(0, end == std::string::npos ? line.size() : end);
            return word;
        }
        CloseLine(console);
    }
    return std::string();
}

// The next character; the end of a line reads as a line feed, the end of the input as #26.
char NextChar(TVlConsole &console)
{
    if (!OpenLine(console))
        return '\x1A';
    if (console.Pending.empty()) {
        CloseLine(console);
        return '\n';
    }
    char c = console.Pending[0];
    console.Pending.erase(0, 1);
    return c;
}

// Read: numbers as words across lines, a char variable one character, a string the rest of the line.
void ConRead(TVlValue &, TVlInterpreterArgs &a)
{
    TVlConsole &console = ConsoleOf(a);
    console.Out->flush();
    for (int i = 0; i < a.Count; ++i) {
        if (a.VarNames[i].empty())
            continue;
        TVlValue &slot = a.Values[i];
        uint16_t kind = slot.Kind();
        if (IsIntegerKind(kind) || IsRealKind(kind)) {
            slot = NumberOf(NextWord(console), kind);
        } else if (a.Caller && VlSysUtils::CompareText(a.Caller->VariableTypeName(a.VarNames[i]), "char") == 0) {
            slot = TVlValue::String(std::string(1, NextChar(console)));
        } else {
            slot = TVlValue::String(OpenLine(console) ? console.Pending : std::string());
            console.Pending.clear();
        }
        MarkWritten(a, i);
    }
}

void ConEoln(TVlValue &r, TVlInterpreterArgs &a)
{
    TVlConsole &console = ConsoleOf(a);
    r = TVlValue::Boolean(!OpenLine(console) || console.Pending.empty());
}

void ConEof(TVlValue &r, TVlInterpreterArgs &a)
{
    TVlConsole &console = ConsoleOf(a);
    r = TVlValue::Boolean(!console.LineOpen && (!console.In || console.In->peek() == std::char_traits<char>::eof()));
}

// Crt's ReadKey: the next character typed, Enter as #13.
void ConReadKey(TVlValue &r, TVlInterpreterArgs &a)
{
    char c = NextChar(ConsoleOf(a));
    r = TVlValue::String(std::string(1, c == '\n' ? '\r' : c == '\x1A' ? '\0' : c));
}

// ReadLn: a whole line (an empty one at the end of the input); numbers are read as
// blank-separated words of it, a string takes the rest of it.
void ConReadLn(TVlValue &, TVlInterpreterArgs &a)
{
    TVlConsole &console = ConsoleOf(a);
    console.Out->flush();
    if (!OpenLine(console))
        console.Pending.clear();
    std::string line = console.Pending;
    CloseLine(console);
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
            slot = NumberOf(word, kind);
        } else {
            slot = TVlValue::String(pos < line.size() ? line.substr(pos) : std::string());
            pos = line.size();
        }
        MarkWritten(a, i);
    }
}

} // namespace

std::string VlConsoleText(const TVlValue &value, int width, int decimals, const TVlInterpreterExpression *caller)
{
    std::string text;
    if (value.Kind() == varVlEnum && caller && caller->EnumMemberName(value, text)) {
        // the member's name, filled up on the right
        if (width > int(text.size()))
            text.append(size_t(width) - text.size(), ' ');
        return text;
    }
    if (IsRealKind(value.Kind())) {
        double v = ValueToDouble(value);
        if (decimals >= 0)
            text = caller && caller->ExtendedDialect ? ClassicFixedText(value, decimals) : FixedText(v, decimals);
        else if (value.Kind() == varVlExtended)
            text = ScientificText(value.RawExtended(), width > 0 ? std::clamp(width - 9, 1, 20) : 20, 4);
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
    CloseLine(console);
    const TVlFunctionBinding routines[] = {
        {"Write", ConWrite, "*"}, {"WriteLn", ConWriteLn, "*"}, {"ReadLn", ConReadLn, "*"},
        {"Read", ConRead, "*"}, {"Eoln", ConEoln, "*"}, {"Eof", ConEof, "*"}, {"ReadKey", ConReadKey, "*"},
    };
    for (const TVlFunctionBinding &r : routines) {
        adapter.AddHostFunction("Console", r.Name, r.Func, -1, TVlKinds(), varEmpty, &console);
        adapter.AddFormattedArgs(r.Name);
    }
}
