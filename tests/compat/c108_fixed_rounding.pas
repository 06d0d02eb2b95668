program FixedRounding;
{ A price list rounded to cents, and values that lie on a half. }
const
  Count = 8;
  Prices: array[1..Count] of double = (2.675, 1.005, 1.015, 0.125, 0.375, 19.995, 4.445, 1234.565);
var
  i, d: integer;
  x: double;
  s: single;
  e: extended;
  total: double;
begin
  total := 0;
  for i := 1 to Count do
  begin
    WriteLn(i:2, Prices[i]:10:2, Prices[i]:10:1, Prices[i]:8:0, Prices[i]:12:4);
    total := total + Prices[i];
  end;
  WriteLn('Total: ', total:0:2);
  x := 0.5;
  for d := 0 to 3 do
  begin
    Write(x:0:d, ' ', -x:0:d, ' ', (x + 1):0:d, ' ', (x + 2):0:d, ' | ');
    x := x / 10 * 5;
    WriteLn;
  end;
  s := 2.675;
  e := 2.675;
  WriteLn('Single: ', s:0:1, ' ', s:0:3, ' ', s:0:7);
  WriteLn('Extended: ', e:0:2, ' ', e:0:3, ' ', e:0:19);
  WriteLn('Literals: ', 2.675:0:2, ' ', 0.125:0:2, ' ', 1.5:0:0, ' ', 2.5:0:0, ' ', -2.5:0:0, ' ', 0.45:0:1);
  WriteLn('Small: ', 0.0004:0:3, ' ', -0.0004:0:3, ' ', 0.0015:0:3, ' ', 1e-30:0:2);
  for i := 1 to 6 do
  begin
    x := i / 7;
    e := i / 7.0;
    WriteLn(x:0:i, '  ', e:0:i + 10, '  ', x * 100:8:3);
  end;
end.
