program CompoundInterest;
var
  balance, rate: real;
  year: integer;
begin
  balance := 1000.0;
  rate := 0.05;
  WriteLn('Year':5, 'Balance':12);
  for year := 1 to 10 do
  begin
    balance := balance * (1 + rate);
    WriteLn(year:5, balance:12:2);
  end;
end.
