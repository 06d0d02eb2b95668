program TypedRecordConst;
type
  TPoint = record
    X, Y: integer;
  end;
const
  Origin: TPoint = (X: 0; Y: 0);
  Corner: TPoint = (X: 10; Y: 5);
  Grid: array[1..2, 1..3] of integer = ((1, 2, 3), (4, 5, 6));
var
  i, j: integer;
begin
  WriteLn(Origin.X, ',', Origin.Y, ' ', Corner.X, ',', Corner.Y);
  for i := 1 to 2 do
  begin
    for j := 1 to 3 do Write(Grid[i, j]);
    WriteLn;
  end;
end.
