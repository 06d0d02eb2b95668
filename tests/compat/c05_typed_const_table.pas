program TypedConstTable;
const
  Days: array[1..7] of string = ('Monday', 'Tuesday', 'Wednesday', 'Thursday',
    'Friday', 'Saturday', 'Sunday');
  Hours: array[1..7] of integer = (8, 8, 8, 8, 6, 0, 0);
var
  i, total: integer;
begin
  total := 0;
  for i := 1 to 7 do
  begin
    WriteLn(Days[i]:10, Hours[i]:4);
    total := total + Hours[i];
  end;
  WriteLn('Total hours: ', total);
end.
