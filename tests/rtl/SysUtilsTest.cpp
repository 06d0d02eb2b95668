// Integer, case, string, float and Format routines behave as Pascal programmers expect.
#include "rtl/VlSysUtils.h"

#include <gtest/gtest.h>

using namespace VlSysUtils;

TEST(SysUtilsIntegers, StrToIntAcceptsPascalIntegerTexts)
{
    struct Row { const char *text; int32_t value; } rows[] = {
        {"0", 0}, {"42", 42}, {"-17", -17}, {"+5", 5}, {"  12", 12}, {"$1F", 31}, {"0x10", 16},
        {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}, {"$FFFFFFFF", -1},
    };
    for (const Row &r : rows)
        EXPECT_EQ(StrToInt(r.text), r.value) << r.text;
}

TEST(SysUtilsIntegers, StrToIntRejectsWithTheFamiliarMessage)
{
    for (const char *bad : {"", " ", "12 ", "1.5", "abc", "2147483648", "-2147483649", "$", "--1", "$1G"}) {
        try {
            StrToInt(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const EConvertError &e) {
            EXPECT_EQ(e.Message(), "'" + std::string(bad) + "' is not a valid integer value");
        }
        EXPECT_EQ(StrToIntDef(bad, -99), -99);
    }
}

TEST(SysUtilsIntegers, IntToStrAndIntToHex)
{
    EXPECT_EQ(IntToStr(-123), "-123");
    EXPECT_EQ(IntToStr(INT64_MIN), "-9223372036854775808");
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(0, 0), "0");
    EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
    EXPECT_EQ(IntToHex(0x123456789LL, 2), "123456789");
}

TEST(SysUtilsCase, AsciiAndCp1251Letters)
{
    // "ПрИвЁт" in code page 1251
    const std::string mixed = "\xCF\xF0\xC8\xE2\xA8\xF2 abc";
    EXPECT_EQ(UpperCase(mixed), "\xCF\xF0\xC8\xE2\xA8\xF2 ABC");  // Cyrillic untouched
    EXPECT_EQ(AnsiUpperCase(mixed), "\xCF\xD0\xC8\xC2\xA8\xD2 ABC");
    EXPECT_EQ(AnsiLowerCase(mixed), "\xEF\xF0\xE8\xE2\xB8\xF2 abc");
    EXPECT_EQ(AnsiUpperCase("\xB3\xBF\xBA\xB4"), "\xB2\xAF\xAA\xA5");  // і ї є ґ
}

TEST(SysUtilsCompare, OrdinalAndAlphabetical)
{
    EXPECT_LT(CompareStr("ABC", "abc"), 0);
    EXPECT_EQ(CompareText("ABC", "abc"), 0);
    EXPECT_GT(CompareText("abd", "ABC"), 0);
    EXPECT_LT(CompareText("ab", "abc"), 0);
    EXPECT_EQ(AnsiCompareText("\xC0\xC1", "\xE0\xE1"), 0);       // АБ = аб
    EXPECT_LT(AnsiCompareText("\xE5", "\xB8"), 0);               // е < ё
    EXPECT_LT(AnsiCompareText("\xB8", "\xE6"), 0);               // ё < ж
    EXPECT_LT(AnsiCompareText("z", "\xE0"), 0);                  // Latin before Cyrillic
    EXPECT_LT(AnsiCompareStr("a", "A"), 0);
    EXPECT_GT(AnsiCompareStr("b", "A"), 0);
}

TEST(SysUtilsStrings, TrimQuoteAndDelimiters)
{
    EXPECT_EQ(Trim(" \t x y \r\n"), "x y");
    EXPECT_EQ(TrimLeft("  x "), "x ");
    EXPECT_EQ(TrimRight("  x "), "  x");
    EXPECT_EQ(QuotedStr("it's"), "'it''s'");
    std::string s = "\"a\"\"b\"rest";
    EXPECT_EQ(AnsiExtractQuotedStr(s, '"'), "a\"b");
    EXPECT_EQ(s, "rest");
    EXPECT_EQ(AnsiDequotedStr("'x''y'", '\''), "x'y");
    EXPECT_EQ(AnsiDequotedStr("plain", '\''), "plain");
    EXPECT_EQ(AdjustLineBreaks("a\nb\rc\r\nd"), "a\r\nb\r\nc\r\nd");
    EXPECT_TRUE(IsValidIdent("_a1"));
    EXPECT_FALSE(IsValidIdent("1a"));
    EXPECT_FALSE(IsValidIdent("a-b"));
    EXPECT_EQ(LastDelimiter("\\/", "c:\\dir/file.txt"), 7);
    EXPECT_TRUE(IsPathDelimiter("a/b", 2));
    EXPECT_FALSE(IsDelimiter(",", "a,b", 4));
    EXPECT_EQ(Pos("lo", "hello"), 4);
    EXPECT_EQ(Pos("", "hello"), 0);
}

TEST(SysUtilsFloat, FloatToStrUsesFifteenDigitGeneralFormat)
{
    struct Row { double value; const char *text; } rows[] = {
        {0, "0"}, {1, "1"}, {-2.5, "-2.5"}, {0.1, "0.1"}, {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"}, {123456789012345.0, "123456789012345"},
        {1e15, "1E15"}, {1.5e20, "1.5E20"}, {0.0001, "0.0001"}, {0.00001, "1E-5"},
        {-1.25e-10, "-1.25E-10"}, {3.14159265358979, "3.14159265358979"}, {100, "100"},
    };
    for (const Row &r : rows)
        EXPECT_EQ(FloatToStr(r.value), r.text) << r.value;
}

TEST(SysUtilsFloat, FloatToStrFFormats)
{
    EXPECT_EQ(FloatToStrF(1234.5678, TFloatFormat::ffFixed, 15, 2), "1234.57");
    EXPECT_EQ(FloatToStrF(-0.001, TFloatFormat::ffFixed, 15, 2), "0.00");
    EXPECT_EQ(FloatToStrF(1234567.891, TFloatFormat::ffNumber, 15, 2), "1 234 567.89");
    EXPECT_EQ(FloatToStrF(1.0, TFloatFormat::ffExponent, 4, 2), "1.000E+00");
    EXPECT_EQ(FloatToStrF(-12345.0, TFloatFormat::ffExponent, 3, 0), "-1.23E+4");
    EXPECT_EQ(FloatToStrF(12.5, TFloatFormat::ffCurrency, 15, 2), "12.50 \xF0.");
    EXPECT_EQ(FloatToStrF(-12.5, TFloatFormat::ffCurrency, 15, 2), "-12.50 \xF0.");
    EXPECT_EQ(FloatToStrF(9.995, TFloatFormat::ffFixed, 15, 2), "10.00");
}

TEST(SysUtilsFloat, FormatFloatPictures)
{
    struct Row { const char *format; double value; const char *text; } rows[] = {
        {"0.00", 3.14159, "3.14"}, {"#.##", 3.1, "3.1"}, {"#,##0.00", 1234567.5, "1 234 567.50"},
        {"000", 7, "007"}, {"0.0", -0.04, "0.0"}, {"0.0", -2.25, "-2.3"}, {"#", 0, ""},
        {"0.00E+00", 12345, "1.23E+04"}, {"0.0e-0", 0.00125, "1.3e-3"},
        {"'Total: '0", 42, "Total: 42"}, {"0;(0)", -5, "(5)"}, {"0;(0);'zero'", 0, "zero"},
        {".00", 0.5, ".50"}, {"", 2.5, "2.5"},
    };
    for (const Row &r : rows)
        EXPECT_EQ(FormatFloat(r.format, r.value), r.text) << r.format << " " << r.value;
}

TEST(SysUtilsFloat, StrToFloat)
{
    EXPECT_DOUBLE_EQ(StrToFloat(" 1.5 "), 1.5);
    EXPECT_DOUBLE_EQ(StrToFloat("-2e3"), -2000);
    EXPECT_DOUBLE_EQ(StrToFloat(".5"), 0.5);
    for (const char *bad : {"", "1,5", "abc", "1e", "inf", "0x10", "1.2.3"})
        EXPECT_THROW(StrToFloat(bad), EConvertError) << bad;
    try {
        StrToFloat("x");
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.Message(), "'x' is not a valid floating point value");
    }
}

TEST(SysUtilsFormat, Specifiers)
{
    using A = TVlFormatArg;
    struct Row { const char *format; std::vector<A> args; const char *text; } rows[] = {
        {"%d items", {A::Int(3)}, "3 items"},
        {"[%5d][%-5d]", {A::Int(42), A::Int(42)}, "[   42][42   ]"},
        {"%.4d", {A::Int(-7)}, "-0007"},
        {"%x %u", {A::Int(255), A::Int(-1)}, "FF 4294967295"},
        {"%s and %s", {A::Str("a"), A::Str("b")}, "a and b"},
        {"%.2s", {A::Str("abcdef")}, "ab"},
        {"%1:s %0:s %s", {A::Str("x"), A::Str("y")}, "y x y"},
        {"%*d", {A::Int(4), A::Int(1)}, "   1"},
        {"%.*f", {A::Int(1), A::Flt(2.25)}, "2.3"},
        {"%f", {A::Flt(1)}, "1.00"},
        {"%e", {A::Flt(1)}, "1.00000000000000E+000"},
        {"%g", {A::Flt(0.5)}, "0.5"},
        {"%n", {A::Flt(1234.5)}, "1 234.50"},
        {"%m", {A::Curr(3)}, "3.00 \xF0."},
        {"100%%", {}, "100%"},
    };
    for (const Row &r : rows)
        EXPECT_EQ(Format(r.format, r.args), r.text) << r.format;
}

TEST(SysUtilsFormat, ErrorsNameTheFormat)
{
    using A = TVlFormatArg;
    try {
        Format("%d", {A::Str("x")});
        ADD_FAILURE();
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.Message(), "Format '%d' invalid or incompatible with argument");
    }
    try {
        Format("%s %s", {A::Str("x")});
        ADD_FAILURE();
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.Message(), "No argument for format '%s %s'");
    }
    EXPECT_THROW(Format("%q", {A::Int(1)}), EConvertError);
    EXPECT_THROW(Format("abc %", {}), EConvertError);
    EXPECT_THROW(Format("%f", {A::Bool(true)}), EConvertError);
}
