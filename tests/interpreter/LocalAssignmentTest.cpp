// Assignments to locals with simple right sides: conversions to the declared type, failures,
// var parameters and results behave as for any other assignment.
#include "InterpreterTestHost.h"

#include <gtest/gtest.h>

namespace {

TEST(LocalAssignment, SimpleRightSidesKeepAssignmentRules)
{
    struct TCase {
        const char *Name;
        const char *Source;
        const char *Result;
    } cases[] = {
        {"integer into double", "var d: double; i: integer; begin i := 7; d := i; Result := d; end;", "Double: 7"},
        {"var parameter copied back",
         "unit U; procedure Bump(var x: integer); begin x := x + 1; end; function main: integer; var n: integer; "
         "begin n := 1; Bump(n); Bump(n); Result := n; end; end.",
         "Integer: 3"},
        {"result of a function", "unit U; function Twice(a: integer): integer; begin Result := a + a; end; "
                                 "function main: integer; begin Result := Twice(21); end; end.",
         "Integer: 42"},
        {"array elements, general and simple sides",
         "unit U; function Two: integer; begin Result := 2; end; function main: integer; "
         "var a: array[0..3] of integer; m: array[0..2, 0..2] of integer; begin a[Two] := 5; a[1] := Two + a[2]; "
         "m[1, Two] := a[1]; m[Two, 0] := 3; Result := a[1] * 100 + m[1, 2] * 10 + m[2, 0]; end; end.",
         "Integer: 773"},
        {"boolean from a comparison", "var b: boolean; i: integer; begin i := 3; b := i >= 3; Result := b; end;",
         "Boolean: True"},
    };
    for (const TCase &c : cases) {
        TRunResult r = RunWithHost(c.Source);
        EXPECT_FALSE(r.Failed) << c.Name << ": " << r.Message;
        EXPECT_EQ(r.Message, c.Result) << c.Name;
    }
}

TEST(LocalAssignment, FailedConversionReportsLikeOtherAssignments)
{
    TRunResult quick = RunWithHost("unit U; function main: integer; var i: integer; begin i := 'abc'; end; end.");
    TRunResult general = RunWithHost("unit U; function Text: string; begin Result := 'abc'; end; "
                                     "function main: integer; var i: integer; begin i := Text; end; end.");
    ASSERT_TRUE(quick.Failed);
    ASSERT_TRUE(general.Failed);
    EXPECT_EQ(quick.Code, general.Code);
    EXPECT_EQ(quick.Message, general.Message);
}

TEST(LocalAssignment, OperatorFailuresMatchTheGeneralPath)
{
    struct TCase {
        const char *Op;
        const char *Right;
    } cases[] = {{"div", "0"}, {"mod", "0"}, {"+", "-1"}, {"-", "1"}, {"*", "2"}, {"*", "-1"}, {"div", "-1"}};
    for (const TCase &c : cases) {
        std::string op = std::string(c.Op) + " " + c.Right;
        std::string tail = std::string(" ") + c.Op + " z; Result := i; end; end.";
        std::string setZ = std::string("z := ") + c.Right + "; ";
        std::string quickText = "unit U; function main: integer; var i, z: integer; begin " + setZ +
                                "i := -2147483647 - 1; i := i" + tail;
        std::string generalText = "unit U; function LowestInteger: integer; begin Result := -2147483647 - 1; end; "
                                  "function main: integer; var i, z: integer; begin " + setZ + "i := LowestInteger" + tail;
        TRunResult quick = RunWithHost(quickText);
        TRunResult general = RunWithHost(generalText);
        EXPECT_EQ(quick.Failed, general.Failed) << op;
        EXPECT_EQ(quick.Code, general.Code) << op;
        EXPECT_EQ(quick.Message, general.Message) << op;
        // Failures are reported at the same place counted from the end of the text.
        if (quick.Failed) {
            EXPECT_EQ(quick.Position - static_cast<int32_t>(quickText.size()),
                      general.Position - static_cast<int32_t>(generalText.size()))
                << op;
        }
    }
}

} // namespace
