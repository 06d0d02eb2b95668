program ChessBoard;
var
  row, col: integer;
begin
  for row := 1 to 8 do
  begin
    for col := 1 to 8 do
      if (row + col) mod 2 = 0 then Write('#') else Write('.');
    WriteLn;
  end;
end.
