// Interpreter errors: the message table, formatting, locating, LastFailure and positions.
#include "InterpreterTestHost.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

TEST(ErrorTable, KeepsEveryTextVerbatim)
{
    EXPECT_EQ(ErrorMessageText(2), "Internal interpreter error: %s");
    EXPECT_EQ(ErrorMessageText(5), "Error in unit '%0:s' on line %1:d : %2:s");
    EXPECT_EQ(ErrorMessageText(103), "%0:s expected but %1:s found");
    EXPECT_EQ(ErrorMessageText(107), " not allowed before else");
    EXPECT_EQ(ErrorMessageText(306), "Integer Constant'");
    EXPECT_EQ(ErrorMessageText(188), ErrorMessageText(185));
    EXPECT_EQ(ErrorMessageText(401), "Implementation of unit not found");
    EXPECT_EQ(ErrorMessageText(9999), "");
    EXPECT_EQ(ErrorTable[0].Code, 0);
    EXPECT_EQ(ErrorTable[VlErrorTableSize - 1].Code, 401);
}

TEST(ErrorTable, FormatsPositionalArguments)
{
    EXPECT_EQ(EVlInterpreterError(103, -1, "')'", "';'").Message, "')' expected but ';' found");
    EXPECT_EQ(EVlInterpreterError(2, -1).Message, "Internal interpreter error: ");
    EXPECT_EQ(EVlInterpreterError(201, -1, "Open", "denied").Message, "Calling 'Open' failed: 'denied'");
    EXPECT_EQ(EVlInterpreterError(104, 7, "x").BareMessage, "Undeclared Identifier 'x'");
}

TEST(LocateError, CountsCarriageReturnsOnly)
{
    std::string source = "a\r\nb\nc\r\nd";
    EVlInterpreterError error(104, 9, "x");
    LocateError(error, "Main", source, 0);
    EXPECT_TRUE(error.Located);
    EXPECT_EQ(error.ErrorLine, 3);
    EXPECT_EQ(error.Message, "Error in unit 'Main' on line 3 : Undeclared Identifier 'x'");
    LocateError(error, "Other", source, 0);
    EXPECT_EQ(error.ErrorUnit, "Main");  // located once
}

TEST(LocateError, WithoutUnitStaysBareButTakesThePosition)
{
    EVlInterpreterError error(104, -1, "x");
    LocateError(error, "", "abc", 2);
    EXPECT_FALSE(error.Located);
    EXPECT_EQ(error.Position, 2);
    EXPECT_EQ(error.Message, "Undeclared Identifier 'x'");
}

TEST(LocateError, PositionBeyondTheSourceGivesLineZero)
{
    EVlInterpreterError error(53, 50);
    LocateError(error, "U", "short", 0);
    EXPECT_EQ(error.ErrorLine, 0);
}

struct TErrorCase {
    const char *Name;
    const char *Source;
    int32_t Position;
    int32_t Code;
    const char *Message;
};

class ErrorPositionTest : public ::testing::TestWithParam<TErrorCase> {};

TEST_P(ErrorPositionTest, ReportsCodePositionAndMessage)
{
    const TErrorCase &c = GetParam();
    TRunResult r = RunWithHost(c.Source);
    EXPECT_TRUE(r.Failed) << c.Name;
    EXPECT_EQ(r.Code, c.Code) << c.Name;
    EXPECT_EQ(r.Position, c.Position) << c.Name;
    EXPECT_EQ(r.Message, c.Message) << c.Name;
}

INSTANTIATE_TEST_SUITE_P(Codes, ErrorPositionTest, ::testing::Values(
    TErrorCase{"undeclared", "1 + zz", 6, 104, "Undeclared Identifier 'zz'"},
    TErrorCase{"missing bracket before semicolon", "begin Result := (1; end;", 18, 103, "')' expected but ';' found"},
    TErrorCase{"expression at end", "begin Result := ", 16, 103, "Expression expected but End of File found"},
    TErrorCase{"two operands", "begin Result := Answer 1; end;", 24, 110, "Missing operator or semicolon"},
    TErrorCase{"if condition", "begin if 2 then ; end;", 9, 105, "Type of expression must be boolean"},
    TErrorCase{"for bound", "begin for Result := 'a' to 2 do ; end;", 20, 108, "Type of expression must be integer"},
    TErrorCase{"while condition", "begin while 1 do ; end;", 11, 105, "Type of expression must be boolean"},
    TErrorCase{"set element", "var b: boolean; begin Result := [b]; end;", 34, 108, "Type of expression must be integer"},
    TErrorCase{"member of integer", "begin Result := 1; Result := Result.X; end;", 36, 109,
               "Record, object or class type required"},
    TErrorCase{"indexing a number", "begin Result := 5; Result := Result[1]; end;", 39, 176, "Array type required"},
    TErrorCase{"raise a number", "begin raise 5; end;", 12, 106, "Class type required"},
    TErrorCase{"on with a non-class", "begin try raise Exception.Create('x') except on E: Answer do ; end; end;", 58, 106,
               "Class type required"},
    TErrorCase{"unhandled store", "begin Answer := 1; end;", 17, 104, "Undeclared Identifier 'Answer'"},
    TErrorCase{"type mismatch", "begin Result := 'a' * 2; end;", 24, 53, "Type mismatch"},
    TErrorCase{"to or downto", "var i: integer; begin for i := 1 do ; end;", 33, 103, "'to' or 'downto' expected but 'do' found"},
    TErrorCase{"array bracket", "var a: array 1; begin end;", 13, 103, "'[' or 'of' expected but '1' found"},
    TErrorCase{"dimensions", "var a: array[1..1,1..1,1..1,1..1,1..1,1..1,1..1,1..1,1..1,1..1,1..1] of integer; begin end;",
               67, 174, "Invalid array dimension"},
    TErrorCase{"statement", "begin do end;", 6, 103, "Statement expected but 'do' found"},
    TErrorCase{"case end", "begin case 1 of 'a': ; end; end;", 16, 103, "'end' expected but ''a'' found"},
    TErrorCase{"try without handler", "begin try ; end; end;", 12, 103, "'finally' expected but 'end' found"},
    TErrorCase{"bare raise", "begin raise; end;", 11, 4, "Re-raising an exception only allowed in exception handler"},
    TErrorCase{"too many arguments", "begin Result := StrLen(1, 2); end;", 29, 181, "Too many actual parameters"},
    TErrorCase{"not enough arguments", "begin Result := StrLen(); end;", 25, 182, "Not enough parameters"},
    TErrorCase{"class cast arguments", "begin Result := TList(1, 2); end;", 28, 181, "Too many actual parameters"}));

TEST(LastFailure, HoldsForeignFailuresAsCodeSix)
{
    TVlInterpreterProgram program;
    InstallTestHost(program);
    program.SetSourceText("unit U;\r\nfunction main: integer;\r\nvar x: integer;\r\nbegin\r\n  x := 0;\r\n  Result := 1 div x;\r\nend;\r\nend.");
    EXPECT_THROW(program.Execute(), EVlRuntimeError);
    EXPECT_EQ(program.LastFailure.Code, 6);
    EXPECT_EQ(program.LastFailure.Message, "Error in unit 'U' on line 6 : Division by zero");
    EXPECT_TRUE(program.LastFailure.Located);
}

TEST(LastFailure, ClearedAtTheNextRun)
{
    TVlInterpreterProgram program;
    program.SetSourceText("begin Result := zz; end;");
    EXPECT_THROW(program.Execute(), EVlInterpreterError);
    EXPECT_EQ(program.LastFailure.Code, 104);
    program.SetSourceText("1");
    program.Execute();
    EXPECT_EQ(program.LastFailure.Position, -1);
    EXPECT_FALSE(program.LastFailure.Located);
}

TEST(ValueStack, TwoHundredAdditionsFitAndOneMoreOverflows)
{
    std::string fits = "1", overflows;
    for (int i = 0; i < 200; ++i)
        fits += " + 1";
    overflows = fits + " + 1";
    EXPECT_EQ(RunWithHost(fits).Message, "Integer: 201");
    TRunResult r = RunWithHost(overflows);
    EXPECT_EQ(r.Code, 8);
    EXPECT_EQ(r.Message, "Expression is too complex - overflow");
}

TEST(Robustness, DeepNestingIsACleanError)
{
    std::string parens(100000, '(');
    EXPECT_EQ(RunWithHost(parens + "1").Code, 52);
    std::string blocks;
    for (int i = 0; i < 50000; ++i)
        blocks += "begin ";
    EXPECT_EQ(RunWithHost(blocks).Code, 52);
    std::string ifs = "begin ";
    for (int i = 0; i < 50000; ++i)
        ifs += "if true then ";
    EXPECT_EQ(RunWithHost(ifs + "; end;").Code, 52);
    std::string minus(100000, '-');
    EXPECT_EQ(RunWithHost(minus + "1").Code, 52);
}

TEST(Robustness, StatementBudgetStopsEndlessLoops)
{
    for (const char *source : {"begin while true do ; end;", "begin repeat until false; end;",
                               "var i: integer; begin for i := 1 to 2000000000 do ; end;",
                               "unit U; procedure P; begin P; end; function main: integer; begin while true do P; end; end."}) {
        TRunResult r = RunWithHost(source, std::string(), 10000);
        EXPECT_TRUE(r.Failed) << source;
        EXPECT_TRUE(r.Code == 3 || r.Code == 2) << source << " " << r.Message;
    }
    EXPECT_EQ(RunWithHost("begin while true do ; end;", std::string(), 500).Message, "User break");
}

TEST(Robustness, StopFromTheStatementCallback)
{
    TVlInterpreterProgram program;
    int statements = 0;
    program.OnStatement = [&statements](TVlInterpreterProgram &sender) {
        if (++statements == 100)
            sender.RequestStop();
    };
    program.SetSourceText("var n: integer; begin n := 0; while true do n := n + 1; end;");
    try {
        program.Execute();
        FAIL();
    } catch (const EVlInterpreterError &e) {
        EXPECT_EQ(e.Code, 3);
    }
    EXPECT_GE(statements, 100);
}

// A host's timer thread asks for interrupts; every kind of endless loop, read token by token or
// run as direct statements, reaches the interrupt handler, which ends the run.
TEST(Robustness, InterruptsFromAnotherThreadReachEveryLoop)
{
    for (bool direct : {true, false}) {
        for (const char *source : {"begin while true do ; end;", "begin repeat until false; end;",
                                   "var i, n: integer; begin for i := 1 to 2000000000 do n := i; end;",
                                   "unit U; procedure P; begin end; function main: integer; begin while true do P; end; end."}) {
            TVlInterpreterProgram program;
            program.DirectStatements = direct;
            int interrupts = 0;
            program.OnInterrupt = [&interrupts](TVlInterpreterProgram &sender) {
                if (++interrupts == 3)
                    sender.RequestStop();
            };
            std::atomic<bool> running{true};
            std::thread ticker([&] {
                while (running.load()) {
                    program.RequestInterrupt();
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                }
            });
            program.SetSourceText(source);
            int code = 0;
            try {
                program.Execute();
            } catch (const EVlInterpreterError &e) {
                code = e.Code;
            }
            running = false;
            ticker.join();
            EXPECT_EQ(code, 3) << source << (direct ? " (direct)" : "");
            EXPECT_EQ(interrupts, 3) << source;
        }
    }
}

TEST(Robustness, NoInterruptWithoutARequest)
{
    TVlInterpreterProgram program;
    int interrupts = 0;
    program.OnInterrupt = [&interrupts](TVlInterpreterProgram &) { ++interrupts; };
    program.SetSourceText("var i, n: integer; begin n := 0; for i := 1 to 1000 do n := n + i; Result := n; end;");
    program.Execute();
    EXPECT_EQ(ValueToInteger(program.ResultValue), 500500);
    EXPECT_EQ(interrupts, 0);
}

} // namespace
