program Series;
var
  i: integer;
  s, term: real;
begin
  s := 0;
  for i := 1 to 1000 do s := s + 1 / (i * i);
  WriteLn('sum 1/n^2 = ', s:0:6);
  WriteLn('pi^2/6    = ', Pi * Pi / 6:0:6);
  s := 1;
  term := 1;
  for i := 1 to 15 do
  begin
    term := term / i;
    s := s + term;
  end;
  WriteLn('e = ', s:0:10);
end.
