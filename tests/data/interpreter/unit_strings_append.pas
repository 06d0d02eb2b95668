unit U;
function main: integer;
var s: string; i: integer;
begin
  s := '';
  for i := 1 to 1000 do
    s := s + IntToStr(i);
  s := s + '!' + 'x';
  Result := StrLen(s);
end;
end.
// expect: Integer: 2895
