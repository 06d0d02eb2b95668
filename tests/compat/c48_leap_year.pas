program LeapYears;

function IsLeap(y: integer): boolean;
begin
  IsLeap := (y mod 4 = 0) and (y mod 100 <> 0) or (y mod 400 = 0);
end;

function DaysInMonth(m, y: integer): integer;
begin
  case m of
    1, 3, 5, 7, 8, 10, 12: DaysInMonth := 31;
    4, 6, 9, 11: DaysInMonth := 30;
    2: if IsLeap(y) then DaysInMonth := 29 else DaysInMonth := 28;
  else
    DaysInMonth := 0;
  end;
end;

var
  y, m, total: integer;
begin
  for y := 1896 to 1905 do
    if IsLeap(y) then Write(y, ' ');
  WriteLn;
  WriteLn(IsLeap(2000), ' ', IsLeap(1900));
  total := 0;
  for m := 1 to 12 do total := total + DaysInMonth(m, 2024);
  WriteLn('days in 2024: ', total);
end.
