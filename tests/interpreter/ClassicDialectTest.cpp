// The fuller dialect that veltrano-run and the window give learners' programs: programs that
// print what Free Pascal prints for them (the expected texts are fpc -Mobjfpc's), values of its
// own, the errors of malformed new forms at their places, and Halt.
#include "InterpreterTestHost.h"

#include "interpreter/bindings/VlInterpreter_Classic.h"

#include <gtest/gtest.h>

namespace {

TRunOptions Classic()
{
    TRunOptions options;
    options.Classic = true;
    return options;
}

struct TProgramCase {
    const char *Name;
    const char *Source;
    const char *Input;
    const char *Output;
};

const TProgramCase Programs[] = {
    {"case_for_in_with_exit",
     R"pas(program T_case_for_in_with_exit;
type TPoint = record X, Y: integer; end;
var
  s: string;
  c: char;
  p: TPoint;
  a: array[1..3] of integer = (3, 1, 2);
  v, t: integer;
function FirstNegative(const x: array of integer): integer;
var i: integer;
begin
  for i := 0 to High(x) do
    if x[i] < 0 then Exit(i);
  Result := -1;
end;
begin
  s := 'Hello, World 42!';
  for c in s do
    case c of
      'A'..'Z': Write('U');
      'a'..'z': Write('l');
      '0'..'9': Write('d');
      ' ', ',', '!': Write('_');
    end;
  WriteLn;
  with p do
  begin
    X := 3;
    Y := X + 1;
  end;
  WriteLn(p.X, ' ', p.Y);
  t := 0;
  for v in a do t := t * 10 + v;
  WriteLn(t, ' ', FirstNegative([1, -2, 3]), ' ', FirstNegative([1]));
end.
)pas",
     "",
     "Ullll__Ullll_dd_\n3 4\n312 1 -1\n"},
    {"const_expressions",
     R"pas(program T_const_expressions;
const
  N = 4;
  M = N div 2;
  Size = N * 2 + 1;
  Title = 'Size ' + 'table';
var
  a: array[1..N * 2] of integer;
  b: array[0..Size - 1] of char;
  i: integer;
begin
  for i := 1 to High(a) do a[i] := i * M;
  WriteLn(Title, ' ', Length(b), ' ', a[N * 2]);
  for i := 1 to 6 do
    case i of
      1, M + 1: Write('a');
      N..N + 1: Write('b');
    else
      Write('c');
    end;
  WriteLn;
end.
)pas",
     "",
     "Size table 9 16\nacabbc\n"},
    {"enumerations",
     R"pas(program T_enumerations;
type
  TDay = (Mon, Tue, Wed, Thu, Fri, Sat, Sun);
  TWork = Mon..Fri;
var
  d: TDay;
  hours: array[TDay] of integer;
  w: TWork;
begin
  for d := Mon to Sun do hours[d] := Ord(d) * 2;
  WriteLn(Ord(Wed), ' ', Ord(Succ(Mon)), ' ', Ord(Pred(Sun)), ' ', Ord(Low(TDay)), ' ', Ord(High(TDay)));
  WriteLn(hours[Fri], ' ', Ord(High(TWork)));
  w := Thu;
  case w of
    Mon, Tue: WriteLn('early');
    Wed..Thu: WriteLn('middle');
  else
    WriteLn('late');
  end;
  d := Sat;
  if d > Fri then WriteLn('weekend');
end.
)pas",
     "",
     "2 1 5 0 6\n8 4\nmiddle\nweekend\n"},
    {"nested_routines",
     R"pas(program T_nested_routines;
function Outer(n: integer): integer;
var total: integer;
  procedure Add(k: integer);
  begin
    total := total + k * n;
  end;
  function Twice: integer;
    function Inner: integer;
    begin
      Inner := total;
    end;
  begin
    Twice := Inner * 2;
  end;
begin
  total := 0;
  Add(1);
  Add(2);
  Outer := Twice;
end;
begin
  WriteLn(Outer(5), ' ', Outer(1));
end.
)pas",
     "",
     "30 6\n"},
    {"numbers",
     R"pas(program T_numbers;
var
  big: int64;
  c: cardinal;
  w: word;
  b: byte;
  si: shortint;
  sm: smallint;
  r: real;
begin
  big := 9223372036854775807;
  WriteLn(big, ' ', big div 1000000007);
  big := 1;
  big := big shl 40;
  WriteLn(big);
  c := 4294967295;
  WriteLn(c);
  w := 65535; w := w + 1;
  b := 255; b := b + 1;
  si := 127; si := si + 1;
  sm := -32768; sm := sm - 1;
  WriteLn(w, ' ', b, ' ', si, ' ', sm);
  r := 1.0e-6;
  WriteLn(r:0:8, ' ', 10e9:0:0, ' ', 2.5E+3:0:1);
  WriteLn(High(integer), ' ', Low(integer), ' ', High(byte), ' ', High(word));
end.
)pas",
     "",
     "9223372036854775807 9223371972\n1099511627776\n4294967295\n0 0 -128 32767\n0.00000100 10000000000 2500.0\n2147483647 -2147483648 255 65535\n"},
    {"open_arrays",
     R"pas(program T_open_arrays;
var
  s: array[1..4] of integer = (4, 8, 15, 16);
  d: array of integer;
  i: integer;
function Sum(const a: array of integer): integer;
var k: integer;
begin
  Sum := 0;
  for k := Low(a) to High(a) do Sum := Sum + a[k];
end;
procedure Double(var a: array of integer);
var k: integer;
begin
  for k := 0 to High(a) do a[k] := a[k] * 2;
end;
function Count(a: array of integer): integer;
begin
  Count := Length(a);
end;
begin
  SetLength(d, 3);
  for i := 0 to 2 do d[i] := i + 1;
  WriteLn(Sum(s), ' ', Sum(d), ' ', Sum([1, 2, 3]), ' ', Count(s), ' ', Count([]));
  Double(s);
  Double(d);
  WriteLn(s[1], ' ', s[4], ' ', d[2]);
end.
)pas",
     "",
     "43 6 6 4 0\n8 32 6\n"},
    {"read_input",
     R"pas(program T_read_input;
var
  a, b, sum: integer;
  c: char;
  s: string;
  n: integer;
  x: real;
begin
  Read(a);
  Read(b);
  ReadLn;
  WriteLn(a + b);
  n := 0;
  while not Eoln do
  begin
    Read(c);
    if c <> ' ' then Inc(n);
  end;
  ReadLn;
  WriteLn(n, ' letters');
  Read(x, a);
  ReadLn(s);
  WriteLn(x:0:2, ' ', a, '[', s, ']');
  sum := 0;
  while not Eof do
  begin
    Read(a);
    sum := sum + a;
  end;
  WriteLn(sum);
end.
)pas",
     "3\n4\nab c d\n2.5 7 rest of it\n1 2\n3\n",
     "7\n4 letters\n2.50 7[ rest of it]\n6\n"},
    {"records_arrays",
     R"pas(program T_records_arrays;
type
  TDate = record Day, Month, Year: integer end;
  TStudent = record
    Name: string;
    Born: TDate;
    Marks: array[1..3] of integer
  end;
var
  group: array[1..2] of TStudent;
  m: array[1..2, 1..3] of integer;
  jag: array of array of integer;
  i, j: integer;
  pt: record x, y: real; end;
begin
  group[1].Name := 'Ann';
  group[1].Born.Year := 2001;
  group[1].Marks[2] := 5;
  group[2] := group[1];
  group[2].Name := 'Bob';
  group[2].Marks[2] := 4;
  WriteLn(group[1].Name, ' ', group[1].Marks[2], ' ', group[2].Name, ' ', group[2].Marks[2], ' ', group[2].Born.Year);
  for i := 1 to 2 do
    for j := 1 to 3 do
      m[i, j] := i * 10 + j;
  WriteLn(m[2, 3], ' ', m[1][2]);
  SetLength(jag, 2);
  SetLength(jag[0], 1);
  SetLength(jag[1], 3);
  jag[1][2] := 7;
  WriteLn(Length(jag[1]), ' ', jag[1][2]);
  pt.x := 1.5; pt.y := 2;
  WriteLn(pt.x + pt.y:0:1);
end.
)pas",
     "",
     "Ann 5 Bob 4 2001\n23 12\n3 7\n3.5\n"},
    {"result_through_name",
     R"pas(program T_result_through_name;
function Fact(n: integer): integer;
begin
  if n <= 1 then Fact := 1 else Fact := n * Fact(n - 1);
end;
function Twice(x: integer): integer;
begin
  Twice := x;
  Twice := Twice * 2;
end;
var calls: integer;
function Next: integer;
begin
  Inc(calls);
  if calls < 3 then Next := Next() + 1 else Next := 10;
end;
begin
  WriteLn(Fact(5), ' ', Twice(21), ' ', Next, ' ', calls);
end.
)pas",
     "",
     "120 42 12 3\n"},
    {"sets",
     R"pas(program T_sets;
type
  TColor = (Red, Green, Blue, Yellow);
  TColors = set of TColor;
var
  c: TColors;
  v: set of char;
  ch: char;
  n: integer;
begin
  c := [Red, Blue];
  Include(c, Yellow);
  Exclude(c, Red);
  if Blue in c then WriteLn('blue');
  if not (Red in c) then WriteLn('no red');
  c := c + [Green] - [Blue];
  WriteLn(Green in c, ' ', Blue in c, ' ', c * [Yellow] = [Yellow], ' ', [Green] <= c);
  v := ['a', 'e', 'i', 'o', 'u'];
  n := 0;
  for ch in 'education' do
    if ch in v then Inc(n);
  WriteLn(n, ' ', 'z' in ['a'..'y'], ' ', '5' in ['0'..'9']);
end.
)pas",
     "",
     "blue\nno red\nTRUE FALSE TRUE TRUE\n5 FALSE TRUE\n"},
    {"short_circuit",
     R"pas(program T_short_circuit;
var
  a: array[1..5] of integer = (5, 3, 8, 1, 9);
  i, n: integer;

function Test(k: integer): boolean;
begin
  Inc(n);
  Test := k > 2;
end;
begin
  i := 1;
  while (i <= 5) and (a[i] <> 8) do Inc(i);
  WriteLn(i);
  n := 0;
  for i := 1 to 5 do
    if (i > 3) and Test(i) then Write(i);
  WriteLn(' ', n);
  n := 0;
  for i := 1 to 5 do
    if (i < 3) or Test(i) then Write(i);
  WriteLn(' ', n);


end.
)pas",
     "",
     "3\n45 2\n12345 3\n"},
    {"short_strings",
     R"pas(program T_short_strings;
var
  s: string[5];
  t: string;
begin
  s := 'abcdefgh';
  t := s + '!';
  WriteLn(s, ' ', Length(s), ' ', t);
  s := 'xy';
  s := s + s + s;
  WriteLn(s);
end.
)pas",
     "",
     "abcde 5 abcde!\nxyxyx\n"},
    {"standard_routines",
     R"pas(program T_standard_routines;
var
  i, code: integer;
  x: real;
  s: string;
begin
  i := 5;
  Inc(i); Inc(i, 10); Dec(i, 3); Dec(i);
  WriteLn(i, ' ', Succ(i), ' ', Pred('b'), ' ', Odd(7), ' ', Sqr(9), ' ', Sqr(1.5):0:2);
  WriteLn(Frac(3.75):0:2, ' ', Int(3.75):0:1, ' ', Pi:0:5, ' ', Trunc(-2.7), ' ', Round(2.5), ' ', Round(3.5));
  WriteLn(Concat('ab', 'cd', 'e'), ' ', StringOfChar('*', 5), ' ', UpCase('q'), ' ', UpCase('Z'));
  Str(42, s); Write(s, ' ');
  Str(3.14159:0:2, s); Write(s, ' ');
  Str(7:4, s); WriteLn('[', s, ']');
  Val('123', i, code); Write(i, ' ', code, ' ');
  Val('12x', i, code); Write(code, ' ');
  Val('2.5', x, code); WriteLn(x:0:1, ' ', code);
  Randomize;
  i := Random(10);
  WriteLn((i >= 0) and (i < 10), ' ', Random < 1);
  WriteLn(Chr(65), Ord('a'), ' ', Abs(-3), ' ', Length('hello'), ' ', Pos('l', 'hello'), ' ', Copy('hello', 2, 3));
end.
)pas",
     "",
     "12 13 a TRUE 81 2.25\n0.75 3.0 3.14159 -2 2 4\nabcde ***** Q Z\n42 3.14 [   7]\n123 0 3 2.5 0\nTRUE TRUE\nA97 3 5 3 ell\n"},
    {"typed_constants",
     R"pas(program T_typed_constants;
type TPoint = record X, Y: integer; end;
const
  Names: array[1..3] of string = ('one', 'two', 'three');
  Grid: array[0..1, 0..2] of integer = ((1, 2, 3), (4, 5, 6));
  Origin: TPoint = (X: 3; Y: -4);
  Limit: integer = 5;
var
  Total: integer = 10;
  Ratio: real = 0.25;
  i: integer;
function Counter: integer;
const n: integer = 0;
begin
  n := n + 1;
  Counter := n;
end;
begin
  for i := 1 to 3 do Write(Names[i], ' ');
  WriteLn(Grid[1, 2], ' ', Grid[0][1], ' ', Origin.X + Origin.Y, ' ', Limit + Total);
  WriteLn(Ratio:0:2);
  Counter; Counter;
  WriteLn(Counter);
end.
)pas",
     "",
     "one two three 6 2 -1 15\n0.25\n3\n"},
    {"standard functions of constants are folded in extended",
     R"pas(program T_folded;
const C = 2.5;
  T: Single = 1.5;
var s: Single;
begin
  s := 2.25;
  WriteLn(Sqrt(2.0) * 2);
  WriteLn(Abs(-C) + Sqr(C + 1));
  WriteLn(Sqrt(s * 4.0), ' ', Sqr(T));
  WriteLn(Sqrt(2.0) = Sqrt(2), ' ', Sqrt(2.0):0:3);
end.
)pas",
     "",
     " 2.82842712474619009753E+0000\n 1.47500000000000000000E+0001\n 3.000000000E+00  2.250000000E+00\nTRUE 1.414\n"},
    {"write_formats",
     R"pas(program T_write_formats;
var
  i: integer;
  big: int64;
  r: real;
  b: boolean;
  c: char;
begin
  i := -42; big := 1234567890123; r := -2.5; b := False; c := 'x';
  WriteLn(i, '|', i:6, '|', i:1, '|', big:15, '|');
  WriteLn(r:8:3, '|', r:0:0, '|', r:12, '|', r);
  WriteLn(b, '|', b:8, '|', c:3, '|', 'abc':5, '|', 'abc':1, '|');
  WriteLn(#9'tab', #65#66, #$41, '''');
  Write('no newline');
  WriteLn;
end.
)pas",
     "",
     "-42|   -42|-42|  1234567890123|\n  -2.500|-3|-2.5000E+000|-2.5000000000000000E+000\nFALSE|   FALSE|  x|  abc|abc|\n\ttabABA'\nno newline\n"},
    {"headless_program", "var i: integer;\nbegin\n  for i := 1 to 3 do Write(i);\n  WriteLn;\nend.\n", "", "123\n"},
    {"headless_declarations",
     "const N = 3;\ntype T = array[1..N] of integer;\nvar a: T; i: integer;\n"
     "procedure Fill(var x: T); var k: integer; begin for k := 1 to N do x[k] := k * k; end;\n"
     "begin\n  Fill(a);\n  for i := 1 to N do Write(a[i], ' ');\n  WriteLn;\nend.\n",
     "", "1 4 9 \n"},
    {"headless_block", "begin\n  try\n    WriteLn(1);\n  except\n    on E: Exception do WriteLn(E.Message);\n  end;\nend.\n",
     "", "1\n"},
};

TEST(ClassicDialect, ProgramsPrintWhatFreePascalPrints)
{
    for (const TProgramCase &c : Programs) {
        TRunResult r = RunConsoleProgram(c.Source, Classic(), c.Input);
        EXPECT_FALSE(r.Failed) << c.Name << ": " << r.Code << " " << r.Message;
        EXPECT_EQ(r.Output, c.Output) << c.Name;
    }
}

struct TValueCase {
    const char *Name;
    const char *Source;
    const char *Result;  // "Kind: text"
};

const TValueCase Values[] = {
    {"integers start as the core dialect's Byte 0", "var i: integer;\nbegin Result := i; end;\n", "Byte: 0"},
    {"singles start as Single 0", "var s: single;\nbegin Result := s; end;\n", "Single: 0"},
    {"an Int64 sum leaves 32 bits", "var i: integer;\nbegin i := 2147483647; Result := i + 1; end;\n",
     "Int64: 2147483648"},
    {"Int64 arithmetic wraps at 64 bits",
     "var b: int64;\nbegin b := 9223372036854775807; Result := b + 1; end;\n", "Int64: -9223372036854775808"},
    {"Int64 shifts in 64 bits", "var b: int64;\nbegin b := 1; Result := b shl 40; end;\n", "Int64: 1099511627776"},
    {"integers of other kinds compare", "var i: integer; b: int64;\nbegin b := 3000000000000; Result := (i = 0) and (i < 1) and (b > 2999999999999) and (b <> 3); end;\n",
     "Boolean: True"},
    {"a word wraps", "var w: word;\nbegin w := 65535; w := w + 1; Result := w; end;\n", "Word: 0"},
    {"a set of small members is a Set", "begin Result := [1, 3..4]; end;\n", "Set: 26"},
    {"sets intersect", "begin Result := [1, 2, 3] * [2, 3, 4]; end;\n", "Set: 12"},
    {"a wide set holds characters", "begin Result := ('q' in ['a'..'z']) and not (40 in [1..39]); end;\n",
     "Boolean: True"},
    {"enumeration members have a kind of their own",
     "unit U;\ntype T = (a, b, c);\nfunction main: variant;\nvar x: T;\nbegin x := c; Result := x; end;\nend.\n",
     "Enumeration: 2"},
    {"enumeration members compare by ordinal",
     "unit U;\ntype T = (a, b, c);\nfunction main: boolean;\nbegin Result := (a < c) and (Succ(a) = b); end;\nend.\n",
     "Boolean: True"},
    {"short-circuit and keeps the Boolean", "var z: integer;\nbegin z := 0; Result := (z <> 0) and (10 div z = 1); end;\n",
     "Boolean: False"},
    {"short-circuit or reads over calls and indexes",
     "var z: integer;\nbegin z := 0; Result := (z = 0) or (Nothing(z).x[1] > Length(Copy('ab', 1, 1))); end;\n",
     "Boolean: True"},
    {"and still computes when the left side does not decide", "var i: integer;\nbegin i := 6; Result := (i > 1) and (i mod 3 = 0); end;\n",
     "Boolean: True"},
    {"integers and/or stay bitwise", "begin Result := (12 and 10) + (1 or 4); end;\n", "Integer: 13"},
    {"Inc of an element in a main block", "var a: array[1..3] of integer;\nbegin a[2] := 4; Inc(a[2]); Inc(a[2], 10); Result := a[2]; end;\n",
     "Integer: 15"},
    {"Inc of a field of an element",
     "unit U;\ntype R = record n: integer end;\nvar a: array[1..2] of R; r: R;\nfunction main: integer;\nbegin\n  Inc(a[2].n, 5); Inc(r.n); Dec(a[2].n);\n  Result := a[2].n * 10 + r.n;\nend;\nend.\n",
     "Integer: 41"},
    {"a var parameter writes into a field",
     "unit U;\ntype R = record n: integer; s: string end;\nprocedure Put(var k: integer; var t: string); begin k := 7; t := 'x'; end;\n"
     "function main: string;\nvar r: R;\nbegin Put(r.n, r.s); Result := r.s + IntToStr(r.n); end;\nend.\n",
     "String: x7"},
    {"an array stored into a var parameter is a copy",
     "unit U;\ntype V = array[1..2] of integer;\nprocedure Put(var r: V);\nvar t: V;\nbegin t[1] := 1; r := t; t[1] := 2; end;\n"
     "function main: integer;\nvar p: V;\nbegin Put(p); Result := p[1]; end;\nend.\n",
     "Integer: 1"},
    {"a record stored into a var parameter is a copy",
     "unit U;\ntype R = record n: integer end;\nprocedure Put(var r: R);\nvar t: R;\nbegin t.n := 1; r := t; t.n := 2; end;\n"
     "function main: integer;\nvar p: R;\nbegin Put(p); Result := p.n; end;\nend.\n",
     "Integer: 1"},
    {"Inc of an element of an array field",
     "unit U;\ntype R = record m: array[1..3] of integer end;\nvar g: R;\nprocedure Up(var p: R; k: integer); begin Inc(p.m[k], 5); end;\n"
     "function main: integer;\nbegin g.m[2] := 1; Inc(g.m[2]); Up(g, 2); Result := g.m[2]; end;\nend.\n",
     "Integer: 7"},
    {"a[i, j] of an array of arrays, as an argument and in a routine",
     "unit U;\nvar g: array[1..2] of array[1..3] of integer;\nfunction Id(x: integer): integer; begin Id := x; end;\n"
     "function F: integer;\nvar l: array[1..2] of array[1..3] of integer;\n"
     "begin l[2, 3] := 4; l[1][1] := l[2, 3] + 1; F := Id(l[1, 1]) * 10 + l[2][3]; end;\n"
     "function main: integer;\nbegin g[2][3] := 6; Result := Id(g[2, 3]) * 100 + F; end;\nend.\n",
     "Integer: 654"},
    {"case on a string", "var s: string;\nbegin s := 'mul'; case s of 'add': Result := 1; 'div'..'sub': Result := 2; else Result := 3; end; end;\n",
     "Integer: 2"},
    {"an Int64 negated stays Int64", "var b: int64;\nbegin b := 123456789012; Result := -b; end;\n", "Int64: -123456789012"},
    {"a function result through its name and its bare name",
     "unit U;\nfunction F(n: integer): integer;\nbegin F := n; F := F * F; end;\nfunction main: integer; begin Result := F(9); end;\nend.\n",
     "Integer: 81"},
    {"a typed constant keeps its value between calls",
     "unit U;\nfunction Next: integer;\nconst n: integer = 0;\nbegin Inc(n); Next := n; end;\n"
     "function main: integer; begin Next; Next; Result := Next; end;\nend.\n",
     "Integer: 3"},
    {"a nested routine changes a local of the routine it is declared in",
     "unit U;\nfunction Outer: integer;\nvar t: integer;\n  procedure Add(k: integer); begin t := t + k; end;\n"
     "begin t := 1; Add(2); Add(3); Outer := t; end;\nfunction main: integer; begin Result := Outer; end;\nend.\n",
     "Integer: 6"},
    {"exit with a value", "unit U;\nfunction F: integer;\nbegin exit(5); Result := 1; end;\nfunction main: integer; begin Result := F; end;\nend.\n",
     "Integer: 5"},
    {"a string[N] keeps N characters", "var s: string[3];\nbegin s := 'abcdef'; Result := s; end;\n", "String: abc"},
    {"string constants and character codes run together", "begin Result := 'a'#66'c'#$44; end;\n", "String: aBcD"},
    {"a real constant a single holds exactly is a single", "begin Result := 0.5; end;\n", "Single: 0.5"},
    {"other real constants are extended", "begin Result := 0.1; end;\n", "Extended: 0.1"},
    {"a single with an integer stays single", "var s: single;\nbegin s := 0.1; Result := s * 3; end;\n",
     "Single: 0.300000011920929"},
    {"a comment before the program heading", "{ a program }\nprogram P;\nbegin\nend.\n", "Empty: "},
};

TEST(ClassicDialect, ValuesOfTheFullerDialect)
{
    for (const TValueCase &c : Values) {
        TRunResult r = RunWithOptions(c.Source, Classic());
        EXPECT_FALSE(r.Failed) << c.Name << ": " << r.Code << " " << r.Message;
        EXPECT_EQ(r.Message, c.Result) << c.Name;
    }
}

struct TErrorCase {
    const char *Name;
    const char *Source;
    int32_t Code;
    const char *Message;
    const char *At;  // the error stands at the first occurrence of this text (nullptr: not checked)
};

const TErrorCase Errors[] = {
    {"an enumeration without its bracket", "program E;\ntype T = (a, b;\nbegin end.\n", 103,
     "Error in unit 'E' on line 2 : ')' expected but ';' found", ";\nbegin"},
    {"an enumeration member that is no name", "program E;\ntype T = (a, 3);\nbegin end.\n", 103,
     "Error in unit 'E' on line 2 : Identifier expected but '3' found", "3)"},
    {"an array bound left out", "program E;\nvar a: array[1..] of integer;\nbegin end.\n", 103,
     "Error in unit 'E' on line 2 : Expression expected but ']' found", "] of"},
    {"an array bound that is no constant", "program E;\nvar a: array[1..n] of integer;\nbegin end.\n", 104,
     "Error in unit 'E' on line 2 : Undeclared Identifier 'n'", nullptr},
    {"a typed constant without its value", "program E;\nconst X: integer;\nbegin end.\n", 103,
     "Error in unit 'E' on line 2 : '=' expected but ';' found", ";\nbegin"},
    {"an initialised variable without its value", "program E;\nvar x: integer = ;\nbegin end.\n", 103,
     "Error in unit 'E' on line 2 : Expression expected but ';' found", ";\nbegin"},
    {"too many values for an array", "program E;\nvar a: array[1..2] of integer = (1, 2, 3);\nbegin end.\n", 171,
     "Error in unit 'E' on line 2 : Array index out of bounds", ", 3)"},
    {"a record constant with a field it has not",
     "program E;\ntype R = record a: integer end;\nconst r: R = (b: 1);\nbegin end.\n", 104,
     "Error in unit 'E' on line 3 : Undeclared Identifier 'b'", "b: 1"},
    {"a record without end", "program E;\ntype R = record a: integer;\nbegin end.\n", 103,
     "Error in unit 'E' on line 3 : 'end' expected but 'begin' found", "begin end"},
    {"a subrange without its high end", "program E;\ntype T = 1..;\nbegin end.\n", 103,
     "Error in unit 'E' on line 2 : Expression expected but ';' found", ";\nbegin"},
    {"a string length left out", "program E;\nvar s: string[];\nbegin end.\n", 103,
     "Error in unit 'E' on line 2 : Expression expected but ']' found", "];"},
    {"an open array without of", "unit U;\nprocedure p(a: array integer);\nbegin end;\nend.\n", 103,
     "Error in unit 'U' on line 2 : 'of' expected but 'integer' found", "integer)"},
    {"with on a number", "var i: integer;\nbegin\n  with i do i := 1;\nend;\n", 109,
     "Record, object or class type required", "i do"},
    {"for in over a number", "var i: integer;\nbegin\n  for i in 5 do ;\nend;\n", 176, "Array type required", "5 do"},
    {"exit without its bracket",
     "unit U;\nfunction f: integer;\nbegin\n  exit(1;\nend;\nfunction main: integer; begin Result := f; end;\nend.\n", 103,
     "Error in unit 'U' on line 4 : ')' expected but ';' found", ";\nend;\nfunction main"},
    {"a case range without its high end", "var c: char;\nbegin\n  c := 'a';\n  case c of\n    'a'..: ;\n  end;\nend;\n", 103,
     "Expression expected but ':' found", ": ;"},
    {"a set element of several characters", "var s: variant;\nbegin\n  s := ['ab'];\nend;\n", 108,
     "Type of expression must be integer", "'ab'"},
    {"a short-circuited operand without its bracket", "var b: boolean;\nbegin\n  b := False and (1 > 2;\nend;\n", 103,
     "')' expected but ';' found", ";\nend"},
    {"a short-circuited call at the end of the source", "var b: boolean;\nbegin\n  b := False and f(1, 2\n", 103,
     "')' expected but End of File found", nullptr},
    {"Inc of a constant", "begin\n  Inc(5);\nend;\n", 6, "Variable identifier expected", nullptr},
};

TEST(ClassicDialect, MalformedFormsAreReportedWhereTheyAre)
{
    for (const TErrorCase &c : Errors) {
        TRunResult r = RunWithOptions(c.Source, Classic());
        EXPECT_TRUE(r.Failed) << c.Name << " gave " << r.Message;
        EXPECT_EQ(r.Code, c.Code) << c.Name;
        EXPECT_EQ(r.Message, c.Message) << c.Name;
        if (c.At) {
            std::string text = std::string(c.Source);
            // Positions count the CR LF line ends the runner gives the source.
            std::string crlf;
            for (char ch : text)
                crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
            std::string at;
            for (const char *p = c.At; *p; ++p)
                at += *p == '\n' ? std::string("\r\n") : std::string(1, *p);
            EXPECT_EQ(r.Position, static_cast<int32_t>(crlf.find(at))) << c.Name;
        }
    }
    // At the end of the source the error stands there.
    TRunResult r = RunWithOptions("var b: boolean;\nbegin\n  b := False and f(1, 2\n", Classic());
    EXPECT_EQ(r.Position, static_cast<int32_t>(std::string("var b: boolean;\r\nbegin\r\n  b := False and f(1, 2\r\n").size()));
}

TEST(ClassicDialect, OnlyTheFullerDialectReadsAProgramWithoutItsHeading)
{
    const std::string block = "var x: integer;\nbegin\n  x := 1;\nend.\n";
    EXPECT_FALSE(RunWithOptions(block, Classic()).Failed);
    TRunResult core = RunWithOptions(block, TRunOptions());
    EXPECT_EQ(core.Code, 103);
    EXPECT_EQ(core.Message, "';' expected but '.' found");
}

TEST(ClassicDialect, HaltEndsTheRunThroughEveryHandler)
{
    const char *source =
        "program P;\n"
        "procedure Stop;\n"
        "begin\n"
        "  try\n"
        "    try\n"
        "      WriteLn('before');\n"
        "      Halt(4);\n"
        "    finally\n"
        "      WriteLn('finally');\n"
        "    end;\n"
        "  except\n"
        "    WriteLn('except');\n"
        "  end;\n"
        "end;\n"
        "begin\n"
        "  Stop;\n"
        "  WriteLn('after');\n"
        "end.\n";
    TRunResult r = RunConsoleProgram(source, Classic());
    EXPECT_FALSE(r.Failed) << r.Message;
    EXPECT_EQ(r.Output, "before\n");
    TRunResult plain = RunConsoleProgram("program P;\nbegin\n  WriteLn(1);\n  Halt;\n  WriteLn(2);\nend.\n", Classic());
    EXPECT_FALSE(plain.Failed);
    EXPECT_EQ(plain.Output, "1\n");
}

TEST(ClassicDialect, HaltGivesItsCodeToTheHost)
{
    TVlInterpreterProgram program;
    VlUseClassicDialect(program);
    program.SetSourceText("program P;\r\nbegin\r\n  Halt(7);\r\nend.");
    program.Execute();
    EXPECT_TRUE(program.Halted);
    EXPECT_EQ(program.ExitCode, 7);
    program.SetSourceText("program P;\r\nbegin\r\nend.");
    program.Execute();
    EXPECT_FALSE(program.Halted);
    EXPECT_EQ(program.ExitCode, 0);
}

TEST(ClassicDialect, FixedFormNearAHalfRoundsTheValueItself)
{
    // Our choice: Free Pascal gives 1.235 for 1.23449999:0:3 but 1.234 for 1.234499999:0:3; we round both down.
    TRunResult r = RunConsoleProgram("program P;\nvar x: double;\nbegin\n  x := 1.23449999; Write(x:0:3, ' ');\n"
                                     "  x := 1.234499999; Write(x:0:3, ' ');\n  x := 1.005; Write(x:0:2, ' ');\n"
                                     "  x := 2.5; WriteLn(x:0:0, ' ', -x:0:0, ' ', Int(-0.5):0:1);\nend.\n",
                                     Classic());
    EXPECT_FALSE(r.Failed) << r.Message;
    EXPECT_EQ(r.Output, "1.234 1.234 1.01 3 -3 -0.0\n");
}

TEST(ClassicDialect, RandomStartsEveryRunWithFreePascalsSequence)
{
    const char *source = "program P;\nvar i: integer;\nbegin\n  for i := 1 to 5 do Write(Random(1000), ' ');\n"
                         "  WriteLn(Random:0:6, ' ', Random(0), ' ', Trunc(1e10), ' ', Round(-2.5e12));\nend.\n";
    const char *expected = "548 592 715 844 602 0.857946 0 10000000000 -2500000000000\n";
    EXPECT_EQ(RunConsoleProgram(source, Classic()).Output, expected);
    EXPECT_EQ(RunConsoleProgram(source, Classic()).Output, expected);
}

} // namespace
