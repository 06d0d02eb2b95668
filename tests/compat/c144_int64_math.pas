program Int64Math;
{ Int64 arithmetic: division, remainder, powers modulo m and digit reversal. }
var
  a, b, r: Int64;
  i: Integer;
  w: Word;
  c: Cardinal;

function PowMod(Base, Exp, M: Int64): Int64;
var
  Res: Int64;
begin
  Res := 1;
  Base := Base mod M;
  while Exp > 0 do
  begin
    if Exp mod 2 = 1 then
      Res := Res * Base mod M;
    Base := Base * Base mod M;
    Exp := Exp div 2;
  end;
  PowMod := Res;
end;

function ReverseDigits(n: Int64): Int64;
var
  r: Int64;
begin
  r := 0;
  while n > 0 do
  begin
    r := r * 10 + n mod 10;
    n := n div 10;
  end;
  ReverseDigits := r;
end;

function IsPrime(n: Int64): Boolean;
var
  d: Int64;
begin
  if n < 2 then Exit(False);
  d := 2;
  while d * d <= n do
  begin
    if n mod d = 0 then Exit(False);
    Inc(d);
  end;
  IsPrime := True;
end;

begin
  a := 123456789012;
  b := 987654;
  WriteLn(a div b, ' ', a mod b, ' ', -a div b, ' ', -a mod b);
  WriteLn(a * 10, ' ', a + b, ' ', a - b * 1000000, ' ', Abs(-a));
  WriteLn(PowMod(2, 62, 1000000007), ' ', PowMod(3, 200, 1000), ' ', PowMod(7, 0, 13));
  WriteLn(ReverseDigits(1234567890123), ' ', ReverseDigits(1000));
  r := 1;
  for i := 1 to 62 do
    r := r * 2;
  WriteLn('2^62 = ', r, ', /3 = ', r div 3, ', odd: ', Odd(r + 1));
  Write('Primes after 10^12:');
  a := 1000000000000;
  i := 0;
  while i < 3 do
  begin
    Inc(a);
    if IsPrime(a) then
    begin
      Write(' ', a);
      Inc(i);
    end;
  end;
  WriteLn;
  w := 60000;
  c := w * w;
  WriteLn('Word * Word into Cardinal: ', c);
  c := 4000000000;
  a := c + c;
  WriteLn('Cardinal + Cardinal into Int64: ', a);
  WriteLn(High(Int64) div 1000000007, ' ', Low(Int64) + 1);
end.
