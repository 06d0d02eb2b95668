program MatrixOps;
{ Square matrices: product, power by repeated squaring, transpose check, and identity. }
const
  N = 3;
type
  TMat = array[1..N, 1..N] of Int64;
var
  A, B, P: TMat;
  i, j: Integer;

procedure Mul(const X, Y: TMat; var Z: TMat);
var
  i, j, k: Integer;
  s: Int64;
begin
  for i := 1 to N do
    for j := 1 to N do
    begin
      s := 0;
      for k := 1 to N do
        s := s + X[i, k] * Y[k, j];
      Z[i, j] := s;
    end;
end;

procedure Identity(var X: TMat);
var
  i, j: Integer;
begin
  for i := 1 to N do
    for j := 1 to N do
      if i = j then X[i, j] := 1 else X[i, j] := 0;
end;

procedure Power(const X: TMat; e: Integer; var R: TMat);
var
  Base, T: TMat;
begin
  Identity(R);
  Base := X;
  while e > 0 do
  begin
    if Odd(e) then
    begin
      Mul(R, Base, T);
      R := T;
    end;
    Mul(Base, Base, T);
    Base := T;
    e := e shr 1;
  end;
end;

procedure Print(const Title: string; const X: TMat);
var
  i, j: Integer;
begin
  WriteLn(Title);
  for i := 1 to N do
  begin
    for j := 1 to N do
      Write(X[i][j]:12);
    WriteLn;
  end;
end;

function Symmetric(const X: TMat): Boolean;
var
  i, j: Integer;
begin
  for i := 1 to N do
    for j := i + 1 to N do
      if X[i, j] <> X[j, i] then
        Exit(False);
  Result := True;
end;

begin
  for i := 1 to N do
    for j := 1 to N do
    begin
      A[i, j] := i + j - 1;
      B[i, j] := (i * j) mod 3;
    end;
  Print('A', A);
  Print('B', B);
  Mul(A, B, P);
  Print('A*B', P);
  WriteLn('A symmetric: ', Symmetric(A), ', A*B symmetric: ', Symmetric(P));
  A[1, 1] := 1; A[1, 2] := 1; A[1, 3] := 0;
  A[2, 1] := 1; A[2, 2] := 0; A[2, 3] := 0;
  A[3, 1] := 0; A[3, 2] := 0; A[3, 3] := 1;
  Power(A, 50, P);
  Print('Fibonacci matrix ^ 50', P);
  Power(A, 90, P);
  WriteLn('F(90) = ', P[1, 2]);
end.
