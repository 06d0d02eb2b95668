program DoubleOutput;
var
  x: real;
  d: double;
begin
  x := 3.14159;
  d := 1 / 3;
  WriteLn(x);
  WriteLn(d);
  WriteLn(x:12);
  WriteLn(-d:15);
  WriteLn(7 / 2);
end.
