// Expression evaluation: priorities, operators, conversions and their errors.
#include "interpreter/VlInterpreter.h"

#include <gtest/gtest.h>

namespace {

TVlValue RunScript(const std::string &source)
{
    TVlInterpreterProgram program;
    program.SetSourceText(source);
    program.Execute();
    return program.ResultValue;
}

struct TValueCase {
    const char *Source;
    uint16_t Kind;
    const char *Text;
};

class ExpressionValueTest : public ::testing::TestWithParam<TValueCase> {};

TEST_P(ExpressionValueTest, GivesValue)
{
    const TValueCase &c = GetParam();
    TVlValue v = RunScript(c.Source);
    EXPECT_EQ(v.Kind(), c.Kind) << c.Source;
    EXPECT_EQ(ValueToString(v), c.Text) << c.Source;
}

INSTANTIATE_TEST_SUITE_P(Priorities, ExpressionValueTest, ::testing::Values(
    TValueCase{"2 + 3 * 4", varInteger, "14"},
    TValueCase{"(2 + 3) * 4", varInteger, "20"},
    TValueCase{"10 - 4 - 3", varInteger, "3"},
    TValueCase{"7 / 2", varDouble, "3.5"},
    TValueCase{"7 div 2", varInteger, "3"},
    TValueCase{"7 mod 2", varInteger, "1"},
    TValueCase{"'ab' + 'cd'", varString, "abcd"},
    TValueCase{"'1' + 2", varInteger, "3"},
    TValueCase{"-3 * 2", varInteger, "-6"},
    TValueCase{"2 * -3", varInteger, "-6"},
    TValueCase{"not true = false", varBoolean, "True"},
    TValueCase{"1 + 2 * 3", varInteger, "7"},
    TValueCase{"1 + 2", varInteger, "3"},
    TValueCase{"$FF", varInteger, "255"},
    TValueCase{"1.5", varDouble, "1.5"},
    TValueCase{"'it''s'", varString, "it's"},
    TValueCase{"''''", varString, "'"},
    TValueCase{"''", varString, ""},
    TValueCase{"#65 + #66", varString, "AB"},
    TValueCase{"#321", varString, "A"},
    TValueCase{"5 shl 2", varInteger, "20"},
    TValueCase{"6 and 3", varInteger, "2"},
    TValueCase{"true xor false", varBoolean, "True"},
    TValueCase{"3 >= 2", varBoolean, "True"},
    TValueCase{"'abc' < 'abd'", varBoolean, "True"}));

} // namespace
