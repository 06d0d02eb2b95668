program GcdLcmTable;
{ Euclid's algorithm as a recursive function through its name; a table of gcd and lcm. }
function Gcd(a, b: integer): integer;
begin
  if b = 0 then
    Gcd := a
  else
    Gcd := Gcd(b, a mod b);
end;

function Lcm(a, b: integer): integer;
begin
  Lcm := a div Gcd(a, b) * b;
end;

const
  Pairs: array[1..5, 1..2] of integer = ((12, 18), (7, 13), (100, 75), (21, 6), (48, 180));
var
  i: integer;
begin
  WriteLn('a':5, 'b':5, 'gcd':6, 'lcm':7);
  for i := 1 to 5 do
    WriteLn(Pairs[i, 1]:5, Pairs[i, 2]:5, Gcd(Pairs[i, 1], Pairs[i, 2]):6, Lcm(Pairs[i, 1], Pairs[i, 2]):7);
end.
