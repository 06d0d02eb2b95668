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
    for (const char *op : {"div", "mod", "+", "-"}) {
        std::string tail = std::string(" ") + op + " z; end; end.";
        TRunResult quick = RunWithHost("unit U; function main: integer; var i, z: integer; begin z := 0; "
                                       "i := -2147483647 - 1; i := i" + tail);
        TRunResult general = RunWithHost("unit U; function Low: integer; begin Result := -2147483647 - 1; end; "
                                         "function main: integer; var i, z: integer; begin z := 0; i := Low" + tail);
        EXPECT_EQ(quick.Failed, general.Failed) << op;
        EXPECT_EQ(quick.Code, general.Code) << op;
        EXPECT_EQ(quick.Message, general.Message) << op;
    }
}

} // namespace
