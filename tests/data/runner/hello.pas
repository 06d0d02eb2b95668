program Hello(input, output);
var
  i: integer;
begin
  WriteLn('Hello, world');
  for i := 1 to 3 do
    Write(i, ' ');
  WriteLn;
  WriteLn(3.5:6:2, '|', True, '|', 42:5, '|', 2.5);
  WriteLn('Привет');
end.
