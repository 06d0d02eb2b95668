program PerfectNumbers;
var
  n, d, s: integer;
begin
  for n := 2 to 10000 do
  begin
    s := 1;
    for d := 2 to n div 2 do
      if n mod d = 0 then s := s + d;
    if s = n then WriteLn(n, ' is perfect');
  end;
end.
