// Scripts cannot harm the host: raw memory access is checked against what the script owns, huge
// requests fail at once, runaway recursion names its routine, and a handler may replace its own
// event while it runs.
#include "BindingsTestSupport.h"

#include "interpreter/bindings/VlInterpreterScriptMemory.h"

namespace {

const std::string Blocks = "p, q: Pointer;\r\n  s: string;";
const std::string BlocksStart = "p := AllocMem(8);\r\nq := AllocMem(8);\r\n";

std::string Violation(int line, int count)
{
    return "error 6: Error in unit 'T' on line " + std::to_string(line) + " : Access violation: " +
           std::to_string(count) + " bytes at an address the script does not own";
}

std::string OutOfMemory(int line)
{
    return "error 6: Error in unit 'T' on line " + std::to_string(line) + " : Out of memory";
}

} // namespace

TEST(ScriptMemorySafety, MoveAndCompareMemStayInsideTheScriptsBlocks)
{
    RunCases({
        {"whole blocks", Main("string", Blocks, BlocksStart + "Move('abcdefgh', p, 8);\r\nMove(p, q, 8);\r\nMove(q, s, 8);\r\nResult := s;"),
         "abcdefgh"},
        {"huge move", Main("string", Blocks, BlocksStart + "Move(p, q, 10000000);"), Violation(9, 10000000)},
        {"one byte over", Main("string", Blocks, BlocksStart + "Move(p, q, 9);"), Violation(9, 9)},
        {"string longer than the block", Main("string", Blocks, BlocksStart + "Move('123456789', p, 9);"), Violation(9, 9)},
        {"class metadata", Main("string", Blocks, BlocksStart + "Move(TObject.ClassInfo, p, 8);"), Violation(9, 8)},
        {"compare equal blocks", Main("Boolean", Blocks, BlocksStart + "Result := CompareMem(p, q, 8);"), "True"},
        {"compare after a write", Main("Boolean", Blocks, BlocksStart + "Move('x', q, 1);\r\nResult := CompareMem(p, q, 8);"),
         "False"},
        {"compare class metadata", Main("Boolean", Blocks, BlocksStart + "Result := CompareMem(TObject.ClassInfo, p, 100000000);"),
         Violation(9, 100000000)},
        {"compare strings", Main("Boolean", "", "Result := CompareMem('abc', 'abd', 2) and not CompareMem('abc', 'abd', 3);"),
         "True"},
        {"compare past a string", Main("Boolean", "", "Result := CompareMem('abc', 'abd', 100);"), Violation(4, 100)},
        {"caught", Main("string", Blocks, BlocksStart + "try\r\n  Move(p, q, 100);\r\nexcept\r\n  on E: EAccessViolation do Result := 'caught';\r\nend;"),
         "caught"},
    });
}

TEST(ScriptMemorySafety, AMemoryStreamsBufferIsAddressableWithinItsSize)
{
    const std::string vars = "m: TMemoryStream;\r\n  s: string;";
    const std::string start = "m := TMemoryStream.Create;\r\nm.Write('abcd', 4);\r\n";
    RunCases({
        {"read", Main("string", vars, start + "Move(m.Memory, s, 4);\r\nm.Free;\r\nResult := s;"), "abcd"},
        {"past the end", Main("string", vars, start + "Move(m.Memory, s, 5);"), Violation(9, 5)},
        {"freed stream", Main("string", vars + "\r\n  p: Pointer;", start + "p := m.Memory;\r\nm.Free;\r\nMove(p, s, 1);"),
         Violation(12, 1)},
    });
}

TEST(ScriptMemorySafety, HugeRequestsFailAtOnceWithOutOfMemory)
{
    RunCases({
        {"AllocMem", Main("string", "p: Pointer;", "p := AllocMem(2147483647);"), OutOfMemory(6)},
        {"negative AllocMem", Main("string", "p: Pointer;", "p := AllocMem(-1);"), OutOfMemory(6)},
        {"string", Main("string", "s: string;", "SetLength(s, 2147483647);"), OutOfMemory(6)},
        {"array", Main("string", "a: array of integer;", "SetLength(a, 100000000);"), OutOfMemory(6)},
        {"string list capacity", Main("string", "l: TStringList;", "l := TStringList.Create;\r\nl.Capacity := 2147483647;"),
         OutOfMemory(7)},
        {"list capacity", Main("string", "l: TList;", "l := TList.Create;\r\nl.Capacity := 2147483647;"), OutOfMemory(7)},
        {"list count", Main("string", "l: TList;", "l := TList.Create;\r\nl.Count := 2147483647;"), OutOfMemory(7)},
        {"stream size", Main("string", "m: TMemoryStream;", "m := TMemoryStream.Create;\r\nm.SetSize(2147483647);"),
         OutOfMemory(7)},
        {"modest requests work", Main("integer", "s: string;\r\n  l: TStringList;",
                                      "SetLength(s, 100000);\r\nl := TStringList.Create;\r\nl.Capacity := 1000;\r\n"
                                      "Result := Length(s) + l.Capacity;\r\nl.Free;"),
         "101000"},
    });
}

TEST(ScriptMemorySafety, LengthsBeyondTheIntegerRangeStayPositive)
{
    EXPECT_EQ(VlResultText(VlLengthValue(5)), "5");
    const TVlValue huge = VlLengthValue(size_t(3000000000u));
    EXPECT_EQ(huge.Kind(), varDouble);
    EXPECT_GT(ValueToDouble(huge), 0);
}

TEST(ScriptMemorySafety, RunawayRecursionNamesTheRoutine)
{
    const std::string source = "unit T;\r\nfunction Deeper(n: integer): integer;\r\nbegin\r\n  Result := Deeper(n + 1);\r\n"
                               "end;\r\nfunction main: integer;\r\nbegin\r\n  Result := Deeper(0);\r\nend;\r\nend.\r\n";
    const std::string text = RunScript(source);
    EXPECT_EQ(text.rfind("error 52: ", 0), 0u) << text;
    EXPECT_NE(text.find("Stack overflow in routine 'Deeper'"), std::string::npos) << text;
}

// The handler clears or replaces the event it was called through; the list then calls the new
// handler (or none) and nothing touches the released bridge.
TEST(ScriptMemorySafety, AHandlerMayReplaceItsOwnEventWhileItRuns)
{
    auto source = [](const std::string &replacement) {
        return "unit Ev;\r\nvar\r\n  L: TStringList;\r\n  Hits: integer;\r\n"
               "procedure Other(Sender: TObject);\r\nbegin\r\n  Hits := Hits + 100;\r\nend;\r\n"
               "procedure Changed(Sender: TObject);\r\nbegin\r\n  Hits := Hits + 1;\r\n  L.OnChange := " +
               replacement + ";\r\nend;\r\n"
               "function main: integer;\r\nbegin\r\n  L := TStringList.Create;\r\n  L.OnChange := Changed;\r\n"
               "  L.Add('a');\r\n  L.Add('b');\r\n  L.Add('c');\r\n  Result := Hits;\r\n  L.Free;\r\nend;\r\nend.\r\n";
    };
    EXPECT_EQ(RunScript(source("nil")), "1");
    EXPECT_EQ(RunScript(source("Other")), "201");
    EXPECT_EQ(RunScript(source("Changed")), "3");
}
