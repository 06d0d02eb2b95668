program MonthTable;
{ Typed constant tables of records and strings, a leap-year check and days in a year. }
type
  TMonth = record
    Name: string[3];
    Days: integer;
  end;
const
  Months: array[1..12] of TMonth = (
    (Name: 'Jan'; Days: 31), (Name: 'Feb'; Days: 28), (Name: 'Mar'; Days: 31),
    (Name: 'Apr'; Days: 30), (Name: 'May'; Days: 31), (Name: 'Jun'; Days: 30),
    (Name: 'Jul'; Days: 31), (Name: 'Aug'; Days: 31), (Name: 'Sep'; Days: 30),
    (Name: 'Oct'; Days: 31), (Name: 'Nov'; Days: 30), (Name: 'Dec'; Days: 31));

function IsLeap(y: integer): boolean;
begin
  IsLeap := (y mod 4 = 0) and (y mod 100 <> 0) or (y mod 400 = 0);
end;

function DaysIn(m, y: integer): integer;
begin
  DaysIn := Months[m].Days;
  if (m = 2) and IsLeap(y) then
    DaysIn := 29;
end;

var
  m, y, total: integer;
begin
  for y := 1999 to 2001 do
  begin
    total := 0;
    for m := 1 to 12 do
      total := total + DaysIn(m, y);
    WriteLn(y, ': ', total, ' days, February has ', DaysIn(2, y));
  end;
  for m := 1 to 12 do
    Write(Months[m].Name, ' ');
  WriteLn;
end.
