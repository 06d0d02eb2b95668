program LargeFixed;
{ Large amounts written with a fixed number of decimals: the grains on a chessboard. }
var
  grains, square: double;
  i: integer;
  big: extended;
begin
  grains := 1;
  square := 1;
  for i := 2 to 64 do
  begin
    square := square * 2;
    grains := grains + square;
    if i mod 8 = 0 then
      WriteLn(i:2, square:26:0, grains:26:2);
  end;
  WriteLn('All grains: ', grains:0:0);
  WriteLn(1e20:0:2);
  WriteLn(-1e20:0:2);
  WriteLn(1e15:0:1, ' ', 1.5e16:0:1, ' ', 123456789012345678.0:0:0);
  big := 1e25;
  WriteLn(big:0:2, ' ', big:32:3);
  big := 1 / 3;
  WriteLn(big * 1e18:0:2);
  WriteLn('Light year in metres: ', 299792458.0 * 3600 * 24 * 365.25:0:0);
end.
