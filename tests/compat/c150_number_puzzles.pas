program NumberPuzzles;
{ Happy numbers, Kaprekar's routine, amicable pairs and automorphic numbers. }

function SquareDigitSum(n: Integer): Integer;
var
  s: Integer;
begin
  s := 0;
  while n > 0 do
  begin
    s := s + Sqr(n mod 10);
    n := n div 10;
  end;
  SquareDigitSum := s;
end;

function IsHappy(n: Integer): Boolean;
var
  Seen: set of Byte;
begin
  Seen := [];
  while (n <> 1) and not (n in Seen) do
  begin
    Include(Seen, n);
    n := SquareDigitSum(n);
  end;
  IsHappy := n = 1;
end;

procedure SortDigits(n: Integer; var Asc, Desc: Integer);
var
  d: array[0..3] of Integer;
  i, j, t: Integer;
begin
  for i := 0 to 3 do
  begin
    d[i] := n mod 10;
    n := n div 10;
  end;
  for i := 0 to 2 do
    for j := 0 to 2 - i do
      if d[j] > d[j + 1] then
      begin
        t := d[j];
        d[j] := d[j + 1];
        d[j + 1] := t;
      end;
  Asc := 0;
  Desc := 0;
  for i := 0 to 3 do
  begin
    Asc := Asc * 10 + d[i];
    Desc := Desc * 10 + d[3 - i];
  end;
end;

function DivisorSum(n: Integer): Integer;
var
  d, s: Integer;
begin
  s := 1;
  d := 2;
  while d * d <= n do
  begin
    if n mod d = 0 then
    begin
      s := s + d;
      if d <> n div d then s := s + n div d;
    end;
    Inc(d);
  end;
  DivisorSum := s;
end;

var
  i, n, a, b, Steps, m: Integer;
  p: LongInt;
begin
  Write('Happy numbers up to 50:');
  for i := 1 to 50 do
    if IsHappy(i) then Write(' ', i);
  WriteLn;
  n := 3524;
  Steps := 0;
  repeat
    SortDigits(n, a, b);
    WriteLn(b:4, ' - ', a:4, ' = ', b - a:4);
    n := b - a;
    Inc(Steps);
  until (n = 6174) or (Steps > 7);
  WriteLn('Steps: ', Steps);
  Write('Amicable pairs below 3000:');
  for i := 2 to 3000 do
  begin
    m := DivisorSum(i);
    if (m > i) and (m < 3000) and (DivisorSum(m) = i) then
      Write(' (', i, ', ', m, ')');
  end;
  WriteLn;
  Write('Automorphic:');
  for p := 1 to 10000 do
    if (p * p) mod 10000 = p mod 10000 then
      if ((p < 10) and ((p * p) mod 10 = p)) or ((p >= 10) and (p < 100) and ((p * p) mod 100 = p)) or
         ((p >= 100) and (p < 1000) and ((p * p) mod 1000 = p)) or (p >= 1000) then
        Write(' ', p);
  WriteLn;
end.
