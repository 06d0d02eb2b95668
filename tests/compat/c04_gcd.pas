program GreatestCommonDivisor;

function Gcd(a, b: integer): integer;
begin
  while b <> 0 do
  begin
    Gcd := b;
    b := a mod b;
    a := Gcd;
  end;
  Gcd := a;
end;

function Lcm(a, b: integer): integer;
begin
  Lcm := a div Gcd(a, b) * b;
end;

begin
  WriteLn('gcd(48, 18) = ', Gcd(48, 18));
  WriteLn('gcd(17, 5) = ', Gcd(17, 5));
  WriteLn('lcm(4, 6) = ', Lcm(4, 6));
end.
