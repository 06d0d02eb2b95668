// What a line assigns: the targets of ":=", and the names it passes to calls, outside literals
// and comments.
#include "debugger/VlAssignedNames.h"

#include <gtest/gtest.h>

namespace {

using TNames = std::vector<std::string>;

TEST(AssignedNamesTest, TargetsOfAssignments)
{
    EXPECT_EQ(VlAssignedNames("x := 1; s := 'a';"), (TNames{"x", "s"}));
    EXPECT_EQ(VlAssignedNames("  p.Field := 2; a[i + 1] := 3;"), (TNames{"p.Field", "a[i + 1]"}));
    EXPECT_EQ(VlAssignedNames("for i := 1 to 3 do"), (TNames{"i"}));
    // Not assignments: inside literals and comments, a comparison, a number before ":=".
    EXPECT_EQ(VlAssignedNames("WriteLn('x := 1'); { y := 2 } if a = b then // z := 3"), TNames{});
    EXPECT_EQ(VlAssignedNames("1 := 2"), TNames{});
}

TEST(AssignedNamesTest, ParenthesisStarCommentsAreCommentsToo)
{
    EXPECT_EQ(VlAssignedNames("(* a := b *) c := 1; (*) d := 2 *) e := 3"), (TNames{"c", "e"}));
    // A comment left open runs to the line's end, whichever kind it is.
    EXPECT_EQ(VlAssignedNames("y := 2; (* z := 3"), (TNames{"y"}));
    EXPECT_EQ(VlAssignedNames("y := 2; { z := 3"), (TNames{"y"}));
    // Comment brackets inside literals, and one kind inside the other, do not open or close.
    EXPECT_EQ(VlAssignedNames("s := '(*'; t := '{'; { (* } u := 1"), (TNames{"s", "t", "u"}));
    EXPECT_EQ(VlAssignedNames("s := 'it''s (* here'; v := 0"), (TNames{"s", "v"}));
    // Not a call's argument: a name inside such a comment, or after its brackets were counted.
    EXPECT_FALSE(VlLinePassesName("x := 1; (* Add(y) *)", "y"));
    EXPECT_FALSE(VlLinePassesName("(* ( *) y := 1", "y"));
    EXPECT_TRUE(VlLinePassesName("ReadLn((* the count *) n);", "n"));
    EXPECT_TRUE(VlLinePassesName("Add((* ) *) w);", "w"));
}

TEST(AssignedNamesTest, NamesPassedToCalls)
{
    EXPECT_TRUE(VlLinePassesName("ReadLn(x);", "x"));
    EXPECT_TRUE(VlLinePassesName("  Add(Total, 1);", "total"));  // without regard to case
    EXPECT_TRUE(VlLinePassesName("Inc(a[(j)]);", "j"));
    // Not passed: outside parentheses, part of a longer name, in a literal or a comment.
    EXPECT_FALSE(VlLinePassesName("x := y + 1;", "x"));
    EXPECT_FALSE(VlLinePassesName("Add(xs, 1);", "x"));
    EXPECT_FALSE(VlLinePassesName("WriteLn('(x)'); { (x) } // (x)", "x"));
}

} // namespace
