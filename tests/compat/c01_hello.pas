program Hello;
begin
  WriteLn('Hello, world!');
  WriteLn('Sum of 2 and 3 is ', 2 + 3);
end.
