program Digits;

function DigitSum(n: longint): integer;
begin
  DigitSum := 0;
  while n > 0 do
  begin
    DigitSum := DigitSum + n mod 10;
    n := n div 10;
  end;
end;

function ReverseNumber(n: longint): longint;
var
  r: longint;
begin
  r := 0;
  while n > 0 do
  begin
    r := r * 10 + n mod 10;
    n := n div 10;
  end;
  ReverseNumber := r;
end;

begin
  WriteLn(DigitSum(12345), ' ', DigitSum(999));
  WriteLn(ReverseNumber(12345), ' ', ReverseNumber(1200));
end.
