program Temperature;
var
  c: integer;
  f: real;
begin
  WriteLn('Celsius':8, 'Fahrenheit':12);
  c := -20;
  while c <= 40 do
  begin
    f := c * 9 / 5 + 32;
    WriteLn(c:8, f:12:1);
    c := c + 10;
  end;
end.
