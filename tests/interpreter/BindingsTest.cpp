// System, SysUtils and Classes bindings seen from scripts, and the console and result texts.
#include "BindingsTestSupport.h"
#include "common/VlTestPaths.h"
#include "interpreter/VlInterpreter.h"
#include "interpreter/bindings/VlInterpreterClassesEvent.h"
#include "interpreter/bindings/VlInterpreterResultText.h"
#include "interpreter/bindings/VlInterpreter_Console.h"
#include "interpreter/bindings/VlInterpreter_all.h"

#include <gtest/gtest.h>

#include "rtl/VlStringList.h"

#include <cmath>
#include <filesystem>
#include <memory>


TEST(BindingsSystem, StringAndNumberRoutines)
{
    RunCases({
        {"Length", "Length('abcd')", "4"},
        {"Copy", "Copy('hello', 2, 3)", "ell"},
        {"Copy past the end", "Copy('hello', 4, 10)", "lo"},
        {"Pos", "Pos('lo', 'hello')", "4"},
        {"Chr and UpCase", "Chr(65) + UpCase('b')", "AB"},
        {"ord", "ord('A')", "65"},
        {"Abs", "Abs(-5)", "5"},
        {"Round to even", "Round(2.5) * 10 + Round(3.5)", "24"},
        {"Trunc", "Trunc(-2.7)", "-2"},
        {"Sqrt", "Sqrt(16)", "4"},
        {"VarType", "VarType(1)", "3"},
        {"varSrting", "varSrting", "256"},
        {"no varString", "varString", "error 104: Undeclared Identifier 'varString'"},
    });
}

TEST(BindingsSystem, VarParametersChangeTheVariable)
{
    RunCases({
        {"Delete", Main("string", "s: string;", "s := 'abcdef'; Delete(s, 1, 2); Result := s;"), "cdef"},
        {"Insert", Main("string", "s: string;", "s := 'ad'; Insert('bc', s, 2); Result := s;"), "abcd"},
        {"Delete on an expression", Main("string", "", "Delete('abc', 1, 1); Result := 'ok';"), "ok"},
    });
}

TEST(BindingsSystem, ScriptArrays)
{
    RunCases({
        {"SetLength and High",
         Main("integer", "a: array of integer;", "SetLength(a, 3); a[2] := 7; Result := High(a) * 10 + a[2];"), "27"},
        {"DeleteFromArray",
         Main("integer", "a: array[0..2] of integer;",
              "a[0] := 1; a[1] := 2; a[2] := 3; DeleteFromArray(a, 0); Result := Length(a) * 100 + a[0] * 10 + a[1];"),
         "223"},
        {"InsertIntoArray out of bounds",
         Main("integer", "a: array[0..2] of integer;", "InsertIntoArray(a, 5, 1); Result := 0;"),
         "error 171: Error in unit 'T' on line 6 : Array index out of bounds"},
    });
}

TEST(BindingsSystem, TObjectMembers)
{
    RunCases({
        {"ClassName", Main("string", "L: TStringList;", "L := TStringList.Create; Result := L.ClassName; L.Free;"), "TStringList"},
        {"InheritsFrom", Main("boolean", "L: TStringList;", "L := TStringList.Create; Result := L.InheritsFrom(TStrings); L.Free;"), "True"},
        {"ClassNameIs", Main("boolean", "L: TList;", "L := TList.Create; Result := L.ClassNameIs('tlist'); L.Free;"), "True"},
    });
}

TEST(BindingsSysUtils, ConversionAndFormatting)
{
    RunCases({
        {"IntToStr", "IntToStr(42) + '!'", "42!"},
        {"StrToInt", "StrToInt('12') + 1", "13"},
        {"StrToIntDef", "StrToIntDef('zz', -1)", "-1"},
        {"Format", "Format('%d-%s-%.2f', [5, 'a', 1.5])", "5-a-1.50"},
        {"Format keeps doubles", "Format('%.6f', [0.1234567])", "0.123457"},
        {"FloatToStr", "FloatToStr(0.5)", "0.5"},
        {"FormatDateTime", "FormatDateTime('yyyy-mm-dd', EncodeDate(2024, 3, 5))", "2024-03-05"},
        {"IsLeapYear", "IsLeapYear(2024)", "True"},
        {"ExtractFileExt", "ExtractFileExt('dir/a.pas')", ".pas"},
        {"AnsiUpperCase", "AnsiUpperCase('\xE0\xE1\xE2')", "\xC0\xC1\xC2"},
        {"DecodeDate", Main("integer", "y, m, d: integer;", "DecodeDate(EncodeDate(2024, 3, 5), y, m, d); Result := y * 10000 + m * 100 + d;"),
         "20240305"},
    });
}

TEST(BindingsSysUtils, ExceptionsAreObjectsScriptsCatch)
{
    RunCases({
        {"library error caught by class",
         Main("string", "", "try Result := IntToStr(StrToInt('x')); except on E: EConvertError do Result := E.ClassName + ': ' + E.Message; end;"),
         "EConvertError: 'x' is not a valid integer value"},
        {"descendant constructor caught by ancestor",
         Main("string", "", "try raise EZeroDivide.Create('boom'); except on E: EMathError do Result := E.ClassName + ' ' + E.Message; end;"),
         "EZeroDivide boom"},
        {"message setter", Main("string", "", "try raise Exception.Create('a'); except on E: Exception do begin E.Message := 'b'; Result := E.Message; end; end;"), "b"},
        {"not implemented", "Exception.CreateFmt('x', [1])", "error 2: Internal interpreter error: Exception.CreateFmtnot implemented"},
    });
    std::string uncaught = RunScript(Main("integer", "", "raise Exception.Create('bad thing');"));
    EXPECT_EQ(uncaught.rfind("error 6: ", 0), 0u) << uncaught;
    EXPECT_NE(uncaught.find("bad thing"), std::string::npos) << uncaught;
}

TEST(BindingsSysUtils, FindFirstFillsTheSearchRecord)
{
    std::string dir = VlTestDataDir() + "/runner/";
    std::string body = "n := 0; if FindFirst('" + dir + "*.pas', faAnyFile, r) = 0 then begin repeat n := n + 1; "
                       "until FindNext(r) <> 0; FindClose(r); end; if FindFirst('" + dir + "helper.pas', 0, r) = 0 then "
                       "begin s := r.Name; FindClose(r); end; Result := IntToStr(n) + ' ' + s;";
    int pasFiles = 0;
    for (const auto &entry : std::filesystem::directory_iterator(dir))
        pasFiles += entry.path().extension() == ".pas";
    EXPECT_EQ(RunScript(Main("string", "r: TSearchRec; n: integer; s: string;", body)),
              std::to_string(pasFiles) + " helper.pas");
}

TEST(BindingsClasses, ListsAndStreams)
{
    RunCases({
        {"TStringList default property",
         Main("string", "L: TStringList;", "L := TStringList.Create; L.Add('x'); Result := L[0] + L.Strings[0] + IntToStr(L.Count); L.Free;"),
         "xx1"},
        {"sorted string list",
         Main("string", "L: TStringList;", "L := TStringList.Create; L.Sorted := True; L.Add('b'); L.Add('a'); Result := L.CommaText; L.Free;"),
         "a,b"},
        {"TList count", Main("integer", "L: TList;", "L := TList.Create; L.Add(nil); L.Add(nil); Result := L.Count; L.Free;"), "2"},
        {"TList.Sort", Main("integer", "L: TList;", "L := TList.Create; try L.Sort(nil); finally L.Free; end;"),
         "error 2: Error in unit 'T' on line 6 : Internal interpreter error: TList.Sortnot implemented"},
        {"TStringStream", Main("string", "S: TStringStream;", "S := TStringStream.Create('hello'); Result := S.DataString + IntToStr(S.Size); S.Free;"),
         "hello5"},
        {"published properties of a component",
         Main("string", "C: TComponent;", "C := TComponent.Create(nil); C.Tag := 5; C.Name := 'Abc'; Result := C.Name + IntToStr(C.Tag); C.Free;"),
         "Abc5"},
        {"list index error",
         Main("string", "L: TStringList;", "L := TStringList.Create; try Result := L[3]; except on E: EStringListError do Result := E.ClassName; end; L.Free;"),
         "EStringListError"},
    });
}

TEST(BindingsConsole, WriteTexts)
{
    struct Row { TVlValue Value; int Width, Decimals; const char *Text; } rows[] = {
        {TVlValue::Integer(5), -1, -1, "5"},
        {TVlValue::Integer(-42), 5, -1, "  -42"},
        {TVlValue::Double(M_PI), -1, -1, " 3.1415926535897931E+000"},
        {TVlValue::Double(-0.00125), -1, -1, "-1.2500000000000000E-003"},
        {TVlValue::Double(M_PI), 12, -1, " 3.1416E+000"},
        {TVlValue::Double(M_PI), 8, 2, "    3.14"},
        {TVlValue::Double(2.5), 0, 0, "3"},
        {TVlValue::Double(-1.005), 0, 1, "-1.0"},
        {TVlValue::Double(1e20), 0, 2, "100000000000000000000.00"},
        {TVlValue::Double(-1.5e16), 20, 1, "-15000000000000000.0"},
        {TVlValue::Double(1e15 - 0.1), 0, 0, "1000000000000000"},
        {TVlValue::Double(0.1), 0, 18, "0.100000000000000000"},
        {TVlValue::Boolean(true), -1, -1, "TRUE"},
        {TVlValue::Boolean(false), 7, -1, "  FALSE"},
        {TVlValue::String("ab"), 5, -1, "   ab"},
        {TVlValue::Byte(0), -1, -1, "0"},
    };
    for (const Row &r : rows)
        EXPECT_EQ(VlConsoleText(r.Value, r.Width, r.Decimals), r.Text) << r.Text;
}

TEST(BindingsResultText, KindsShowTheWayTheHarnessShowsThem)
{
    EXPECT_EQ(VlResultText(TVlValue()), "Empty");
    EXPECT_EQ(VlResultText(TVlValue::Null()), "Null");
    EXPECT_EQ(VlResultText(TVlValue::Boolean(true)), "True");
    EXPECT_EQ(VlResultText(TVlValue::Double(0.1)), "0.1");
    EXPECT_EQ(VlResultText(SetToValue(10)), "Set: 10");
    EXPECT_EQ(VlResultText(ObjectToValue(nullptr)), "Object: nil");
    EXPECT_EQ(VlResultText(TVlValue::Byte(1)), "!Unknown!");
    EXPECT_EQ(VlResultText(TVlValue(), TVlResultLanguage::Russian), "\xCF\xF3\xF1\xF2\xEE");
    EXPECT_EQ(RunScript("[1, 3]"), "Set: 10");
}

TEST(BindingsWindows, PointAndRectRecords)
{
    RunCases({
        {"Point.X", "Point(1, 2).X", "1"},
        {"Bounds", "Bounds(10, 20, 5, 6).Bottom", "26"},
        {"TopLeft is a TPoint", Main("integer", "r: TRect; p: TPoint;", "r := Rect(1, 2, 3, 4); p := r.TopLeft; Result := p.X * 10 + p.Y;"), "12"},
        {"BottomRight setter", Main("integer", "r: TRect;", "r := Rect(1, 2, 3, 4); r.BottomRight := Point(7, 8); Result := r.Right * 10 + r.Bottom;"), "78"},
        {"key constant", "VK_ESCAPE + VK_F1", "139"},
    });
}

TEST(BindingsClasses, NotifyEventBridgeCallsTheScriptRoutine)
{
    RegisterOnce();
    TVlInterpreterProgram program;
    program.SetSourceText("unit Ev;\r\nvar\r\n  Hits: integer;\r\n  Last: string;\r\n"
                          "procedure Clicked(Sender: TObject);\r\nbegin\r\n  Hits := Hits + 1;\r\n"
                          "  Last := Sender.ClassName;\r\nend;\r\n"
                          "function Report: string;\r\nbegin\r\n  Result := IntToStr(Hits) + ' ' + Last;\r\nend;\r\nend.\r\n");
    program.PrepareUnit();
    TStringList sender;
    TVlMethod method = GlobalAdapter().NewEvent("Ev", "Clicked", "TNotifyEvent", &program, &sender, "OnChange");
    ASSERT_NE(method.Code, nullptr);
    std::unique_ptr<TVlInterpreterEvent> bridge(static_cast<TVlInterpreterEvent *>(method.Data));
    auto entry = reinterpret_cast<TVlNotifyEventEntry>(method.Code);
    entry(method.Data, &sender);
    entry(method.Data, &sender);
    program.InvokeFunction("Report", nullptr, {});
    EXPECT_EQ(VlResultText(program.ResultValue), "2 TStringList");
    EXPECT_TRUE(GlobalAdapter().NewEvent("Ev", "Clicked", "TNoSuchEvent", &program, &sender, "X").IsEmpty());
}
