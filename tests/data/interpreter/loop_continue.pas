var i, s: integer;
begin
  s := 0;
  for i := 1 to 10 do
  begin
    if i mod 2 = 0 then continue;
    s := s + i;
  end;
  Result := s;
end;
// expect: Integer: 25
