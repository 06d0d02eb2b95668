program Transpose;
type
  TGrid = array[1..3, 1..4] of integer;
var
  g: TGrid;
  t: array[1..4, 1..3] of integer;
  i, j: integer;
begin
  for i := 1 to 3 do
    for j := 1 to 4 do
      g[i, j] := i * 10 + j;
  for i := 1 to 3 do
    for j := 1 to 4 do
      t[j, i] := g[i, j];
  for i := 1 to 4 do
  begin
    for j := 1 to 3 do Write(t[i, j]:4);
    WriteLn;
  end;
end.
