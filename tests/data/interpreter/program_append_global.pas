program P;
var s: string; i: integer;
begin
  s := '';
  for i := 1 to 3 do
    s := s + IntToStr(i);
  if s <> '123' then
    s := missing;
end.
// expect: Empty: 
