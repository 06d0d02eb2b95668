// String, number and formatting routines with the behaviour Pascal programs expect (CP1251 text).
#pragma once

#include "VlExceptions.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace VlSysUtils {

// Conversion routines raise EConvertError ("'x' is not a valid integer value").

// Locale texts used by the number and date formatting routines. The process-wide settings are
// Russian, except that the decimal separator is "." everywhere.
struct TVlFormatSettings {
    char DecimalSeparator = '.';
    char ThousandSeparator = ' ';
    std::string CurrencyString;
    int CurrencyFormat = 3;      // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
    int NegCurrFormat = 8;       // 8 "-1 $"; the other Windows codes are honoured too
    int CurrencyDecimals = 2;
    char DateSeparator = '.';
    char TimeSeparator = ':';
    std::string ShortDateFormat;
    std::string LongDateFormat;
    std::string ShortTimeFormat;
    std::string LongTimeFormat;
    std::string TimeAMString;
    std::string TimePMString;
    std::string ShortMonthNames[12];
    std::string LongMonthNames[12];
    std::string ShortDayNames[7];   // Sunday first
    std::string LongDayNames[7];
};

const TVlFormatSettings &FormatSettings();

// Integers
std::string IntToStr(int64_t value);
// Hex digits, upper case, at least `digits` of them; negative 32-bit values as their 32-bit pattern.
std::string IntToHex(int64_t value, int digits);
// Decimal or "$hex" text with optional sign and leading blanks; throws EConvertError.
int32_t StrToInt(std::string_view text);
int64_t StrToInt64(std::string_view text);
int32_t StrToIntDef(std::string_view text, int32_t defaultValue);
bool TryStrToInt(std::string_view text, int32_t &value);

// Case and comparison
std::string UpperCase(std::string_view text);      // ASCII letters only
std::string LowerCase(std::string_view text);
std::string AnsiUpperCase(std::string_view text);  // code page 1251 letters too
std::string AnsiLowerCase(std::string_view text);
char AnsiUpperChar(char ch);
char AnsiLowerChar(char ch);
int CompareStr(std::string_view a, std::string_view b);      // byte order
int CompareText(std::string_view a, std::string_view b);     // ASCII case-insensitive
int AnsiCompareStr(std::string_view a, std::string_view b);  // alphabetical, lower case first
int AnsiCompareText(std::string_view a, std::string_view b); // alphabetical, case-insensitive

// Trimming, quoting, misc
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);
std::string QuotedStr(std::string_view text);
std::string AnsiQuotedStr(std::string_view text, char quote);
// Reads a quoted string at the start of `text`, removes it from `text` and returns its content;
// returns "" (and leaves `text`) when it does not start with `quote`.
std::string AnsiExtractQuotedStr(std::string &text, char quote);
// The content of a quoted string, or the text unchanged when it is not quoted.
std::string AnsiDequotedStr(std::string_view text, char quote);
std::string AdjustLineBreaks(std::string_view text);  // every line end becomes CR LF
bool IsValidIdent(std::string_view text);
bool IsDelimiter(std::string_view delimiters, std::string_view text, int index);  // 1-based
int LastDelimiter(std::string_view delimiters, std::string_view text);             // 1-based, 0
bool IsPathDelimiter(std::string_view text, int index);                            // 1-based
// Pascal's Pos: 1-based index of the first occurrence, 0 when absent or `sub` is empty.
int Pos(std::string_view sub, std::string_view text);

// Floating point
enum class TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };
std::string FloatToStr(double value);  // 15 significant digits, general format
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits);
std::string FormatFloat(std::string_view format, double value);
double StrToFloat(std::string_view text);  // throws EConvertError
bool TryStrToFloat(std::string_view text, double &value);

// One argument of Format: what a Pascal "array of const" element can hold.
struct TVlFormatArg {
    enum TKind { Integer, Float, Currency, String, Pointer, Boolean } Kind = Integer;
    int64_t IntValue = 0;
    double FloatValue = 0;
    std::string StringValue;
    const void *PointerValue = nullptr;

    static TVlFormatArg Int(int64_t v) { TVlFormatArg a; a.Kind = Integer; a.IntValue = v; return a; }
    static TVlFormatArg Flt(double v) { TVlFormatArg a; a.Kind = Float; a.FloatValue = v; return a; }
    static TVlFormatArg Curr(double v) { TVlFormatArg a; a.Kind = Currency; a.FloatValue = v; return a; }
    static TVlFormatArg Str(std::string v) { TVlFormatArg a; a.Kind = String; a.StringValue = std::move(v); return a; }
    static TVlFormatArg Ptr(const void *v) { TVlFormatArg a; a.Kind = Pointer; a.PointerValue = v; return a; }
    static TVlFormatArg Bool(bool v) { TVlFormatArg a; a.Kind = Boolean; a.IntValue = v; return a; }
};

// %[index:][-][width][.precision]type with the types d u e f g n m p s x; "*" takes width or
// precision from the arguments. Throws EConvertError on a bad specifier or a missing argument.
std::string Format(std::string_view format, const std::vector<TVlFormatArg> &args);

} // namespace VlSysUtils
