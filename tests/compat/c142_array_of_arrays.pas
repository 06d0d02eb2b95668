program ArrayOfArrays;
{ A jagged triangle of numbers as a dynamic array of dynamic arrays, and a static grid. }
type
  TRow = array of Integer;
var
  Tri: array of TRow;
  Grid: array[1..4] of array[1..5] of Char;
  i, j, n: Integer;
  Best: array of Integer;
begin
  n := 6;
  SetLength(Tri, n);
  for i := 0 to n - 1 do
  begin
    SetLength(Tri[i], i + 1);
    for j := 0 to i do
      Tri[i][j] := (i * 7 + j * 3) mod 10;
  end;
  for i := 0 to High(Tri) do
  begin
    Write('':(n - i) * 2);
    for j := 0 to High(Tri[i]) do
      Write(Tri[i, j]:4);
    WriteLn;
  end;
  { best path sum from the top to the bottom }
  SetLength(Best, n);
  for j := 0 to n - 1 do
    Best[j] := Tri[n - 1][j];
  for i := n - 2 downto 0 do
    for j := 0 to i do
      if Best[j] > Best[j + 1] then
        Best[j] := Tri[i][j] + Best[j]
      else
        Best[j] := Tri[i][j] + Best[j + 1];
  WriteLn('Best path sum: ', Best[0]);
  WriteLn('Rows: ', Length(Tri), ', last row: ', Length(Tri[n - 1]));
  for i := 1 to 4 do
    for j := 1 to 5 do
      if (i + j) mod 3 = 0 then Grid[i][j] := '#' else Grid[i, j] := '.';
  for i := 1 to 4 do
  begin
    for j := 1 to 5 do
      Write(Grid[i, j]);
    WriteLn;
  end;
end.
