program BigFactorial;
{ Factorials too large for Int64, kept as arrays of decimal digits. }
const
  MaxDigits = 200;
type
  TBig = record
    Len: Integer;
    D: array[1..MaxDigits] of Byte;
  end;
var
  F: TBig;
  i, k: Integer;
  Small: Int64;

procedure SetOne(var B: TBig);
begin
  B.Len := 1;
  B.D[1] := 1;
end;

procedure MulSmall(var B: TBig; m: Integer);
var
  i, Carry, T: Integer;
begin
  Carry := 0;
  for i := 1 to B.Len do
  begin
    T := B.D[i] * m + Carry;
    B.D[i] := T mod 10;
    Carry := T div 10;
  end;
  while Carry > 0 do
  begin
    Inc(B.Len);
    B.D[B.Len] := Carry mod 10;
    Carry := Carry div 10;
  end;
end;

procedure PrintBig(const B: TBig);
var
  i: Integer;
begin
  for i := B.Len downto 1 do
    Write(B.D[i]);
end;

function DigitSum(const B: TBig): Integer;
var
  i, s: Integer;
begin
  s := 0;
  for i := 1 to B.Len do
    s := s + B.D[i];
  DigitSum := s;
end;

begin
  SetOne(F);
  Small := 1;
  for i := 1 to 30 do
  begin
    MulSmall(F, i);
    Small := Small * i;
    if (i mod 5 = 0) or (i > 19) and (i < 23) then
    begin
      Write(i:3, '! = ');
      PrintBig(F);
      WriteLn;
      WriteLn('     Int64: ', Small);
    end;
  end;
  SetOne(F);
  for i := 2 to 100 do
    MulSmall(F, i);
  WriteLn('100! has ', F.Len, ' digits, digit sum ', DigitSum(F));
  k := 0;
  i := 1;
  while F.D[i] = 0 do
  begin
    Inc(k);
    Inc(i);
  end;
  WriteLn('Trailing zeros: ', k);
end.
