// Calls that are the first operand of a direct statement take their arguments from the bottom of
// the evaluation stack; the sanitizer suites check that no address before it is formed.
#include "BindingsTestSupport.h"

TEST(DirectCallStack, CallsAtTheBottomOfTheStackGiveTheirResults)
{
    RunCases({
        {"call first", Main("integer", "n: integer;\r\n  s: string;", "n := -5;\r\ns := 'abc';\r\nResult := Abs(n) + Length(s);"), "8"},
        {"nested calls", Main("integer", "n: integer;", "n := -3;\r\nResult := Abs(Abs(n) - 10);"), "7"},
        {"call in a loop", Main("integer", "i, n: integer;", "n := 0;\r\nfor i := 1 to 5 do\r\n  n := Abs(n - i);\r\nResult := n;"), "3"},
    });
}
