program Countdown;
var
  i: integer;
begin
  for i := 10 downto 1 do Write(i, ' ');
  WriteLn('Go!');
end.
