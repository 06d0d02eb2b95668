program Armstrong;
var
  n, a, b, c: integer;
begin
  for n := 100 to 999 do
  begin
    a := n div 100;
    b := n div 10 mod 10;
    c := n mod 10;
    if a * a * a + b * b * b + c * c * c = n then Write(n, ' ');
  end;
  WriteLn;
end.
