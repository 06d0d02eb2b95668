program Quadratic;

procedure Solve(a, b, c: real);
var
  d, x1, x2: real;
begin
  d := b * b - 4 * a * c;
  if d < 0 then
    WriteLn('no real roots')
  else if d = 0 then
    WriteLn('x = ', -b / (2 * a):0:3)
  else
  begin
    x1 := (-b + Sqrt(d)) / (2 * a);
    x2 := (-b - Sqrt(d)) / (2 * a);
    WriteLn('x1 = ', x1:0:3, ', x2 = ', x2:0:3);
  end;
end;

begin
  Solve(1, -3, 2);
  Solve(1, 2, 1);
  Solve(1, 0, 1);
  Solve(2, 5, -3);
end.
