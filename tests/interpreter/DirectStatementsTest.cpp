// Statements of locals run as cached trees must behave exactly as when read token by token:
// every script is run both ways and the results, errors, positions, counted steps, the reader at
// every statement hook and the place where a step budget stops the run are compared, in the core
// dialect and in the fuller one (where the compat programs and the dialect's scripts join them).
#include "InterpreterTestHost.h"

#include "common/VlTestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>

namespace {

// Sources that lean on what the trees do themselves and on every way they hand work back.
const char *const EdgeSources[] = {
    // break, continue and exit from nested loops
    "unit U;\n"
    "function f(n: integer): integer;\n"
    "var i, j, s: integer;\n"
    "begin\n"
    "  s := 0;\n"
    "  for i := 1 to n do\n"
    "  begin\n"
    "    j := 0;\n"
    "    while j < i do\n"
    "    begin\n"
    "      j := j + 1;\n"
    "      if j = 3 then continue;\n"
    "      if j > 5 then break else s := s + j\n"
    "    end;\n"
    "    if s > 100 then exit;\n"
    "  end;\n"
    "  Result := s;\n"
    "end;\n"
    "function main: integer;\n"
    "begin\n"
    "  Result := f(10) + f(40);\n"
    "end;\n"
    "end.\n",
    // a variant local changing kind, strings, reals, booleans
    "unit U;\n"
    "function main: variant;\n"
    "var v: variant; i, n: integer; s: string; r: double; b: boolean;\n"
    "begin\n"
    "  n := 0; r := 0;\n"
    "  for i := 1 to 10 do\n"
    "  begin\n"
    "    if i mod 2 = 0 then v := 'x' else v := i;\n"
    "    s := s + 'a';\n"
    "    r := r + 0.5;\n"
    "    b := (i > 3) = (n < 20);\n"
    "    if b then n := n + Length(s) else n := -(n + 1) * 2;\n"
    "  end;\n"
    "  Result := FloatToStr(r) + ' ' + IntToStr(n) + ' ' + s;\n"
    "end;\n"
    "end.\n",
    // division by zero in a while condition at a later pass
    "var i, d: integer;\n"
    "begin\n"
    "  i := 5; d := 3;\n"
    "  while 10 div d > 1 do\n"
    "  begin\n"
    "    d := d - 1;\n"
    "  end;\n"
    "  Result := d;\n"
    "end;\n",
    // an element store out of bounds, caught and counted
    "var a: array[1..5] of integer; i, n: integer;\n"
    "begin\n"
    "  n := 0;\n"
    "  for i := 1 to 7 do\n"
    "    try\n"
    "      a[i] := i * i\n"
    "    except\n"
    "      n := n + 1\n"
    "    end;\n"
    "  Result := n * 100 + a[5];\n"
    "end;\n",
    // an element store out of bounds, not caught
    "var a: array[1..5] of integer; i: integer;\n"
    "begin\n"
    "  for i := 1 to 6 do a[i] := i * i;\n"
    "end;\n",
    // integers overflowing into a wider kind
    "var x: integer; y: variant;\n"
    "begin\n"
    "  x := 2147483600; y := x;\n"
    "  for x := 1 to 10 do y := y + 1000000000;\n"
    "  Result := y;\n"
    "end;\n",
    // a condition that is not Boolean
    "var i: integer;\n"
    "begin\n"
    "  i := 1;\n"
    "  while i < 5 do i := i + 1;\n"
    "  if i then i := 2;\n"
    "end;\n",
    // a global control variable and globals in expressions
    "unit U;\n"
    "var g, t: integer;\n"
    "function main: integer;\n"
    "var s: integer;\n"
    "begin\n"
    "  s := 0;\n"
    "  for g := 1 to 5 do begin s := s + g; t := s end;\n"
    "  Result := s * 10 + g + t;\n"
    "end;\n"
    "end.\n",
    // empty statements, an empty then branch, downto and an empty range
    "var i, n: integer;\n"
    "begin\n"
    "  n := 0;;\n"
    "  for i := 5 downto 1 do begin ; n := n * 2 + i; ; end;\n"
    "  for i := 1 to 0 do n := 0;\n"
    "  if n > 0 then else n := 1;\n"
    "  repeat n := n - 100; if n < 0 then break; until false;\n"
    "  Result := n + i;\n"
    "end;\n",
    // a procedure called as a value gives what its last statement left
    "unit U;\n"
    "procedure P;\n"
    "var x: integer;\n"
    "begin\n"
    "  x := 42;\n"
    "end;\n"
    "function main: integer;\n"
    "begin\n"
    "  Result := P;\n"
    "end;\n"
    "end.\n",
    // a case statement around trees, exit from a for loop inside a while loop
    "unit U;\n"
    "function f(k: integer): integer;\n"
    "var i, n: integer;\n"
    "begin\n"
    "  n := 0;\n"
    "  while true do\n"
    "  begin\n"
    "    for i := 1 to 10 do\n"
    "    begin\n"
    "      case i mod 3 of\n"
    "        0: n := n + 1;\n"
    "        1: begin n := n + 2; if n > k then begin Result := n; exit end end;\n"
    "      else n := n + 3;\n"
    "      end;\n"
    "    end;\n"
    "  end;\n"
    "end;\n"
    "function main: integer;\n"
    "begin\n"
    "  Result := f(7) * 100 + f(50);\n"
    "end;\n"
    "end.\n",
    // calls in right sides: recursion, host routines, globals and failures after a call
    "unit U;\n"
    "var g: integer;\n"
    "function fib(n: integer): integer;\n"
    "begin\n"
    "  if n < 2 then Result := n else Result := fib(n - 1) + fib(n - 2);\n"
    "end;\n"
    "function add(a, b: integer): integer;\n"
    "begin\n"
    "  Result := a + b;\n"
    "  g := g + 1;\n"
    "end;\n"
    "function main: integer;\n"
    "var i, s: integer; t: string;\n"
    "begin\n"
    "  s := 0; t := 'abc';\n"
    "  for i := 1 to 20 do s := add(s, i) mod 7 + add(g, 1) * 2;\n"
    "  s := s + fib(10) + Length(t) + add(Length(t), g);\n"
    "  Result := s * 1000 + g;\n"
    "end;\n"
    "end.\n",
    // a type mismatch after a call
    "unit U;\n"
    "function one(a: integer): integer; begin Result := a; end;\n"
    "function main: integer;\n"
    "var s: string; n: integer;\n"
    "begin\n"
    "  s := 'x';\n"
    "  n := one(1) + s;\n"
    "end;\n"
    "end.\n",
    // a division by zero after a call, on a later line
    "unit U;\n"
    "function zero(): integer; begin Result := 0; end;\n"
    "function main: integer;\n"
    "var n: integer;\n"
    "begin\n"
    "  n := 5;\n"
    "  n := zero() +\n"
    "    n div zero();\n"
    "end;\n"
    "end.\n",
    // arguments that are not locals after a call, an undeclared routine after a call
    "unit U;\n"
    "var g: integer;\n"
    "function twice(a: integer): integer; begin Result := a * 2; g := g + a; end;\n"
    "function main: integer;\n"
    "var n: integer;\n"
    "begin\n"
    "  g := 3;\n"
    "  n := twice(1) + twice(g) + g;\n"
    "  n := n + twice(n) + nothere(n);\n"
    "end;\n"
    "end.\n",
    // wrong argument counts, and a routine called with a var parameter
    "unit U;\n"
    "procedure bump(var x: integer); begin x := x + 1; end;\n"
    "function one(a: integer): integer; begin Result := a; end;\n"
    "function main: integer;\n"
    "var n, m: integer;\n"
    "begin\n"
    "  n := 1; m := 0;\n"
    "  m := one(bump(n)) + n;\n"
    "  Result := m * 10 + n;\n"
    "  m := one(1, 2);\n"
    "end;\n"
    "end.\n",
    // a statement that is not finished properly
    "var i: integer;\n"
    "begin\n"
    "  for i := 1 to 3 do begin i := i end\n"
    "  i := 4;\n"
    "end;\n",
};

// Sources of the fuller dialect whose statements the trees run or hand back in their own ways.
const char *const DialectEdgeSources[] = {
    // short-circuit conditions over locals: guarded element reads, divisions, calls
    "unit U;\n"
    "var asked: integer;\n"
    "function Odd2(n: integer): boolean;\n"
    "begin\n"
    "  asked := asked + 1;\n"
    "  Odd2 := n mod 2 = 1;\n"
    "end;\n"
    "function main: integer;\n"
    "var a: array[0..9] of integer; i, j, key, s, z: integer; ok: boolean;\n"
    "begin\n"
    "  for i := 0 to 9 do a[i] := (i * 7) mod 10;\n"
    "  for i := 1 to 9 do\n"
    "  begin\n"
    "    key := a[i]; j := i - 1;\n"
    "    while (j >= 0) and (a[j] > key) do begin a[j + 1] := a[j]; j := j - 1 end;\n"
    "    a[j + 1] := key\n"
    "  end;\n"
    "  s := 0; z := 0;\n"
    "  for i := 0 to 9 do\n"
    "    if (i > 2) and (a[i] mod 2 = 0) or (i = 0) then s := s + a[i];\n"
    "  ok := (z <> 0) and (10 div z > 1);\n"
    "  if not ok then s := s + 100;\n"
    "  ok := (z = 0) or (10 div z > 1);\n"
    "  if ok then s := s + 1000;\n"
    "  for i := 1 to 6 do\n"
    "  begin\n"
    "    ok := (i > 3) and Odd2(i);\n"
    "    if ok or Odd2(i + 1) then s := s + i;\n"
    "  end;\n"
    "  j := 10;\n"
    "  while (j > 0) and (a[j - 1] >= 0) do j := j - 1;\n"
    "  Result := s * 100 + asked + j;\n"
    "end;\n"
    "end.\n",
    // a skipped right operand of every shape, and an error only evaluating it would raise
    "var x, n: integer; b: boolean; s: string;\n"
    "begin\n"
    "  x := 0; s := 'abc';\n"
    "  b := (x > 0) and (Length(Copy(s, 1, 2)) > nothere[1, 2].f(3)) or (x = 0);\n"
    "  if b then n := 1 else n := 2;\n"
    "  b := (x = 0) or not (s[1] in ['a'..'z']) and (x div x = 1);\n"
    "  if b then n := n + 10;\n"
    "  b := (x <> 0) and -x + 2 * x > 1;\n"
    "  if not b then n := n + 100;\n"
    "  Result := n;\n"
    "end;\n",
    // nested routines, for..in, with, typed constants, open arrays, exit(value)
    "unit U;\n"
    "type TPoint = record X, Y: integer end;\n"
    "function Sum(const a: array of integer): integer;\n"
    "var i: integer;\n"
    "begin\n"
    "  Sum := 0;\n"
    "  for i := Low(a) to High(a) do Sum := Sum + a[i];\n"
    "end;\n"
    "function Count: integer;\n"
    "const calls: integer = 0;\n"
    "begin\n"
    "  Inc(calls);\n"
    "  Count := calls;\n"
    "end;\n"
    "function Outer(n: integer): integer;\n"
    "var total: integer;\n"
    "  procedure Add(k: integer);\n"
    "  begin\n"
    "    total := total + k * n;\n"
    "  end;\n"
    "begin\n"
    "  total := 0;\n"
    "  Add(1); Add(2);\n"
    "  if total > 100 then exit(-1);\n"
    "  Outer := total;\n"
    "end;\n"
    "function main: integer;\n"
    "var p: TPoint; c: char; v, t: integer;\n"
    "begin\n"
    "  with p do begin X := 3; Y := 4 end;\n"
    "  t := 0;\n"
    "  for c in 'abc' do t := t + Ord(c);\n"
    "  for v in [2, 3, 5] do t := t + v;\n"
    "  Count; Count;\n"
    "  Result := Sum([1, 2, 3]) + Outer(5) + Outer(50) + Count * 1000 + p.X * p.Y + t;\n"
    "end;\n"
    "end.\n",
};

std::string ReadFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

using TSources = std::vector<std::pair<std::string, std::string>>;

void AddFiles(TSources &sources, const std::string &dir)
{
    std::vector<std::filesystem::path> files;
    for (const auto &entry : std::filesystem::directory_iterator(dir))
        if (entry.path().extension() == ".pas")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto &file : files)
        sources.emplace_back(file.filename().string(), ReadFile(file));
}

template <size_t N>
void AddEdgeSources(TSources &sources, const char *const (&edges)[N], const std::string &label)
{
    int number = 0;
    for (const char *source : edges)
        sources.emplace_back(label + " " + std::to_string(++number), source);
}

// Every script of the script suite, then the sources above; with classic, also the scripts and
// edge sources of the fuller dialect.
TSources Sources(bool classic)
{
    TSources sources;
    AddFiles(sources, VlTestDataDir() + "/interpreter");
    AddEdgeSources(sources, EdgeSources, "edge source");
    if (classic) {
        AddFiles(sources, VlTestDataDir() + "/interpreter/dialect");
        AddEdgeSources(sources, DialectEdgeSources, "dialect edge source");
    }
    return sources;
}

TRunResult RunOneWay(const std::string &source, bool direct, int64_t budget = -1, bool observe = false,
                     bool classic = false)
{
    TRunOptions options;
    options.UnitDir = VlTestDataDir() + "/interpreter/units";
    options.Direct = direct;
    options.Budget = budget;
    options.Observe = observe;
    options.Classic = classic;
    return RunWithOptions(source, options);
}

void ExpectSame(const TRunResult &direct, const TRunResult &tokens, const std::string &what)
{
    EXPECT_EQ(direct.Failed, tokens.Failed) << what;
    EXPECT_EQ(direct.Code, tokens.Code) << what;
    EXPECT_EQ(direct.Position, tokens.Position) << what;
    EXPECT_EQ(direct.Message, tokens.Message) << what;
    EXPECT_EQ(direct.BudgetLeft, tokens.BudgetLeft) << what;
    EXPECT_EQ(direct.Output, tokens.Output) << what;
}

// run(direct, budget, observe); limit: a step budget for every run (-1: none), which long
// programs then meet at the same place both ways.
void ExpectBothWaysAlike(const std::string &name, const std::function<TRunResult(bool, int64_t, bool)> &run,
                         int64_t limit = -1)
{
    ExpectSame(run(true, limit, false), run(false, limit, false), name);
    // The same number of steps is counted.
    int64_t counted = limit > 0 ? limit : 1000000000;
    ExpectSame(run(true, counted, false), run(false, counted, false), name + " (counted)");
    // The statement hook sees the reader at the same places.
    TRunResult direct = run(true, limit, true);
    TRunResult tokens = run(false, limit, true);
    ExpectSame(direct, tokens, name + " (observed)");
    EXPECT_EQ(direct.Trace, tokens.Trace) << name;
}

} // namespace

TEST(DirectStatements, RunLikeTheTokenReader)
{
    for (bool classic : {false, true})
        for (const auto &[name, source] : Sources(classic))
            ExpectBothWaysAlike(name + (classic ? " (fuller dialect)" : ""), [&](bool direct, int64_t budget, bool observe) {
                return RunOneWay(source, direct, budget, observe, classic);
            });
}

// The compat programs print alike both ways, in the dialect veltrano-run gives them (long ones
// up to a step budget).
TEST(DirectStatements, CompatProgramsRunLikeTheTokenReader)
{
    TSources programs;
    AddFiles(programs, (std::filesystem::path(VlTestDataDir()).parent_path() / "compat").string());
    ASSERT_GE(programs.size(), 80u);
    for (const auto &[name, source] : programs) {
        TRunOptions plain;
        plain.Classic = true;
        plain.Budget = 200000;
        EXPECT_FALSE(RunConsoleProgram(source, plain).Output.empty()) << name << " prints nothing";
        ExpectBothWaysAlike(name, [&](bool direct, int64_t budget, bool observe) {
            TRunOptions options;
            options.Direct = direct;
            options.Budget = budget;
            options.Observe = observe;
            options.Classic = true;
            return RunConsoleProgram(source, options, "7\n3 4\nword\n");
        }, 200000);
    }
}

TEST(DirectStatements, StopAtEveryStepLikeTheTokenReader)
{
    auto stopEverywhere = [](const char *source, const std::string &name, bool classic) {
        TRunResult whole = RunOneWay(source, false, 1000000000, false, classic);
        int64_t steps = std::min<int64_t>(1000000000 - whole.BudgetLeft, 400);
        for (int64_t budget = 0; budget <= steps; ++budget)
            ExpectSame(RunOneWay(source, true, budget, false, classic), RunOneWay(source, false, budget, false, classic),
                       name + " with budget " + std::to_string(budget));
    };
    int number = 0;
    for (const char *source : EdgeSources)
        stopEverywhere(source, "edge source " + std::to_string(++number), false);
    number = 0;
    for (const char *source : DialectEdgeSources)
        stopEverywhere(source, "dialect edge source " + std::to_string(++number), true);
}

TEST(DirectStatements, DeepNestingIsLeftToTheTokenReader)
{
    std::string source = "var i, n: integer;\nbegin\n  n := 0;\n  for i := 1 to 3 do\n";
    for (int level = 0; level < 60; ++level)
        source += "begin ";
    source += "n := n + i;";
    for (int level = 0; level < 60; ++level)
        source += " end";
    source += ";\n  Result := n;\nend;\n";
    TRunResult direct = RunOneWay(source, true, 1000000000);
    ExpectSame(direct, RunOneWay(source, false, 1000000000), "nested blocks");
    EXPECT_EQ(direct.Message, "Integer: 6");
}

namespace {

// A program whose current instance answers a name before the locals do, the way a form answers
// with its components: with LocalsReadFirst cleared, a local named like that member must lose on
// both ways, in reads, stores, element accesses and appends alike.
class TShadowingProgram : public TVlInterpreterProgram {
public:
    TVlValue Member = TVlValue::Integer(100);
    std::string Text = "m";

    void PutMembersFirst(bool on) { LocalsReadFirst = !on; }

    bool GetValue(const std::string &name, int32_t atom, TVlValue &result, TVlInterpreterArgs &args) override
    {
        if (!args.Obj && !LocalsReadFirst && Is(name, atom, "Member")) {
            result = Member;
            return true;
        }
        if (!args.Obj && !LocalsReadFirst && Is(name, atom, "Text")) {
            result = TVlValue::String(Text);
            return true;
        }
        return TVlInterpreterProgram::GetValue(name, atom, result, args);
    }
    bool SetValue(const std::string &name, int32_t atom, const TVlValue &value, TVlInterpreterArgs &args) override
    {
        if (!args.Obj && !LocalsReadFirst && Is(name, atom, "Member")) {
            Member = value;
            return true;
        }
        if (!args.Obj && !LocalsReadFirst && Is(name, atom, "Text")) {
            Text = ValueToString(value);
            return true;
        }
        return TVlInterpreterProgram::SetValue(name, atom, value, args);
    }

private:
    static bool Is(const std::string &name, int32_t atom, const char *wanted)
    {
        return atom ? atom == VlNames().Intern(wanted) : VlSameName(name, wanted);
    }
};

const char *const ShadowSource =
    "unit U;\n"
    "function f(n: integer): integer;\n"
    "var Member, i, t: integer; Text: string; a: array[0..3] of integer;\n"
    "begin\n"
    "  Member := 0;\n"
    "  for i := 1 to n do\n"
    "  begin\n"
    "    Member := Member + i;\n"
    "    Text := Text + 'x';\n"
    "  end;\n"
    "  a[1] := 7;\n"
    "  a[Member mod 4] := Member;\n"
    "  if Text = 'xxxx' then t := 1 else if Text = 'mxxxx' then t := 2 else t := 3;\n"
    "  Result := Member * 1000 + t * 10 + a[1];\n"
    "end;\n"
    "function main: integer;\n"
    "begin\n"
    "  Result := f(4);\n"
    "end;\n"
    "end.\n";

TRunResult RunShadowed(bool direct, bool membersFirst, std::string &member)
{
    TShadowingProgram program;
    program.PutMembersFirst(membersFirst);
    TRunOptions options;
    options.Direct = direct;
    TRunResult result = RunWithOptionsOn(program, ShadowSource, options);
    member = ResultText(program.Member) + " " + program.Text;
    return result;
}

} // namespace

TEST(DirectStatements, MembersThatComeBeforeLocalsWinOnBothWays)
{
    std::string directMember, tokenMember;
    TRunResult direct = RunShadowed(true, true, directMember);
    TRunResult tokens = RunShadowed(false, true, tokenMember);
    ExpectSame(direct, tokens, "members first");
    EXPECT_EQ(directMember, tokenMember);
    // The member took every store: 0 + 1 + 2 + 3 + 4, and a[10 mod 4] kept the local array.
    EXPECT_EQ(directMember, "Integer: 10 mxxxx");
    EXPECT_EQ(direct.Message, "Integer: 10027");
    // With locals first the same source never touches the member.
    TRunResult plain = RunShadowed(true, false, directMember);
    ExpectSame(plain, RunShadowed(false, false, tokenMember), "locals first");
    EXPECT_EQ(directMember, "Integer: 100 m");
    EXPECT_EQ(plain.Message, "Integer: 10017");
}
