program CircleTable;
{ Areas and circumferences of circles, and the mean of the areas. }
const
  Count = 5;
var
  radius, area, sum: real;
  i: integer;
  ratio: extended;
begin
  sum := 0;
  WriteLn('Radius':8, 'Area':12, 'Length':12);
  for i := 1 to Count do
  begin
    radius := i * 0.5;
    area := Pi * Sqr(radius);
    sum := sum + area;
    WriteLn(radius:8:2, area:12:4, 2 * Pi * radius:12:4);
  end;
  WriteLn('Mean area: ', sum / Count:0:3);
  WriteLn('Last area: ', area);
  ratio := area / sum;
  WriteLn('Share of the last: ', ratio);
  WriteLn('Pi * 2 = ', Pi * 2);
  WriteLn('Sqrt(10) = ', Sqrt(10):0:6);
end.
