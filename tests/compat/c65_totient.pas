program Totient;

function Gcd(a, b: integer): integer;
begin
  if b = 0 then Gcd := a else Gcd := Gcd(b, a mod b);
end;

function Phi(n: integer): integer;
var
  k: integer;
begin
  Phi := 0;
  for k := 1 to n do
    if Gcd(n, k) = 1 then Phi := Phi + 1;
end;

var
  n: integer;
begin
  for n := 1 to 12 do Write(Phi(n), ' ');
  WriteLn;
end.
