program Greet;
var
  name: string;
  n: integer;
begin
  ReadLn(name);
  ReadLn(n);
  WriteLn('Hi ', name, ', next is ', n + 1);
end.
