program GaussElimination;
{ Solves a linear system by Gaussian elimination with partial pivoting. }
const
  N = 3;
type
  TMatrix = array[1..N, 1..N + 1] of Real;
  TVector = array[1..N] of Real;
var
  A: TMatrix;
  X: TVector;
  i, j: Integer;

procedure Show(const M: TMatrix);
var
  r, c: Integer;
begin
  for r := 1 to N do
  begin
    for c := 1 to N do
      Write(M[r, c]:9:3);
    WriteLn(' |', M[r, N + 1]:9:3);
  end;
  WriteLn;
end;

procedure Solve(var M: TMatrix; var Sol: TVector);
var
  k, r, c, Best: Integer;
  Factor, T: Real;
begin
  for k := 1 to N do
  begin
    Best := k;
    for r := k + 1 to N do
      if Abs(M[r, k]) > Abs(M[Best, k]) then
        Best := r;
    if Best <> k then
      for c := 1 to N + 1 do
      begin
        T := M[k, c];
        M[k, c] := M[Best, c];
        M[Best, c] := T;
      end;
    for r := k + 1 to N do
    begin
      Factor := M[r, k] / M[k, k];
      for c := k to N + 1 do
        M[r, c] := M[r, c] - Factor * M[k, c];
    end;
  end;
  for r := N downto 1 do
  begin
    T := M[r, N + 1];
    for c := r + 1 to N do
      T := T - M[r, c] * Sol[c];
    Sol[r] := T / M[r, r];
  end;
end;

begin
  A[1, 1] := 2; A[1, 2] := 1; A[1, 3] := -1; A[1, 4] := 8;
  A[2, 1] := -3; A[2, 2] := -1; A[2, 3] := 2; A[2, 4] := -11;
  A[3, 1] := -2; A[3, 2] := 1; A[3, 3] := 2; A[3, 4] := -3;
  Show(A);
  Solve(A, X);
  Show(A);
  for i := 1 to N do
    WriteLn('x', i, ' = ', X[i]:8:4, '   ', X[i]);
  j := Round(X[1] + X[2] + X[3]);
  WriteLn('Sum rounded: ', j);
end.
