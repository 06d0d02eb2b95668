program Matrix;
const
  N = 3;
type
  TMatrix = array[1..N, 1..N] of integer;
var
  a, b: TMatrix;
  c: array[1..N] of array[1..N] of integer;
  i, j, k: integer;
begin
  for i := 1 to N do
    for j := 1 to N do
    begin
      a[i, j] := i + j;
      b[i][j] := i * j;
    end;
  for i := 1 to N do
    for j := 1 to N do
    begin
      c[i][j] := 0;
      for k := 1 to N do
        c[i][j] := c[i][j] + a[i, k] * b[k, j];
    end;
  for i := 1 to N do
  begin
    for j := 1 to N do
      Write(c[i][j]:5);
    WriteLn;
  end;
end.
