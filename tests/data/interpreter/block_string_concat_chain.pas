var s: string; i: integer;
begin
  s := '';
  for i := 1 to 5 do s := s + IntToStr(i) + ',';
  Result := s;
end;
// expect: String: 1,2,3,4,5,
