program RealForms;
{ Reals written in their default form and with widths and decimals. }
var
  x: Real;
  d: Double;
  s: Single;
  e: Extended;
  i: Integer;
begin
  x := 0;
  WriteLn(x);
  WriteLn(-x);
  x := 1;
  WriteLn(x);
  WriteLn(-1.5);
  WriteLn(123.456);
  WriteLn(1e-300);
  WriteLn(1.7e308);
  x := 1 / 3;
  WriteLn(x);
  WriteLn(x:10);
  WriteLn(x:1);
  WriteLn(x:25);
  WriteLn(-x:15);
  WriteLn(x:0:0, ' ', x:0:3, ' ', x:8:3, ' ', x:-8:3, '|');
  x := 2 / 3;
  for i := 0 to 8 do
    Write(x:0:i, ' ');
  WriteLn;
  d := 12345.6789;
  s := 12345.6789;
  e := 12345.6789;
  WriteLn(d);
  WriteLn(s);
  WriteLn(e);
  WriteLn(d:12:3, s:12:3, e:12:3);
  WriteLn(d:15, '|', s:15, '|', e:15, '|');
  x := 1;
  for i := 1 to 8 do
  begin
    x := x * 1000;
    WriteLn(x:30:2, '  ', x);
  end;
  x := 1;
  for i := 1 to 6 do
  begin
    x := x / 1000;
    WriteLn(x:20:10, '  ', x);
  end;
  WriteLn(1e15:0:1);
  WriteLn(-0.000001:0:3);
  WriteLn(99.995:0:2, ' ', 99.994:0:2, ' ', 0.05:0:1);
end.
