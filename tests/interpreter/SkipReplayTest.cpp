// Skipped statements are replayed from a per-source record: results and error positions must
// match reading token by token, and a new source text must not reuse the old records.
#include "InterpreterTestHost.h"

#include <gtest/gtest.h>

namespace {

int32_t RunMain(TVlInterpreterProgram &program, const std::string &source)
{
    program.SetSourceText(source);
    program.Execute();
    return program.ResultValue.RawInteger();
}

TEST(SkipReplay, RepeatedSkipsGiveTheSameResults)
{
    struct TCase {
        const char *Name;
        const char *Source;
        const char *Result;
    } cases[] = {
        {"if branches", "var i, a, b: integer; begin a := 0; b := 0; for i := 1 to 50 do "
                        "if i mod 3 = 0 then a := a + i * 2 else b := b + 1; Result := a * 1000 + b; end;",
         "Integer: 816034"},
        {"nested blocks", "var i, s: integer; begin s := 0; for i := 1 to 20 do begin if i > 100 then begin "
                          "s := s - 1; while s > 0 do s := s - 1; repeat s := 0 until true; case s of 1: s := 2; "
                          "else s := 3; end; end; s := s + i; end; Result := s; end;",
         "Integer: 210"},
        {"string after skip", "var i: integer; t: string; begin t := ''; for i := 1 to 4 do "
                              "if i = 2 then t := t + 'x' + 'y' else t := t + 'z'; Result := t; end;",
         "String: zxyzz"},
        {"skipped loop body", "var i, j, s: integer; begin s := 0; for i := 1 to 5 do for j := 1 to 0 do "
                              "s := s + 1000; Result := s + i; end;",
         "Integer: 5"},
    };
    for (const TCase &c : cases)
        EXPECT_EQ(RunWithHost(c.Source).Message, c.Result) << c.Name;
}

TEST(SkipReplay, ErrorsAfterReplayedSkipsKeepTheirPositions)
{
    const std::string source = "var i, a: integer; begin a := 0; for i := 1 to 5 do begin "
                               "if i > 3 then a := a + 'q' * 2 else a := a + 1; end; a := Missing; end;";
    TRunResult first = RunWithHost(source);
    ASSERT_TRUE(first.Failed);
    EXPECT_EQ(first.Position, static_cast<int32_t>(source.find(" else") + 5)) << first.Message;
    const std::string late = "var i, a: integer; begin a := 0; for i := 1 to 5 do "
                             "if i > 9 then a := a + 1 else a := a + 2; a := Missing + a; end;";
    TRunResult second = RunWithHost(late);
    ASSERT_TRUE(second.Failed);
    EXPECT_NE(second.Message.find("Missing"), std::string::npos) << second.Message;
    EXPECT_EQ(second.Position, static_cast<int32_t>(late.find("Missing") + 8)) << second.Message;
}

TEST(SkipReplay, NewSourceTextIsSkippedAfresh)
{
    // The same token index starts skipped statements of different lengths in the two texts.
    TVlInterpreterProgram program;
    const std::string shortSkip = "var i, a: integer; begin a := 0; for i := 1 to 6 do if i > 4 then a := 1 "
                                  "else a := a + 10; Result := a; end;";
    const std::string longSkip = "var i, a: integer; begin a := 0; for i := 1 to 6 do if i > 4 then a := 1 + 2 + 3 "
                                 "else a := a + 10; Result := a; end;";
    EXPECT_EQ(RunMain(program, shortSkip), 1);
    EXPECT_EQ(RunMain(program, longSkip), 6);
    EXPECT_EQ(RunMain(program, shortSkip), 1);
    const std::string noElse = "var i, a: integer; begin a := 0; for i := 1 to 6 do if i > 4 then a := 1 + 2 + 3; "
                               "Result := a + 100; end;";
    EXPECT_EQ(RunMain(program, noElse), 106);
}

} // namespace
