program Forever;
var
  i: integer;
begin
  i := 0;
  while True do
    i := 1 - i;
end.
