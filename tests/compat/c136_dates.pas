program Dates;
{ Day of the year, days between two dates and adding days, with a record for dates. }
type
  TDate = record
    D, M, Y: Integer;
  end;
const
  MonthDays: array[1..12] of Integer = (31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31);

function Leap(y: Integer): Boolean;
begin
  Leap := (y mod 4 = 0) and (y mod 100 <> 0) or (y mod 400 = 0);
end;

function DaysIn(m, y: Integer): Integer;
begin
  DaysIn := MonthDays[m];
  if (m = 2) and Leap(y) then
    DaysIn := 29;
end;

function DayOfYear(const t: TDate): Integer;
var
  m, n: Integer;
begin
  n := t.D;
  for m := 1 to t.M - 1 do
    n := n + DaysIn(m, t.Y);
  DayOfYear := n;
end;

function DayNumber(const t: TDate): LongInt;
var
  y: Integer;
  n: LongInt;
begin
  n := 0;
  for y := 1900 to t.Y - 1 do
    if Leap(y) then n := n + 366 else n := n + 365;
  DayNumber := n + DayOfYear(t);
end;

procedure AddDays(var t: TDate; n: Integer);
begin
  while n > 0 do
  begin
    Inc(t.D);
    if t.D > DaysIn(t.M, t.Y) then
    begin
      t.D := 1;
      Inc(t.M);
      if t.M > 12 then
      begin
        t.M := 1;
        Inc(t.Y);
      end;
    end;
    Dec(n);
  end;
end;

function Show(const t: TDate): string;
const
  Names: array[1..12] of string[3] = ('Jan', 'Feb', 'Mar', 'Apr', 'May', 'Jun', 'Jul', 'Aug', 'Sep', 'Oct', 'Nov', 'Dec');
var
  s: string;
begin
  Str(t.D:2, s);
  Show := s + ' ' + Names[t.M] + ' ';
  Str(t.Y, s);
  Show := Show + s;
end;

var
  a, b: TDate;
  i: Integer;
begin
  a.D := 12; a.M := 4; a.Y := 1961;
  b.D := 20; b.M := 7; b.Y := 1969;
  WriteLn(Show(a), ' is day ', DayOfYear(a), ' of the year');
  WriteLn(Show(b), ' is day ', DayOfYear(b));
  WriteLn('Days between: ', DayNumber(b) - DayNumber(a));
  for i := 1 to 4 do
  begin
    AddDays(a, 100);
    WriteLn('+100 days: ', Show(a));
  end;
  a.D := 28; a.M := 2; a.Y := 2000;
  AddDays(a, 1);
  Write(Show(a), ' / ');
  a.D := 28; a.M := 2; a.Y := 1900;
  AddDays(a, 1);
  WriteLn(Show(a));
  Write('Leap years 1896-1912:');
  for i := 1896 to 1912 do
    if Leap(i) then Write(' ', i);
  WriteLn;
end.
