program MatrixMultiply;
{ Product of two matrices, the identity check and the trace. }
const
  N = 3;
type
  TMatrix = array[1..N, 1..N] of integer;
var
  a, b, c: TMatrix;
  i, j, k, trace: integer;

procedure Show(const m: TMatrix);
var r, s: integer;
begin
  for r := 1 to N do
  begin
    for s := 1 to N do
      Write(m[r, s]:5);
    WriteLn;
  end;
end;

begin
  for i := 1 to N do
    for j := 1 to N do
    begin
      a[i, j] := i + j;
      if i = j then b[i, j] := 2 else b[i, j] := 0;
    end;
  for i := 1 to N do
    for j := 1 to N do
    begin
      c[i, j] := 0;
      for k := 1 to N do
        c[i, j] := c[i, j] + a[i, k] * b[k, j];
    end;
  Show(c);
  trace := 0;
  for i := 1 to N do
    trace := trace + c[i][i];
  WriteLn('Trace: ', trace);
end.
