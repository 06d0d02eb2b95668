program FracInt;
var
  x: real;
begin
  x := 12.75;
  WriteLn(Int(x):0:2, ' ', Frac(x):0:2);
  WriteLn(Trunc(x), ' ', Round(x));
  WriteLn(Trunc(-3.7), ' ', Round(-3.7));
  WriteLn(Round(2.5), ' ', Round(3.5));
  WriteLn(Pi:0:6);
  WriteLn(Pi * 2:10:4);
end.
