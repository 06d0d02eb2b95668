{ Typed constant tables, initialised variables and constant expressions as bounds. }
unit U;
const
  N = 3;
  Squares: array[1..N] of integer = (1, 4, 9);
  Names: array[0..N - 1] of string = ('a', 'b', 'c');
  Grid: array[1..2, 1..N] of integer = ((1, 2, 3), (4, 5, 6));
var
  Total: integer = 100;
function main: string;
var i: integer;
begin
  for i := 1 to N do
    Total := Total + Squares[i] * Grid[2, i];
  Result := Names[N - 1] + IntToStr(Total) + Names[0];
end;
end.
// expect: String: c178a
