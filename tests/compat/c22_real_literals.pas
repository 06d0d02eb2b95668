program RealLiterals;
var
  eps, big, x: real;
  n: integer;
begin
  eps := 1.0e-6;
  big := 10e9;
  WriteLn(eps:0:8);
  WriteLn(big:0:0);
  x := 2.5E2 + 1.5e+1;
  WriteLn(x:0:1);
  n := 0;
  x := 1.0;
  while x > eps do
  begin
    x := x / 10;
    n := n + 1;
  end;
  WriteLn('steps: ', n);
end.
