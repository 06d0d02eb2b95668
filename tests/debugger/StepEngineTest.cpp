// The stepping engine without widgets: into, over and out across routines and units, breakpoints
// in loops, units and routines a host calls (as forms call their handlers), run to a line, the
// executed lines, stop while paused, the call stack, watches that cannot write, values beside code.
#include "debugger/VlStepEngine.h"
#include "debugger/VlValueText.h"

#include "interpreter/VlInterpreter.h"
#include "interpreter/bindings/VlInterpreter_all.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>

namespace {

std::string Lines(std::initializer_list<const char *> lines)
{
    std::string text;
    for (const char *line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

TVlSourceLine Main(int32_t line) { return {"", line}; }
TVlSourceLine In(const char *unit, int32_t line) { return {unit, line}; }

// A program stepped through by a list of actions, one per pause; a pause with no action left
// stops the run as the window's "Стоп" does.
class StepEngineTest : public testing::Test {
protected:
    StepEngineTest()
        : Engine([this](const std::function<bool()> &ready) {
              Pauses.push_back(Engine.PausedAt());
              if (Actions.empty())
                  RaiseError(erUserBreak, -1);
              std::function<void()> action = std::move(Actions.front());
              Actions.pop_front();
              action();
              ASSERT_TRUE(ready()) << "an action must give the engine a command";
          })
    {
        static const bool registered = [] {
            VlRegisterAllBindings(GlobalAdapter());
            return true;
        }();
        (void)registered;
        Program.OnGetUnitSource = [this](TVlInterpreterUnit &, const std::string &name, std::string &source,
                                         bool &done) {
            if (auto found = Units.find(name); found != Units.end()) {
                source = found->second;
                done = true;
            }
        };
        Program.OnStatement = [this](TVlInterpreterProgram &program) { Engine.OnStatement(program); };
    }

    // Runs source; the run's exception, if any, is left in Failure.
    void Run(const std::string &source, TVlStepCommand first = TVlStepCommand::Continue, TVlSourceLine target = {})
    {
        FailureCode = 0;
        Program.SetSourceText(source);
        Engine.Begin(Program, first, target);
        try {
            Program.Execute();
        } catch (const EVlInterpreterError &error) {
            FailureCode = error.Code;
        }
        Engine.End();
    }
    // Gives the same command at the next count pauses.
    void Then(TVlStepCommand command, int count = 1, TVlSourceLine target = {})
    {
        for (int i = 0; i < count; ++i)
            Actions.push_back([this, command, target] { Engine.Command(command, target); });
    }
    void At(std::function<void()> check, TVlStepCommand command)
    {
        Actions.push_back([this, check = std::move(check), command] {
            check();
            Engine.Command(command);
        });
    }

    TVlInterpreterProgram Program;
    TVlStepEngine Engine;
    std::map<std::string, std::string> Units;
    std::deque<std::function<void()>> Actions;
    std::vector<TVlSourceLine> Pauses;
    int32_t FailureCode = 0;
};

const std::string kProgram = Lines({
    "program P;",                          // 1
    "uses Tools;",                         // 2
    "var total, i: integer;",              // 3
    "procedure Add(n: integer);",          // 4
    "begin",                               // 5
    "  total := total + Twice(n);",        // 6
    "end;",                                // 7
    "begin",                               // 8
    "  total := 0;",                       // 9
    "  for i := 1 to 2 do",                // 10
    "    Add(i);",                         // 11
    "  total := total + 1;",               // 12
    "end.",                                // 13
});
const std::string kTools = Lines({
    "unit Tools;",                          // 1
    "interface",                            // 2
    "function Twice(x: integer): integer;", // 3
    "implementation",                       // 4
    "function Twice(x: integer): integer;", // 5
    "begin",                                // 6
    "  Result := x * 2;",                   // 7
    "end;",                                 // 8
    "end.",                                 // 9
});

TEST_F(StepEngineTest, StepIntoFollowsEveryStatementAcrossRoutinesAndUnits)
{
    Units["Tools"] = kTools;
    Then(TVlStepCommand::StepInto, 12);
    Then(TVlStepCommand::Continue);
    Run(kProgram, TVlStepCommand::StepInto);
    EXPECT_EQ(FailureCode, 0);
    const std::vector<TVlSourceLine> expected{Main(9),  Main(10), Main(11), Main(6), In("tools", 7), Main(11), Main(6),
                                              In("tools", 7), Main(12)};
    EXPECT_EQ(Pauses, expected);
    EXPECT_EQ(ValueToInteger(Program.OwnAdapter().SrcVars.front()->Value), 7);
}

TEST_F(StepEngineTest, StepOverStaysInTheRoutineAndStepOutReturnsToTheCaller)
{
    Units["Tools"] = kTools;
    Then(TVlStepCommand::StepOver, 5);
    Run(kProgram, TVlStepCommand::StepOver);
    EXPECT_EQ(Pauses, (std::vector<TVlSourceLine>{Main(9), Main(10), Main(11), Main(11), Main(12)}));
    EXPECT_EQ(FailureCode, 0);

    Pauses.clear();
    Then(TVlStepCommand::StepInto, 3);  // 9 -> 10 -> 11 -> into Add at 6
    Then(TVlStepCommand::StepInto);     // into Twice at Tools 7
    Then(TVlStepCommand::StepOut);      // Add has nothing left after the call: the loop's next pass
    Then(TVlStepCommand::StepOut);      // out of the main block: to the end
    Run(kProgram, TVlStepCommand::StepInto);
    EXPECT_EQ(Pauses, (std::vector<TVlSourceLine>{Main(9), Main(10), Main(11), Main(6), In("tools", 7), Main(11)}));
    EXPECT_EQ(FailureCode, 0);
}

TEST_F(StepEngineTest, BreakpointsStopAtEveryPassInUnitsAndInRoutinesTheHostCalls)
{
    Units["Tools"] = kTools;
    Engine.ToggleBreakpoint(Main(6));
    Engine.ToggleBreakpoint(In("tools", 7));
    Then(TVlStepCommand::Continue, 4);
    Run(kProgram);
    EXPECT_EQ(Pauses, (std::vector<TVlSourceLine>{Main(6), In("tools", 7), Main(6), In("tools", 7)}));
    EXPECT_EQ(FailureCode, 0);

    // A routine the host calls after the run, as a form calls its event handlers.
    Engine.ToggleBreakpoint(Main(6));
    Engine.ToggleBreakpoint(In("tools", 7));
    EXPECT_TRUE(Engine.Breakpoints().empty());
    const std::string handlers = Lines({
        "unit Handlers;",                                  // 1
        "var clicks: integer;",                            // 2
        "procedure Button1Click(Sender: TObject);",        // 3
        "begin",                                           // 4
        "  clicks := clicks + 1;",                         // 5
        "end;",                                            // 6
        "end.",                                            // 7
    });
    Program.SetSourceText(handlers);
    Program.PrepareUnit();
    Engine.ToggleBreakpoint(Main(5));
    Pauses.clear();
    Then(TVlStepCommand::Continue);
    Engine.Begin(Program, TVlStepCommand::Continue);
    Program.InvokeFunction("Button1Click", nullptr, {TVlValue()});
    Engine.End();
    EXPECT_EQ(Pauses, (std::vector<TVlSourceLine>{Main(5)}));
}

TEST_F(StepEngineTest, ABreakpointStopsOncePerEntryOfItsLine)
{
    Engine.ToggleBreakpoint(Main(4));
    Then(TVlStepCommand::Continue, 3);
    Run(Lines({"program P; var i, s: integer;", // 1
               "begin",                        // 2
               "  i := 0; s := 0;",            // 3
               "  while i < 3 do begin i := i + 1; s := s + i; end;", // 4
               "end."}));
    // Line 4 is entered by the loop statement, then again by every pass that jumps back.
    EXPECT_EQ(Pauses, (std::vector<TVlSourceLine>{Main(4), Main(4), Main(4)}));
    Pauses.clear();
    Engine.ToggleBreakpoint(Main(3));
    Then(TVlStepCommand::Continue, 4);
    Run(Lines({"program P; var i, s: integer;", "begin", "  i := 0; s := 0;",
               "  while i < 3 do begin i := i + 1; s := s + i; end;", "end."}));
    // Two statements on line 3 stop once.
    EXPECT_EQ(Pauses, (std::vector<TVlSourceLine>{Main(3), Main(4), Main(4), Main(4)}));
    Engine.ToggleBreakpoint(Main(3));

    Pauses.clear();
    Engine.ToggleBreakpoint(Main(4));
    Engine.ToggleBreakpoint(Main(5));
    Then(TVlStepCommand::Continue, 3);
    Run(Lines({"program P; var i, s: integer;", // 1
               "begin",                        // 2
               "  i := 0; s := 0;",            // 3
               "  while i < 3 do begin",       // 4
               "    i := i + 1; s := s + i;",  // 5
               "  end;",                       // 6
               "end."}));
    EXPECT_EQ(Pauses, (std::vector<TVlSourceLine>{Main(5), Main(5), Main(5)}));
}

TEST_F(StepEngineTest, RunToLineAndTheExecutedLines)
{
    const std::string source = Lines({
        "program P; var x: integer;", // 1
        "begin",                      // 2
        "  x := 1;",                  // 3
        "  if x > 5 then",            // 4
        "    x := 10",                // 5
        "  else",                     // 6
        "    x := 20;",               // 7
        "  x := x + 1;",              // 8
        "end.",                       // 9
    });
    Then(TVlStepCommand::Continue);
    Run(source, TVlStepCommand::RunToLine, Main(8));
    EXPECT_EQ(Pauses, (std::vector<TVlSourceLine>{Main(8)}));
    EXPECT_EQ(Engine.ExecutedLines(), (std::set<TVlSourceLine>{Main(3), Main(4), Main(7), Main(8)}));
}

TEST_F(StepEngineTest, DirectStatementsReportTheSameStatements)
{
    const std::string source = Lines({
        "unit U;",                                 // 1
        "function main: integer;",                 // 2
        "var i, s: integer;",                      // 3
        "begin",                                   // 4
        "  s := 30;",                              // 5
        "  for i := 1 to 3 do",                    // 6
        "    if i <> 2 then",                      // 7
        "      s := s + i",                        // 8
        "    else",                                // 9
        "      begin s := s * 10; end;",           // 10
        "  while s > 300 do s := s - 7;",          // 11
        "  Result := s;",                          // 12
        "end;",                                    // 13
        "end.",                                    // 14
    });
    std::vector<TVlSourceLine> byTree;
    for (bool direct : {true, false}) {
        Program.DirectStatements = direct;
        Pauses.clear();
        Then(TVlStepCommand::StepInto, 40);
        Run(source, TVlStepCommand::StepInto);
        Actions.clear();
        EXPECT_EQ(FailureCode, 0);
        EXPECT_EQ(ValueToInteger(Program.ResultValue), 299) << direct;
        if (direct)
            byTree = Pauses;
        else
            EXPECT_EQ(Pauses, byTree);
    }
    EXPECT_EQ(byTree.size(), 12u);
}

// A host routine that asks its caller for an interrupt, as the window's timer does.
void PokeInterrupt(TVlValue &value, TVlInterpreterArgs &args)
{
    static_cast<TVlInterpreterFunction *>(args.Caller)->RequestInterrupt();
    value = TVlValue::Null();
}

TEST_F(StepEngineTest, StepsAskedForMidRunReachInsideARunningLoop)
{
    // Observing starts in the middle of a loop that the fast path runs as one tree.
    GlobalAdapter().AddHostFunction("", "VlTestPoke", PokeInterrupt, 0, {}, varEmpty);
    Program.OnStatement = nullptr;
    Program.OnInterrupt = [this](TVlInterpreterProgram &program) {
        if (program.OnStatement)
            return;
        program.OnStatement = [this](TVlInterpreterProgram &p) { Engine.OnStatement(p); };
        Engine.Command(TVlStepCommand::StepInto);
    };
    Then(TVlStepCommand::StepInto, 3);
    Then(TVlStepCommand::Continue);
    Program.SetSourceText(Lines({
        "unit U;",                                              // 1
        "function main: integer;",                              // 2
        "var i, s: integer;",                                   // 3
        "begin",                                                // 4
        "  s := 0;",                                            // 5
        "  for i := 1 to 100 do begin",                         // 6
        "    s := s + i;",                                      // 7
        "    if i = 50 then VlTestPoke;",                       // 8
        "  end;",                                               // 9
        "  Result := s;",                                       // 10
        "end;",                                                 // 11
        "end.",                                                 // 12
    }));
    Engine.Begin(Program, TVlStepCommand::Continue);
    Program.Execute();
    Engine.End();
    // The interrupt comes at the step after the call: the end of pass 50, then pass 51 statement by statement.
    EXPECT_EQ(Pauses, (std::vector<TVlSourceLine>{Main(7), Main(8), Main(7), Main(8)}));
    EXPECT_EQ(ValueToInteger(Program.ResultValue), 5050);
}

TEST_F(StepEngineTest, StopWhilePausedEndsTheRun)
{
    Then(TVlStepCommand::StepInto);
    Run(Lines({"program P; var x: integer;", "begin", "  x := 1;", "  x := 2;", "  x := 3;", "end."}),
        TVlStepCommand::StepInto);
    EXPECT_EQ(FailureCode, erUserBreak);
    EXPECT_EQ(Pauses, (std::vector<TVlSourceLine>{Main(3), Main(4)}));
    EXPECT_FALSE(Engine.Paused());
    EXPECT_EQ(ValueToInteger(Program.OwnAdapter().SrcVars.front()->Value), 1);
    EXPECT_EQ(Engine.ExecutedLines(), (std::set<TVlSourceLine>{Main(3), Main(4)}));
}

TEST_F(StepEngineTest, TheCallStackNamesRoutinesLinesAndLocals)
{
    Units["Tools"] = kTools;
    Engine.ToggleBreakpoint(In("tools", 7));
    At([this] {
        const std::vector<TVlCallFrame> &stack = Engine.CallStack();
        ASSERT_EQ(stack.size(), 3u);
        EXPECT_EQ(stack[0].Routine, "Twice");
        EXPECT_EQ(stack[0].Unit, "Tools");
        EXPECT_EQ(stack[0].Place, In("tools", 7));
        EXPECT_EQ(stack[1].Routine, "Add");
        EXPECT_EQ(stack[1].Place, Main(6));
        EXPECT_EQ(stack[2].Routine, "P");
        EXPECT_EQ(stack[2].Place, Main(11));
        ASSERT_EQ(stack[0].Vars.size(), 2u);  // x and Result
        EXPECT_EQ(stack[0].Vars[0].Name, "x");
        EXPECT_EQ(ValueToInteger(stack[0].Vars[0].Value), 1);
        ASSERT_EQ(stack[1].Vars.size(), 1u);
        EXPECT_EQ(stack[1].Vars[0].Name, "n");
        // The globals of the program, seen from the caller's frame; none in the unit.
        EXPECT_TRUE(Engine.Globals(0).empty());
        ASSERT_EQ(Engine.Globals(1).size(), 2u);
        EXPECT_EQ(Engine.Globals(1)[0].Name, "total");
        EXPECT_EQ(Engine.Watch("n * 100 + total", 1).Value.RawInteger(), 100);
        EXPECT_FALSE(Engine.Watch("n", 0).Ok);  // not visible in Twice
    }, TVlStepCommand::Continue);
    Then(TVlStepCommand::Continue);
    Run(kProgram);
    EXPECT_EQ(Pauses.size(), 2u);
}

TEST_F(StepEngineTest, WatchesReadButNeverWrite)
{
    const std::string source = Lines({
        "program P;",                                          // 1
        "type TPoint = record x, y: integer; end;",            // 2
        "var g: integer; s: string; a: array [1..3] of integer; p: TPoint;", // 3
        "function Bump: integer;",                             // 4
        "begin g := g + 1; Result := g; end;",                 // 5
        "begin",                                               // 6
        "  g := 5; s := 'abc'; a[2] := 7; p.x := 3;",          // 7
        "  g := g + 0;",                                       // 8
        "end.",                                                // 9
    });
    Engine.ToggleBreakpoint(Main(8));
    At([this] {
        auto value = [this](const char *text) {
            const TVlWatchResult result = Engine.Watch(text);
            EXPECT_TRUE(result.Ok) << text << ": " << result.Error;
            return VlValueText(result.Value, *Engine.Types());
        };
        EXPECT_EQ(value("g * 2"), "10");
        EXPECT_EQ(value("a[2] + a[1]"), "7");
        EXPECT_EQ(value("p.x"), "3");
        EXPECT_EQ(value("Length(s)"), "3");
        EXPECT_EQ(value("s + 'd'"), "'abcd'");
        EXPECT_EQ(value("a"), "[0, 7, 0]");
        EXPECT_EQ(value("p"), "(x: 3; y: 0)");
        for (const char *refused : {"Bump", "Bump + 1", "g := 7", "Inc(g)", "WriteLn(g)", "g; g := 1"}) {
            const TVlWatchResult result = Engine.Watch(refused);
            EXPECT_FALSE(result.Ok) << refused;
            EXPECT_FALSE(result.Error.empty()) << refused;
        }
        EXPECT_EQ(value("g"), "5");
        EXPECT_EQ(value("a[2]"), "7");
    }, TVlStepCommand::Continue);
    Run(source);
    EXPECT_EQ(Pauses.size(), 1u);
    EXPECT_EQ(FailureCode, 0);
    EXPECT_EQ(ValueToInteger(Program.OwnAdapter().SrcVars.front()->Value), 5);  // g, never bumped
}

TEST_F(StepEngineTest, ValuesBesideCodeShowWhatTheLineJustRunAssigned)
{
    const std::string source = Lines({
        "program P; var x, y: integer; s: string;",                  // 1
        "procedure Add(var v: integer; n: integer); begin v := v + n; end;", // 2
        "begin",                                                     // 3
        "  x := 4; s := 'a' + 'b';",                                 // 4
        "  Add(y, x);",                                              // 5
        "  x := x + 0;",                                             // 6
        "  y := 0;",                                                 // 7
        "end.",                                                      // 8
    });
    Then(TVlStepCommand::StepOver, 5);  // 4 (x), 4 (s), 5, 6, 7
    Run(source, TVlStepCommand::StepInto);
    EXPECT_EQ(FailureCode, 0);
    const auto &values = Engine.LineValues();
    ASSERT_TRUE(values.count(Main(4)));
    const std::vector<TVlLineValue> &line4 = values.at(Main(4));
    ASSERT_EQ(line4.size(), 2u);
    EXPECT_EQ(line4[0].Name, "x");
    EXPECT_EQ(line4[0].Text, "4");
    EXPECT_EQ(line4[1].Name, "s");
    EXPECT_EQ(line4[1].Text, "'ab'");
    // Changed through a var parameter: shown as assigned by the line.
    ASSERT_TRUE(values.count(Main(5)));
    const std::vector<TVlLineValue> &line5 = values.at(Main(5));
    ASSERT_EQ(line5.size(), 1u);
    EXPECT_EQ(line5[0].Name, "y");
    EXPECT_EQ(line5[0].Text, "4");
    ASSERT_TRUE(values.count(Main(6)));
    EXPECT_EQ(values.at(Main(6))[0].Text, "4");  // assigned, though unchanged
    EXPECT_FALSE(values.count(Main(2)));         // stepped over, never paused in
}

TEST_F(StepEngineTest, ALoopsControlVariableIsNotShownAsTheBodysDoing)
{
    const std::string source = Lines({
        "program P; var i, x: integer;",                           // 1
        "procedure Bump(var v: integer); begin v := v + 1; end;",  // 2
        "begin",                                                   // 3
        "  for i := 1 to 3 do",                                    // 4
        "    Bump(x);",                                            // 5
        "end.",                                                    // 6
    });
    Then(TVlStepCommand::StepOver, 10);
    Run(source, TVlStepCommand::StepInto);
    EXPECT_EQ(FailureCode, 0);
    ASSERT_TRUE(Engine.LineValues().count(Main(5)));
    const std::vector<TVlLineValue> &line5 = Engine.LineValues().at(Main(5));
    ASSERT_EQ(line5.size(), 1u);
    EXPECT_EQ(line5[0].Name, "x");
}

} // namespace
