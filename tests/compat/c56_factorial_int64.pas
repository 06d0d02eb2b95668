program BigFactorial;
var
  f: int64;
  i: integer;
begin
  f := 1;
  for i := 1 to 20 do
  begin
    f := f * i;
    if i mod 5 = 0 then WriteLn(i:2, '! = ', f);
  end;
end.
