program DivisionAndRounding;
{ Integer division of negative numbers, and Trunc, Round, Int, Frac of halves. }
const
  Reals: array[1..12] of Real = (2.5, 3.5, -2.5, -3.5, 0.5, -0.5, 1.49999, 2.51, -7.8, 7.2, 0.0, 1e10 + 0.5);
var
  a, b, i: Integer;
  x: Real;
begin
  WriteLn('  a   b  div  mod');
  for a := -7 to 7 do
    if a mod 3 = 1 then
      for b := -3 to 3 do
        if b <> 0 then
          if Odd(b) then
            WriteLn(a:3, b:4, a div b:5, a mod b:5);
  WriteLn('x':12, 'Trunc':8, 'Round':8, 'Int':8, 'Frac':10);
  for i := Low(Reals) to High(Reals) do
  begin
    x := Reals[i];
    WriteLn(x:12:5, Trunc(x):8, Round(x):8, Int(x):8:1, Frac(x):10:5);
  end;
  WriteLn(Round(0.5), Round(1.5), Round(2.5), Round(-1.5), Round(-0.5));
  WriteLn(Trunc(-0.9), ' ', Trunc(0.9), ' ', Round(-0.51), ' ', Round(0.49999999));
  WriteLn(-7 div 2, ' ', -7 mod 2, ' ', 7 div -2, ' ', 7 mod -2, ' ', -7 div -2, ' ', -7 mod -2);
  WriteLn(17 / 4:0:2, ' ', 17 div 4, ' ', 17 mod 4, ' ', -17 / 4:0:2);
  WriteLn(Abs(-7), ' ', Abs(-7.5):0:1, ' ', Sqr(-3), ' ', Sqr(1.5):0:2);
end.
