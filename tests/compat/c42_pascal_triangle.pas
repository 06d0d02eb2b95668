program PascalTriangle;
const
  Rows = 8;
var
  row: array[0..Rows] of longint;
  i, j: integer;
begin
  for i := 0 to Rows do row[i] := 0;
  row[0] := 1;
  for i := 0 to Rows - 1 do
  begin
    for j := i downto 1 do
      row[j] := row[j] + row[j - 1];
    for j := 0 to i do Write(row[j]:4);
    WriteLn;
  end;
end.
