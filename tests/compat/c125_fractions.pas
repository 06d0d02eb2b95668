program Fractions;
{ Fraction arithmetic with records returned by functions and GCD by recursion. }
type
  TFraction = record
    Num, Den: LongInt;
  end;

function Gcd(a, b: LongInt): LongInt;
begin
  if b = 0 then
    Gcd := Abs(a)
  else
    Gcd := Gcd(b, a mod b);
end;

function Lcm(a, b: LongInt): LongInt;
begin
  Lcm := a div Gcd(a, b) * b;
end;

function Make(n, d: LongInt): TFraction;
var
  g: LongInt;
begin
  if d < 0 then
  begin
    n := -n;
    d := -d;
  end;
  g := Gcd(n, d);
  if g = 0 then g := 1;
  Make.Num := n div g;
  Make.Den := d div g;
end;

function Add(const a, b: TFraction): TFraction;
begin
  Add := Make(a.Num * b.Den + b.Num * a.Den, a.Den * b.Den);
end;

function Mul(const a, b: TFraction): TFraction;
begin
  Result := Make(a.Num * b.Num, a.Den * b.Den);
end;

function Text(const f: TFraction): string;
var
  s, t: string;
begin
  Str(f.Num, s);
  if f.Den = 1 then
    Exit(s);
  Str(f.Den, t);
  Text := s + '/' + t;
end;

var
  Sum, Prod, h: TFraction;
  i: Integer;
begin
  Sum := Make(0, 1);
  Prod := Make(1, 1);
  for i := 1 to 10 do
  begin
    h := Make(1, i);
    Sum := Add(Sum, h);
    Prod := Mul(Prod, Make(i, i + 1));
    WriteLn('H(', i:2, ') = ', Text(Sum):12, '   product = ', Text(Prod):6, Sum.Num / Sum.Den:10:5);
  end;
  WriteLn(Text(Make(6, -8)), ' ', Text(Make(0, 5)), ' ', Text(Add(Make(1, 2), Make(1, 2))));
  WriteLn('gcd(1071, 462) = ', Gcd(1071, 462), ', lcm(4, 6) = ', Lcm(4, 6), ', lcm 1..20 = ', Lcm(Lcm(Lcm(16, 9), Lcm(5, 7)), Lcm(Lcm(11, 13), Lcm(17, 19))));
end.
