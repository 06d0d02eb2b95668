program Calendar;
{ Prints the calendar of a few months, using an enumeration of weekdays. }
type
  TWeekDay = (Mon, Tue, Wed, Thu, Fri, Sat, Sun);
  TMonth = 1..12;
const
  MonthNames: array[TMonth] of string[9] = ('January', 'February', 'March', 'April', 'May',
    'June', 'July', 'August', 'September', 'October', 'November', 'December');
  DayNames: array[TWeekDay] of string[2] = ('Mo', 'Tu', 'We', 'Th', 'Fr', 'Sa', 'Su');

function IsLeap(Year: Integer): Boolean;
begin
  IsLeap := (Year mod 4 = 0) and ((Year mod 100 <> 0) or (Year mod 400 = 0));
end;

function DaysInMonth(Month: TMonth; Year: Integer): Integer;
begin
  case Month of
    1, 3, 5, 7, 8, 10, 12: DaysInMonth := 31;
    4, 6, 9, 11: DaysInMonth := 30;
    2: if IsLeap(Year) then DaysInMonth := 29 else DaysInMonth := 28;
  end;
end;

{ Zeller's congruence, turned so that Monday is 0. }
function WeekDayOf(Day, Month, Year: Integer): TWeekDay;
var
  q, m, k, j, h: Integer;
begin
  q := Day;
  m := Month;
  if m < 3 then
  begin
    m := m + 12;
    Dec(Year);
  end;
  k := Year mod 100;
  j := Year div 100;
  h := (q + (13 * (m + 1)) div 5 + k + k div 4 + j div 4 + 5 * j) mod 7;
  WeekDayOf := TWeekDay((h + 5) mod 7);
end;

procedure PrintMonth(Month: TMonth; Year: Integer);
var
  d: TWeekDay;
  Day, Column: Integer;
begin
  WriteLn(MonthNames[Month]:(20 + Length(MonthNames[Month])) div 2, ' ', Year);
  for d := Low(TWeekDay) to High(TWeekDay) do
    Write(DayNames[d]:3);
  WriteLn;
  Column := Ord(WeekDayOf(1, Month, Year));
  Write('':Column * 3);
  for Day := 1 to DaysInMonth(Month, Year) do
  begin
    Write(Day:3);
    Inc(Column);
    if Column = 7 then
    begin
      WriteLn;
      Column := 0;
    end;
  end;
  if Column <> 0 then
    WriteLn;
  WriteLn;
end;

var
  m: TMonth;
  d: TWeekDay;
begin
  PrintMonth(2, 2024);
  PrintMonth(9, 1752 + 273);
  for m := 1 to 12 do
  begin
    d := WeekDayOf(13, m, 2026);
    if d = Fri then
      WriteLn('Friday the 13th: ', MonthNames[m]);
  end;
  WriteLn('1 January 2000 was ', WeekDayOf(1, 1, 2000));
  WriteLn('Days in 1900: ', 337 + DaysInMonth(2, 1900));
end.
