program OddSqr;
var
  i, evens, squares: integer;
begin
  evens := 0;
  squares := 0;
  for i := 1 to 20 do
  begin
    if not Odd(i) then Inc(evens);
    squares := squares + Sqr(i);
  end;
  WriteLn(evens, ' ', squares);
  WriteLn(Odd(7), ' ', Odd(8));
  WriteLn(Sqr(2.5):0:2, ' ', Sqrt(16):0:1);
  WriteLn(Abs(-7), ' ', Abs(-2.5):0:1);
end.
