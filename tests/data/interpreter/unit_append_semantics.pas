unit U;
function main: string;
var s, t, u: string; n: integer;
begin
  s := 'a';
  t := s;
  s := s + 'b';
  s := s + s;
  s := s + 'c' + 'd';
  n := 1;
  n := n + 1;
  t := t + '1';
  u := '1';
  u := u + n;
  Result := s + '|' + t + '|' + u;
end;
end.
// expect: String: ababcd|a1|3
