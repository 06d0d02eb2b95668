program RepeatSum;
var
  n, s: integer;
begin
  n := 0; s := 0;
  repeat
    Inc(n);
    s := s + n;
  until s > 100;
  WriteLn(n, ' ', s);
end.
