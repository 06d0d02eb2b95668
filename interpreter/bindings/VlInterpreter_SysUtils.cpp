// The SysUtils unit for scripts: exception classes, strings, numbers, Format, dates; files live in
// VlInterpreter_SysUtilsFiles.cpp.
#include "VlInterpreter_SysUtilsFiles.h"
#include "VlInterpreter_all.h"
#include "VlInterpreterBindingTable.h"
#include "VlInterpreterFormatArgs.h"
#include "VlInterpreterObjectModel.h"
#include "VlInterpreterScriptMemory.h"

#include "interpreter/VlInterpreterError.h"
#include "interpreter/VlInterpreterTypes.h"
#include "rtl/VlDateTime.h"
#include "rtl/VlSysUtils.h"
#include "rtl/VlSysUtilsFile.h"

#include <cstdlib>
#include <cstring>

using namespace VlSysUtils;

namespace {

std::string Str(const TVlInterpreterArgs &a, int i) { return ValueToString(a.Values[i]); }
int32_t Int(const TVlInterpreterArgs &a, int i) { return ValueToInteger(a.Values[i]); }
double Dbl(const TVlInterpreterArgs &a, int i) { return ValueToDouble(a.Values[i]); }
char QuoteChar(const TVlInterpreterArgs &a, int i)
{
    std::string q = Str(a, i);
    return q.empty() ? '\'' : q[0];
}

// Exception ----------------------------------------------------------------------------------

const TClassInfo &ExceptionClassOfTarget(const TVlInterpreterArgs &a)
{
    const TClassInfo *cls = VlSelfClass(a);
    if (!cls->InheritsFrom(&TVlExceptionObject::StaticClassInfo()))
        VlRaiseInvalidCast();
    return *cls;
}
void ExcCreate(TVlValue &r, TVlInterpreterArgs &a)
{
    r = VlObjectValue(new TVlExceptionObject(ExceptionClassOfTarget(a), Str(a, 0)));
}
void ExcCreateHelp(TVlValue &r, TVlInterpreterArgs &a)
{
    r = VlObjectValue(new TVlExceptionObject(ExceptionClassOfTarget(a), Str(a, 0), Int(a, 1)));
}
// String resources do not exist here: a resource identifier loads the empty text.
void ExcCreateRes(TVlValue &r, TVlInterpreterArgs &a)
{
    (void)Int(a, 0);
    r = VlObjectValue(new TVlExceptionObject(ExceptionClassOfTarget(a), std::string()));
}
void ExcCreateResHelp(TVlValue &r, TVlInterpreterArgs &a)
{
    (void)Int(a, 0);
    r = VlObjectValue(new TVlExceptionObject(ExceptionClassOfTarget(a), std::string(), Int(a, 1)));
}
void ExcNotImplemented(TVlValue &, TVlInterpreterArgs &a) { VlNotImplemented("Exception." + a.Identifier); }
void ExcGetMessage(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(VlSelf<TVlExceptionObject>(a)->Message); }
void ExcGetHelpContext(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(VlSelf<TVlExceptionObject>(a)->HelpContext); }
void ExcSetMessage(const TVlValue &v, TVlInterpreterArgs &a) { VlSelf<TVlExceptionObject>(a)->Message = ValueToString(v); }
void ExcSetHelpContext(const TVlValue &v, TVlInterpreterArgs &a) { VlSelf<TVlExceptionObject>(a)->HelpContext = ValueToInteger(v); }

const TVlMemberBinding ExceptionMembers[] = {
    VlGet("Create", ExcCreate, "."), VlGet("CreateFmt", ExcNotImplemented, ".."),
    VlGet("CreateRes", ExcCreateRes, "."), VlGet("CreateResFmt", ExcNotImplemented, ".."),
    VlGet("CreateHelp", ExcCreateHelp, ".."), VlGet("CreateFmtHelp", ExcNotImplemented, "..."),
    VlGet("CreateResHelp", ExcCreateResHelp, ".."), VlGet("CreateResFmtHelp", ExcNotImplemented, "..."),
    VlGet("HelpContext", ExcGetHelpContext), VlGet("Message", ExcGetMessage),
    VlSet("HelpContext", ExcSetHelpContext), VlSet("Message", ExcSetMessage),
};
// A getter on a class value serves that exact class only, so every descendant gets its own
// constructors.
const TVlMemberBinding DescendantConstructors[] = {
    VlGet("Create", ExcCreate, "."), VlGet("CreateRes", ExcCreateRes, "."),
    VlGet("CreateHelp", ExcCreateHelp, ".."), VlGet("CreateResHelp", ExcCreateResHelp, ".."),
};

// Strings ------------------------------------------------------------------------------------

void SuUpperCase(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(UpperCase(Str(a, 0))); }
void SuLowerCase(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(LowerCase(Str(a, 0))); }
void SuAnsiUpperCase(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(AnsiUpperCase(Str(a, 0))); }
void SuAnsiLowerCase(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(AnsiLowerCase(Str(a, 0))); }
void SuCompareStr(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(CompareStr(Str(a, 0), Str(a, 1))); }
void SuCompareText(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(CompareText(Str(a, 0), Str(a, 1))); }
void SuAnsiCompareStr(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(AnsiCompareStr(Str(a, 0), Str(a, 1))); }
void SuAnsiCompareText(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(AnsiCompareText(Str(a, 0), Str(a, 1))); }
void SuAnsiStrLComp(TVlValue &r, TVlInterpreterArgs &a)
{
    size_t n = size_t(std::max(0, Int(a, 2)));
    std::string x = Str(a, 0).substr(0, n), y = Str(a, 1).substr(0, n);
    bool ignoreCase = VlLowerName(a.Identifier).find("licomp") != std::string::npos;
    r = TVlValue::Integer(ignoreCase ? AnsiCompareText(x, y) : AnsiCompareStr(x, y));
}
void SuCompareMem(TVlValue &r, TVlInterpreterArgs &a)
{
    r = TVlValue::Boolean(VlScriptCompareMem(a.Values[0], a.Values[1], Int(a, 2)));
}
void SuLastChar(TVlValue &r, TVlInterpreterArgs &a)
{
    std::string s = Str(a, 0);
    r = TVlValue::String(s.empty() ? std::string() : s.substr(s.size() - 1));
}
void SuTrim(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(Trim(Str(a, 0))); }
void SuTrimLeft(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(TrimLeft(Str(a, 0))); }
void SuTrimRight(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(TrimRight(Str(a, 0))); }
void SuQuotedStr(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(QuotedStr(Str(a, 0))); }
void SuAnsiQuotedStr(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(AnsiQuotedStr(Str(a, 0), QuoteChar(a, 1))); }
void SuAnsiExtractQuotedStr(TVlValue &r, TVlInterpreterArgs &a)
{
    std::string s = Str(a, 0);
    r = TVlValue::String(AnsiExtractQuotedStr(s, QuoteChar(a, 1)));
    a.Values[0] = TVlValue::String(s);
}
void SuExtractQuotedString(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(AnsiDequotedStr(Str(a, 0), QuoteChar(a, 1))); }
void SuAdjustLineBreaks(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(AdjustLineBreaks(Str(a, 0))); }
void SuIsValidIdent(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Boolean(IsValidIdent(Str(a, 0))); }
void SuIntToStr(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(IntToStr(ValueToInt64(a.Values[0]))); }
void SuIntToHex(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(IntToHex(ValueToInt64(a.Values[0]), Int(a, 1))); }
void SuStrToInt(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(StrToInt(Str(a, 0))); }
void SuStrToIntDef(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(StrToIntDef(Str(a, 0), Int(a, 1))); }
void SuLoadStr(TVlValue &r, TVlInterpreterArgs &a)
{
    (void)Int(a, 0);
    r = TVlValue::String(std::string());
}

// Null-terminated string routines work on script strings: a "buffer" is the text itself, and a
// routine that would answer a pointer into it answers the text from that point.
void SuStrLen(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(int32_t(std::strlen(Str(a, 0).c_str()))); }
void SuStrEnd(TVlValue &r, TVlInterpreterArgs &) { r = TVlValue::String(std::string()); }
void SuStrMove(TVlValue &r, TVlInterpreterArgs &a)
{
    std::string dest = Str(a, 0), src = Str(a, 1);
    size_t n = std::min(size_t(std::max(0, Int(a, 2))), src.size());
    if (dest.size() < n)
        dest.resize(n);
    dest.replace(0, n, src, 0, n);
    r = TVlValue::String(dest);
}
void SuStrCopy(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(Str(a, 1)); }
void SuStrLCopy(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(Str(a, 1).substr(0, size_t(std::max(0, Int(a, 2))))); }
void SuStrCat(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(Str(a, 0) + Str(a, 1)); }
void SuStrLCat(TVlValue &r, TVlInterpreterArgs &a)
{
    r = TVlValue::String((Str(a, 0) + Str(a, 1)).substr(0, size_t(std::max(0, Int(a, 2)))));
}
void SuStrComp(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(CompareStr(Str(a, 0), Str(a, 1))); }
void SuStrIComp(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(CompareText(Str(a, 0), Str(a, 1))); }
void SuStrLComp(TVlValue &r, TVlInterpreterArgs &a)
{
    size_t n = size_t(std::max(0, Int(a, 2)));
    std::string x = Str(a, 0).substr(0, n), y = Str(a, 1).substr(0, n);
    bool ignoreCase = VlLowerName(a.Identifier).find("licomp") != std::string::npos;
    r = TVlValue::Integer(ignoreCase ? CompareText(x, y) : CompareStr(x, y));
}
void SuStrScan(TVlValue &r, TVlInterpreterArgs &a)
{
    std::string s = Str(a, 0), c = Str(a, 1);
    bool reverse = VlLowerName(a.Identifier).find("rscan") != std::string::npos;
    size_t p = c.empty() ? std::string::npos : (reverse ? s.rfind(c[0]) : s.find(c[0]));
    r = TVlValue::String(p == std::string::npos ? std::string() : s.substr(p));
}
void SuStrPos(TVlValue &r, TVlInterpreterArgs &a)
{
    std::string s = Str(a, 0), sub = Str(a, 1);
    size_t p = sub.empty() ? std::string::npos : s.find(sub);
    r = TVlValue::String(p == std::string::npos ? std::string() : s.substr(p));
}
void SuStrUpper(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(UpperCase(Str(a, 0))); }
void SuStrLower(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(LowerCase(Str(a, 0))); }
void SuAnsiStrUpper(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(AnsiUpperCase(Str(a, 0))); }
void SuAnsiStrLower(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(AnsiLowerCase(Str(a, 0))); }
void SuStrPas(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(Str(a, 0)); }
void SuStrAlloc(TVlValue &r, TVlInterpreterArgs &a)
{
    (void)Int(a, 0);
    r = TVlValue::String(std::string());
}
void SuStrBufSize(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(int32_t(Str(a, 0).size()) + 1); }
void SuStrDispose(TVlValue &, TVlInterpreterArgs &) {}
void SuAnsiPos(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(Pos(Str(a, 0), Str(a, 1))); }
void SuIsPathDelimiter(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Boolean(IsPathDelimiter(Str(a, 0), Int(a, 1))); }
void SuIsDelimiter(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Boolean(IsDelimiter(Str(a, 0), Str(a, 1), Int(a, 2))); }
void SuLastDelimiter(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(LastDelimiter(Str(a, 0), Str(a, 1))); }
void SuAnsiCompareFileName(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(AnsiCompareStr(Str(a, 0), Str(a, 1))); }
// Code page 1251 has single-byte characters only.
void SuByteType(TVlValue &r, TVlInterpreterArgs &a)
{
    (void)Str(a, 0);
    r = TVlValue::Integer(0);  // mbSingleByte
}
void SuByteToCharLen(TVlValue &r, TVlInterpreterArgs &a)
{
    r = TVlValue::Integer(std::min(Int(a, 1), int32_t(Str(a, 0).size())));
}
void SuByteToCharIndex(TVlValue &r, TVlInterpreterArgs &a)
{
    int index = Int(a, 1);
    r = TVlValue::Integer(index >= 1 && index <= int(Str(a, 0).size()) ? index : 0);
}

// Format -------------------------------------------------------------------------------------

TVlFormatArg FormatArgOf(const TVlValue &v)
{
    switch (v.Kind()) {
    case varSmallint: case varInteger: case varShortInt: case varByte: case varWord: case varLongWord: case varInt64:
        return TVlFormatArg::Int(ValueToInt64(v));
    case varSingle: case varDouble: case varDate:
        return TVlFormatArg::Flt(ValueToDouble(v));
    case varCurrency:
        return TVlFormatArg::Curr(ValueToDouble(v));
    case varBoolean:
        return TVlFormatArg::Bool(ValueToBoolean(v));
    case varVlPointer:
    case varVlObject:
    case varVlClass:
        return TVlFormatArg::Ptr(v.RawPointer());
    default:
        return TVlFormatArg::Str(ValueToString(v));
    }
}

// The elements of an array argument, at full precision (the open-array buffer would turn
// doubles into currency values).
std::vector<TVlFormatArg> FormatArgs(TVlInterpreterArgs &a, int slot)
{
    std::vector<TVlFormatArg> args;
    const TVlValue &v = a.Values[slot];
    if (v.IsVariantArray()) {
        for (const TVlValue &item : v.RawVariantArray()->Items)
            args.push_back(FormatArgOf(item));
    } else if (v.IsScriptArray()) {
        if (v.RawScriptArray()->DimCount != 1)
            VlRaiseRuntime("EVlException", "Sorry, for one-dimensional arrays only");
        for (const TVlValue &item : v.RawScriptArray()->Items)
            args.push_back(FormatArgOf(item));
    } else if (!v.IsEmpty() && !v.IsNull()) {
        args.push_back(FormatArgOf(v));
    }
    return args;
}

void SuFormat(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(Format(Str(a, 0), FormatArgs(a, 1))); }
void SuFmtStr(TVlValue &, TVlInterpreterArgs &a) { a.Values[0] = TVlValue::String(Format(Str(a, 1), FormatArgs(a, 2))); }
void SuStrFmt(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(Format(Str(a, 1), FormatArgs(a, 2))); }
void SuStrLFmt(TVlValue &r, TVlInterpreterArgs &a)
{
    r = TVlValue::String(Format(Str(a, 2), FormatArgs(a, 3)).substr(0, size_t(std::max(0, Int(a, 1)))));
}
void SuFormatBuf(TVlValue &r, TVlInterpreterArgs &a)
{
    std::string fmt = Str(a, 2).substr(0, size_t(std::max(0, Int(a, 3))));
    std::string text = Format(fmt, FormatArgs(a, 4)).substr(0, size_t(std::max(0, Int(a, 1))));
    a.Values[0] = TVlValue::String(text);
    r = TVlValue::Integer(int32_t(text.size()));
}

// Numbers ------------------------------------------------------------------------------------

TFloatFormat FloatFormatArg(const TVlInterpreterArgs &a, int i)
{
    int f = Int(a, i);
    return f >= 0 && f <= 4 ? TFloatFormat(f) : TFloatFormat::ffGeneral;
}
void SuFloatToStr(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(FloatToStr(Dbl(a, 0))); }
void SuFloatToStrF(TVlValue &r, TVlInterpreterArgs &a)
{
    r = TVlValue::String(FloatToStrF(Dbl(a, 0), FloatFormatArg(a, 1), Int(a, 2), Int(a, 3)));
}
void SuCurrToStrF(TVlValue &r, TVlInterpreterArgs &a)
{
    r = TVlValue::String(FloatToStrF(Dbl(a, 0), FloatFormatArg(a, 1), 19, Int(a, 2)));
}
void SuFormatFloat(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(FormatFloat(Str(a, 0), Dbl(a, 1))); }
void SuStrToFloat(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Double(StrToFloat(Str(a, 0))); }
void SuStrToCurr(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Currency(StrToFloat(Str(a, 0))); }

// Dates --------------------------------------------------------------------------------------

void SuEncodeDate(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Date(EncodeDate(Int(a, 0), Int(a, 1), Int(a, 2))); }
void SuEncodeTime(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Date(EncodeTime(Int(a, 0), Int(a, 1), Int(a, 2), Int(a, 3))); }
void SuDecodeDate(TVlValue &, TVlInterpreterArgs &a)
{
    int y, m, d;
    DecodeDate(Dbl(a, 0), y, m, d);
    a.Values[1] = TVlValue::Integer(y);
    a.Values[2] = TVlValue::Integer(m);
    a.Values[3] = TVlValue::Integer(d);
}
void SuDecodeTime(TVlValue &, TVlInterpreterArgs &a)
{
    int h, n, s, ms;
    DecodeTime(Dbl(a, 0), h, n, s, ms);
    a.Values[1] = TVlValue::Integer(h);
    a.Values[2] = TVlValue::Integer(n);
    a.Values[3] = TVlValue::Integer(s);
    a.Values[4] = TVlValue::Integer(ms);
}
void SuDayOfWeek(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Integer(DayOfWeek(Dbl(a, 0))); }
void SuDate(TVlValue &r, TVlInterpreterArgs &) { r = TVlValue::Date(Date()); }
void SuTime(TVlValue &r, TVlInterpreterArgs &) { r = TVlValue::Date(Time()); }
void SuNow(TVlValue &r, TVlInterpreterArgs &) { r = TVlValue::Date(Now()); }
void SuIncMonth(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Date(IncMonth(Dbl(a, 0), Int(a, 1))); }
void SuIsLeapYear(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Boolean(IsLeapYear(Int(a, 0))); }
void SuDateToStr(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(DateToStr(Dbl(a, 0))); }
void SuTimeToStr(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(TimeToStr(Dbl(a, 0))); }
void SuDateTimeToStr(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(DateTimeToStr(Dbl(a, 0))); }
void SuStrToDate(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Date(StrToDate(Str(a, 0))); }
void SuStrToTime(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Date(StrToTime(Str(a, 0))); }
void SuStrToDateTime(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::Date(StrToDateTime(Str(a, 0))); }
void SuFormatDateTime(TVlValue &r, TVlInterpreterArgs &a) { r = TVlValue::String(FormatDateTime(Str(a, 0), Dbl(a, 1))); }
void SuDateTimeToString(TVlValue &, TVlInterpreterArgs &a) { a.Values[0] = TVlValue::String(FormatDateTime(Str(a, 1), Dbl(a, 2))); }

const TVlFunctionBinding SysUtilsFunctions[] = {
    {"UpperCase", SuUpperCase, "."}, {"LowerCase", SuLowerCase, "."}, {"CompareStr", SuCompareStr, ".."},
    {"CompareMem", SuCompareMem, "..."}, {"CompareText", SuCompareText, ".."},
    {"AnsiUpperCase", SuAnsiUpperCase, "."}, {"AnsiLowerCase", SuAnsiLowerCase, "."},
    {"AnsiCompareStr", SuAnsiCompareStr, ".."}, {"AnsiCompareText", SuAnsiCompareText, ".."},
    {"AnsiStrComp", SuAnsiCompareStr, ".."}, {"AnsiStrIComp", SuAnsiCompareText, ".."},
    {"AnsiStrLComp", SuAnsiStrLComp, "..."}, {"AnsiStrLIComp", SuAnsiStrLComp, "..."},
    {"AnsiStrLower", SuAnsiStrLower, "."}, {"AnsiStrUpper", SuAnsiStrUpper, "."},
    {"AnsiLastChar", SuLastChar, "."}, {"AnsiStrLastChar", SuLastChar, "."},
    {"Trim", SuTrim, "."}, {"TrimLeft", SuTrimLeft, "."}, {"TrimRight", SuTrimRight, "."},
    {"QuotedStr", SuQuotedStr, "."}, {"AnsiQuotedStr", SuAnsiQuotedStr, ".."},
    {"AnsiExtractQuotedStr", SuAnsiExtractQuotedStr, "v."},
    {"ExtractQuotedString", SuExtractQuotedString, ".."},
    {"AdjustLineBreaks", SuAdjustLineBreaks, "."}, {"IsValidIdent", SuIsValidIdent, "."},
    {"IntToStr", SuIntToStr, "."}, {"IntToHex", SuIntToHex, ".."}, {"StrToInt", SuStrToInt, "."},
    {"StrToIntDef", SuStrToIntDef, ".."}, {"LoadStr", SuLoadStr, "."},
    {"StrLen", SuStrLen, "."}, {"StrEnd", SuStrEnd, "."}, {"StrMove", SuStrMove, "..."},
    {"StrCopy", SuStrCopy, ".."}, {"StrECopy", SuStrEnd, ".."}, {"StrLCopy", SuStrLCopy, "..."},
    {"StrPCopy", SuStrCopy, ".."}, {"StrPLCopy", SuStrLCopy, "..."}, {"StrCat", SuStrCat, ".."},
    {"StrLCat", SuStrLCat, "..."}, {"StrComp", SuStrComp, ".."}, {"StrIComp", SuStrIComp, ".."},
    {"StrLComp", SuStrLComp, "..."}, {"StrLIComp", SuStrLComp, "..."}, {"StrScan", SuStrScan, ".."},
    {"StrRScan", SuStrScan, ".."}, {"StrPos", SuStrPos, ".."}, {"StrUpper", SuStrUpper, "."},
    {"StrLower", SuStrLower, "."}, {"StrPas", SuStrPas, "."}, {"StrAlloc", SuStrAlloc, "."},
    {"StrBufSize", SuStrBufSize, "."}, {"StrNew", SuStrPas, "."}, {"StrDispose", SuStrDispose, "."},
    {"Format", SuFormat, ".."}, {"FmtStr", SuFmtStr, "v.."}, {"StrFmt", SuStrFmt, "..."},
    {"StrLFmt", SuStrLFmt, "...."}, {"FormatBuf", SuFormatBuf, "v...."},
    {"FloatToStr", SuFloatToStr, "."}, {"CurrToStr", SuFloatToStr, "."},
    {"FloatToStrF", SuFloatToStrF, "...."}, {"CurrToStrF", SuCurrToStrF, "..."},
    {"FormatFloat", SuFormatFloat, ".."}, {"FormatCurr", SuFormatFloat, ".."},
    {"StrToFloat", SuStrToFloat, "."}, {"StrToCurr", SuStrToCurr, "."},
    {"EncodeDate", SuEncodeDate, "..."}, {"EncodeTime", SuEncodeTime, "...."},
    {"DecodeDate", SuDecodeDate, ".vvv"}, {"DecodeTime", SuDecodeTime, ".vvvv"},
    {"DayOfWeek", SuDayOfWeek, "."}, {"Date", SuDate, ""}, {"Time", SuTime, ""}, {"Now", SuNow, ""},
    {"IncMonth", SuIncMonth, ".."}, {"IsLeapYear", SuIsLeapYear, "."}, {"DateToStr", SuDateToStr, "."},
    {"TimeToStr", SuTimeToStr, "."}, {"DateTimeToStr", SuDateTimeToStr, "."},
    {"StrToDate", SuStrToDate, "."}, {"StrToTime", SuStrToTime, "."},
    {"StrToDateTime", SuStrToDateTime, "."}, {"FormatDateTime", SuFormatDateTime, ".."},
    {"DateTimeToString", SuDateTimeToString, "v.."},
    {"ByteType", SuByteType, ".."}, {"StrByteType", SuByteType, ".."},
    {"ByteToCharLen", SuByteToCharLen, ".."}, {"CharToByteLen", SuByteToCharLen, ".."},
    {"ByteToCharIndex", SuByteToCharIndex, ".."}, {"CharToByteIndex", SuByteToCharIndex, ".."},
    {"IsPathDelimiter", SuIsPathDelimiter, ".."}, {"IsDelimiter", SuIsDelimiter, "..."},
    {"LastDelimiter", SuLastDelimiter, ".."}, {"AnsiCompareFileName", SuAnsiCompareFileName, ".."},
    {"AnsiLowerCaseFileName", SuAnsiLowerCase, "."}, {"AnsiUpperCaseFileName", SuAnsiUpperCase, "."},
    {"AnsiPos", SuAnsiPos, ".."}, {"AnsiStrPos", SuStrPos, ".."}, {"AnsiStrRScan", SuStrScan, ".."},
    {"AnsiStrScan", SuStrScan, ".."},
};

const TVlIntConstant SysUtilsConstants[] = {
    {"fmOpenRead", fmOpenRead}, {"fmOpenWrite", fmOpenWrite}, {"fmOpenReadWrite", fmOpenReadWrite},
    {"fmShareCompat", fmShareCompat}, {"fmShareExclusive", fmShareExclusive},
    {"fmShareDenyWrite", fmShareDenyWrite}, {"fmShareDenyRead", fmShareDenyRead},
    {"fmShareDenyNone", fmShareDenyNone}, {"faReadOnly", faReadOnly}, {"faHidden", faHidden},
    {"faSysFile", faSysFile}, {"faVolumeID", faVolumeID}, {"faDirectory", faDirectory},
    {"faArchive", faArchive}, {"faAnyFile", faAnyFile},
    // TFloatFormat members, for FloatToStrF and CurrToStrF.
    {"ffGeneral", 0}, {"ffExponent", 1}, {"ffFixed", 2}, {"ffNumber", 3}, {"ffCurrency", 4},
};

} // namespace

std::string VlFormatScriptArgs(TVlInterpreterArgs &args, int formatSlot, int argsSlot)
{
    return Format(ValueToString(args.Values[formatSlot]), FormatArgs(args, argsSlot));
}

void VlRegisterExceptionConstructors(TVlInterpreterAdapter &adapter, const TClassInfo &cls)
{
    VlRegisterMembers(adapter, cls, DescendantConstructors);
}

void VlRegisterSysUtils(TVlInterpreterAdapter &adapter)
{
    const TClassInfo &exception = TVlExceptionObject::StaticClassInfo();
    for (const TClassInfo *cls : VlExceptionClassesOf("SysUtils")) {
        VlRegisterClass(adapter, "SysUtils", *cls);
        if (cls != &exception)
            VlRegisterExceptionConstructors(adapter, *cls);
    }
    for (const TClassInfo *cls : VlExceptionClassesOf("VlInterpreter"))
        VlRegisterClass(adapter, "SysUtils", *cls);
    VlRegisterMembers(adapter, exception, ExceptionMembers);
    VlRegisterFunctions(adapter, "SysUtils", SysUtilsFunctions);
    VlRegisterSysUtilsFiles(adapter);
    VlRegisterIntConstants(adapter, "SysUtils", SysUtilsConstants);
}
