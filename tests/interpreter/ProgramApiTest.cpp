// The host's view of a program: units prepared and called by name, Pas lines, events.
#include "InterpreterTestHost.h"

#include <gtest/gtest.h>

namespace {

const char *const UnitSource =
    "unit Calc;\r\n"
    "function Add(a, b: integer): integer;\r\n"
    "begin\r\n"
    "  Result := a + b;\r\n"
    "end;\r\n"
    "procedure Bump(var x: integer);\r\n"
    "begin\r\n"
    "  x := x + 1;\r\n"
    "end;\r\n"
    "end.";

TEST(ProgramApi, PrepareUnitThenCallRoutinesByName)
{
    TVlInterpreterProgram program;
    program.SetSourceText(UnitSource);
    program.PrepareUnit();
    EXPECT_TRUE(program.DeclarationsRead);
    EXPECT_TRUE(program.HasFunction("Calc", "Add"));
    EXPECT_FALSE(program.HasFunction("", "Missing"));
    program.InvokeFunction("add", nullptr, {TVlValue::Integer(2), TVlValue::Integer(40)});
    EXPECT_EQ(program.ResultValue.RawInteger(), 42);
}

TEST(ProgramApi, InvokeWithARequestReturnsVarParameters)
{
    TVlInterpreterProgram program;
    program.SetSourceText(UnitSource);
    TVlInterpreterArgs args;
    args.Add(TVlValue::Integer(1));
    args.VarNames[0] = "n";
    TVlValue result;
    program.InvokeFunctionIn(nullptr, "Calc", "Bump", &args, {}, result);
    EXPECT_EQ(args.Values[0].RawInteger(), 2);
}

TEST(ProgramApi, UnknownRoutineIsUndeclaredAtNoPosition)
{
    TVlInterpreterProgram program;
    program.SetSourceText(UnitSource);
    try {
        program.InvokeFunction("Nope", nullptr, {});
        FAIL();
    } catch (const EVlInterpreterError &e) {
        EXPECT_EQ(e.Code, 104);
        EXPECT_EQ(e.Position, -1);
        EXPECT_EQ(e.Message, "Undeclared Identifier 'Nope'");
    }
}

TEST(ProgramApi, PasLinesJoinWithCrLf)
{
    TVlInterpreterProgram program;
    program.SetPas({"begin", "  Result := 3;", "end;"});
    EXPECT_EQ(program.SourceText(), "begin\r\n  Result := 3;\r\nend;");
    EXPECT_EQ(program.Pas().size(), 3u);
    program.Execute();
    EXPECT_EQ(program.ResultValue.RawInteger(), 3);
}

TEST(ProgramApi, OnGetValueAnswersUnknownNamesAndOnSetValueStores)
{
    TVlInterpreterProgram program;
    int stored = 0;
    program.OnGetValue = [](void *, const std::string &name, TVlValue &value, TVlInterpreterArgs &, bool &done) {
        if (VlSameName(name, "Host")) {
            value = TVlValue::Integer(7);
            done = true;
        }
    };
    program.OnSetValue = [&stored](void *, const std::string &name, const TVlValue &value, TVlInterpreterArgs &,
                                   bool &done) {
        if (VlSameName(name, "Sink")) {
            stored = ValueToInteger(value);
            done = true;
        }
    };
    program.SetSourceText("begin Sink := Host * 6; Result := Host; end;");
    program.Execute();
    EXPECT_EQ(stored, 42);
    EXPECT_EQ(program.ResultValue.RawInteger(), 7);
}

TEST(ProgramApi, ManyProgramsCoexist)
{
    TVlInterpreterProgram a, b;
    a.SetSourceText("unit A; var x: integer; function main: integer; begin x := 1; Result := x; end; end.");
    b.SetSourceText("unit B; var x: integer; function main: integer; begin x := 2; Result := x; end; end.");
    a.Execute();
    b.Execute();
    EXPECT_EQ(a.ResultValue.RawInteger(), 1);
    EXPECT_EQ(b.ResultValue.RawInteger(), 2);
    a.Execute();
    EXPECT_EQ(a.ResultValue.RawInteger(), 1);
}

TEST(ProgramApi, StatementCallbackRunsBeforeStatements)
{
    TVlInterpreterProgram program;
    int calls = 0;
    program.OnStatement = [&calls](TVlInterpreterProgram &) { ++calls; };
    program.SetSourceText("program P; var i: integer; begin for i := 1 to 3 do i := i; end.");
    program.Execute();
    EXPECT_GE(calls, 4);
}

} // namespace
