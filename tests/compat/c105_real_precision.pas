program RealPrecision;
var
  r: real;
  e: extended;
  s: single;
  i: integer;
begin
  WriteLn(3.14, ' ', 0.5, ' ', 1.0e-6);
  WriteLn(Pi, ' ', Sqrt(2), ' ', Sin(1));
  r := 2; s := 2.5; e := 2; i := 3;
  WriteLn(1 / 3, ' ', r / 3, ' ', e / 3);
  WriteLn(s * i, ' ', i / s, ' ', s + r, ' ', r * 0.1);
  WriteLn(Sqrt(r), ' ', Sqrt(s), ' ', Sqrt(e), ' ', -s);
  WriteLn(e:25, '|', e:8, '|', s:12, '|', r:12);
  WriteLn(1 / 3:0:18, ' ', Pi:0:18, ' ', 1e20:0:2);
  WriteLn(1.005:0:2, ' ', s:0:10, ' ', -0.001:0:2, ' ', 10 / 3:0:15);
  r := 0;
  for i := 1 to 10 do r := r + 0.1;
  WriteLn(r:0:20, ' ', r = 1, ' ', e > 1.5);
end.
