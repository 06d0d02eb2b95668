program Int64Powers;
{ Int64 arithmetic: powers of two and three, factorials, and where Integer would overflow. }
var
  p: int64;
  f: int64;
  i: integer;
begin
  p := 1;
  for i := 1 to 62 do
  begin
    p := p * 2;
    if i mod 10 = 0 then
      WriteLn('2^', i, ' = ', p);
  end;
  f := 1;
  for i := 1 to 20 do
    f := f * i;
  WriteLn('20! = ', f);
  WriteLn('High(Int64) = ', High(Int64));
  p := 1;
  i := 0;
  while p < 1000000000000 do
  begin
    p := p * 3;
    Inc(i);
  end;
  WriteLn('3^', i, ' = ', p, ' is the first power of 3 over 10^12');
end.
