// SysUtils routines called from scripts: strings, var parameters, files, dates and exception routines.
#include "BindingsTestSupport.h"
#include "common/VlTestPaths.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

TEST(BindingsSysUtilsStrings, CaseCompareTrimQuote)
{
    RunCases({
        {"UpperCase leaves Cyrillic", "UpperCase('ab\xE0')", "AB\xE0"},
        {"LowerCase", "LowerCase('ABC')", "abc"},
        {"CompareStr", "CompareStr('a', 'b') < 0", "True"},
        {"CompareText ignores case", "CompareText('ABC', 'abc')", "0"},
        {"AnsiCompareText", "AnsiCompareText('\xC0', '\xE0')", "0"},
        {"AnsiStrLIComp", "AnsiStrLIComp('ABCx', 'abcy', 3)", "0"},
        {"AnsiLastChar", "AnsiLastChar('xyz')", "z"},
        {"Trim", "'[' + Trim('  a b  ') + ']'", "[a b]"},
        {"TrimLeft", "'[' + TrimLeft('  a ') + ']'", "[a ]"},
        {"QuotedStr", "QuotedStr('it''s')", "'it''s'"},
        {"AnsiQuotedStr", "AnsiQuotedStr('a\"b', '\"')", "\"a\"\"b\""},
        {"ExtractQuotedString", "ExtractQuotedString('\"x\"', '\"')", "x"},
        {"AdjustLineBreaks", "Length(AdjustLineBreaks('a' + #10 + 'b'))", "4"},
        {"IsValidIdent", "IsValidIdent('_x1')", "True"},
        {"IntToHex", "IntToHex(255, 4)", "00FF"},
        {"LastDelimiter", "LastDelimiter('/', 'a/b/c')", "4"},
        {"IsDelimiter", "IsDelimiter(',', 'a,b', 2)", "True"},
        {"AnsiPos", "AnsiPos('c', 'abc')", "3"},
        {"StrPos answers the rest", "StrPos('hello', 'll')", "llo"},
        {"StrRScan", "StrRScan('a.b.c', '.')", ".c"},
        {"StrLCopy", "StrLCopy('', 'abcdef', 3)", "abc"},
        {"StrLen", "StrLen('abc')", "3"},
        {"StrComp", "StrComp('b', 'a') > 0", "True"},
        {"ByteToCharLen", "ByteToCharLen('abc', 2)", "2"},
    });
}

TEST(BindingsSysUtilsStrings, VarParameterRoutines)
{
    RunCases({
        {"AnsiExtractQuotedStr",
         Main("string", "s, q: string;", "s := '''ab''cd'; q := AnsiExtractQuotedStr(s, ''''); Result := q + '|' + s;"), "ab|cd"},
        {"FmtStr", Main("string", "s: string;", "FmtStr(s, '%d+%d', [1, 2]); Result := s;"), "1+2"},
        {"DateTimeToString",
         Main("string", "s: string;", "DateTimeToString(s, 'yyyy', EncodeDate(2001, 2, 3)); Result := s;"), "2001"},
        {"DecodeTime",
         Main("integer", "h, n, s, ms: integer;", "DecodeTime(EncodeTime(1, 2, 3, 4), h, n, s, ms); Result := h * 1000000 + n * 10000 + s * 100 + ms;"),
         "1020304"},
    });
}

TEST(BindingsSysUtilsNumbers, FloatsAndFormat)
{
    RunCases({
        {"FloatToStrF fixed", "FloatToStrF(1234.567, ffFixed, 15, 1)", "1234.6"},
        {"FloatToStrF number", "FloatToStrF(1234.567, ffNumber, 15, 2)", "1 234.57"},
        {"FormatFloat", "FormatFloat('0.000', 2)", "2.000"},
        {"StrToFloat", "StrToFloat('2.5') * 2", "5"},
        {"Format width and index", "Format('[%5s|%-3d|%1:d]', ['ab', 7])", "[   ab|7  |7]"},
        {"Format pointer nil", "Length(Format('%p', [nil]))", "16"},
        {"Format error",
         Main("string", "", "try Result := Format('%d', ['x']); except on E: EConvertError do Result := E.Message; end;"),
         "Format '%d' invalid or incompatible with argument"},
        {"StrToFloat error",
         Main("string", "", "try StrToFloat('1,5'); except on E: Exception do Result := E.ClassName; end;"), "EConvertError"},
    });
}

TEST(BindingsSysUtilsDates, CalendarRoutines)
{
    RunCases({
        {"DayOfWeek", "DayOfWeek(EncodeDate(2024, 1, 7))", "1"},
        {"IncMonth", "FormatDateTime('dd.mm.yyyy', IncMonth(EncodeDate(2024, 1, 31), 1))", "29.02.2024"},
        {"DateToStr", "DateToStr(EncodeDate(2024, 3, 5))", "05.03.2024"},
        {"TimeToStr", "TimeToStr(EncodeTime(9, 5, 7, 0))", "9:05:07"},
        {"StrToDate round trip", "DateToStr(StrToDate('5.3.2024'))", "05.03.2024"},
        {"Now is after 2020", "Now > EncodeDate(2020, 1, 1)", "True"},
        {"bad date",
         Main("string", "", "try EncodeDate(2023, 2, 29); except on E: EConvertError do Result := E.Message; end;"),
         "Invalid argument to date encode"},
    });
}

TEST(BindingsSysUtilsExceptions, RoutinesAndHelpContext)
{
    RunCases({
        {"CreateHelp", Main("integer", "", "try raise Exception.CreateHelp('m', 42); except on E: Exception do Result := E.HelpContext; end;"), "42"},
        {"HelpContext setter",
         Main("integer", "E: Exception;", "E := EAbort.Create('x'); E.HelpContext := 7; Result := E.HelpContext; E.Free;"), "7"},
        {"Abort", Main("string", "", "try Abort; except on E: EAbort do Result := E.Message; end;"), "Operation aborted"},
        {"ExceptObject outside a handler", "ExceptObject = nil", "True"},
        {"ExceptionErrorMessage",
         Main("string", "s: string; E: Exception;", "E := EConvertError.Create('bad'); ExceptionErrorMessage(E, nil, s, 200); Result := s; E.Free;"),
         "Exception EConvertError in module veltrano at 00000000.\nbad."},
        {"raise again in a handler",
         Main("string", "", "try try raise EInOutError.Create('io'); except on E: Exception do raise; end; except on E: EInOutError do Result := E.Message; end;"),
         "io"},
        {"interpreter errors are exceptions too",
         Main("string", "", "try Result := 1 + 'a'; except on E: Exception do Result := E.ClassName; end;"), "EVlInterpreterError"},
        {"Win32Check passes", "Win32Check(True)", "True"},
        {"SysErrorMessage", "SysErrorMessage(2)", "No such file or directory"},
    });
}

TEST(BindingsSysUtilsFiles, FilesThroughScripts)
{
    std::string dir = (std::filesystem::temp_directory_path() / ("vl_bind_files_" + std::to_string(::getpid()))).string();
    std::filesystem::create_directories(dir);
    std::string f = dir + "/data.txt";
    RunCases({
        {"write and read back",
         Main("string", "h, n: integer; s: string;",
              "h := FileCreate('" + f + "'); FileWrite(h, 'hello world', 5); FileClose(h); "
              "h := FileOpen('" + f + "', fmOpenRead); n := FileRead(h, s, 100); FileClose(h); Result := s + IntToStr(n);"),
         "hello5"},
        {"FileExists", "FileExists('" + f + "')", "True"},
        {"FileAge", "FileAge('" + f + "') > 0", "True"},
        {"RenameFile", "RenameFile('" + f + "', '" + dir + "/moved.txt')", "True"},
        {"DeleteFile", "DeleteFile('" + dir + "/moved.txt')", "True"},
        {"CreateDir", "CreateDir('" + dir + "/sub')", "True"},
        {"FileGetAttr of a folder", "FileGetAttr('" + dir + "/sub') and faDirectory", "16"},
        {"RemoveDir", "RemoveDir('" + dir + "/sub')", "True"},
        {"ChangeFileExt", "ChangeFileExt('a\\b.pas', '.dfm')", "a\\b.dfm"},
        {"ExtractFileName with backslashes", "ExtractFileName('c:\\x\\y.pas')", "y.pas"},
        {"FindFirst without a match", Main("integer", "r: TSearchRec;", "Result := FindFirst('" + dir + "/*.none', faAnyFile, r);"), "2"},
    });
    std::filesystem::remove_all(dir);
}
