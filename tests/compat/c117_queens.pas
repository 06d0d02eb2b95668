program EightQueens;
{ Backtracking: all placements of N queens, with the first one drawn. }
const
  N = 8;
var
  Col: array[1..N] of Integer;
  ColUsed: array[1..N] of Boolean;
  Diag1: array[2..2 * N] of Boolean;
  Diag2: array[1 - N..N - 1] of Boolean;
  Solutions: Integer;

procedure Draw;
var
  r, c: Integer;
begin
  for r := 1 to N do
  begin
    for c := 1 to N do
      if Col[r] = c then Write(' Q') else Write(' .');
    WriteLn;
  end;
end;

procedure Place(Row: Integer);
var
  c: Integer;
begin
  for c := 1 to N do
    if not ColUsed[c] and not Diag1[Row + c] and not Diag2[Row - c] then
    begin
      Col[Row] := c;
      ColUsed[c] := True;
      Diag1[Row + c] := True;
      Diag2[Row - c] := True;
      if Row = N then
      begin
        Inc(Solutions);
        if Solutions = 1 then
          Draw;
      end
      else
        Place(Row + 1);
      ColUsed[c] := False;
      Diag1[Row + c] := False;
      Diag2[Row - c] := False;
    end;
end;

var
  i: Integer;
begin
  for i := 1 to N do ColUsed[i] := False;
  for i := 2 to 2 * N do Diag1[i] := False;
  for i := 1 - N to N - 1 do Diag2[i] := False;
  Solutions := 0;
  Place(1);
  WriteLn('Solutions for ', N, ' queens: ', Solutions);
end.
