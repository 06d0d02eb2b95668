program FibInt64;
var
  a, b, t: int64;
  i: integer;
begin
  a := 0; b := 1;
  for i := 1 to 90 do
  begin
    t := a + b; a := b; b := t;
  end;
  WriteLn('fib(90) = ', a);
end.
