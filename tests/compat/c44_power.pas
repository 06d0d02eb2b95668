program PowerRecursion;
uses Math;

function IntPow(base, exp: integer): int64;
begin
  if exp = 0 then
    IntPow := 1
  else if Odd(exp) then
    IntPow := base * IntPow(base, exp - 1)
  else
    IntPow := Sqr(IntPow(base, exp div 2));
end;

begin
  WriteLn(IntPow(2, 10));
  WriteLn(IntPow(3, 5));
  WriteLn(IntPow(2, 40));
  WriteLn(Power(2, 0.5):0:4);
end.
