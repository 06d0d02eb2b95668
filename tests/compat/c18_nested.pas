program NestedRoutines;

procedure PrintTable(n: integer);
var
  row: integer;

  procedure PrintRow;
  var
    col: integer;
  begin
    for col := 1 to n do
      Write(row * col:4);
    WriteLn;
  end;

begin
  for row := 1 to n do
    PrintRow;
end;

function SumOfSquares(n: integer): integer;
var
  total: integer;

  procedure Add(x: integer);
  begin
    total := total + x * x;
  end;

var
  i: integer;
begin
  total := 0;
  for i := 1 to n do Add(i);
  SumOfSquares := total;
end;

begin
  PrintTable(4);
  WriteLn(SumOfSquares(10));
end.
