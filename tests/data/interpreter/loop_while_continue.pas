var i, s: integer;
begin
  i := 0; s := 0;
  while i < 10 do
  begin
    i := i + 1;
    if i > 5 then continue;
    s := s + i;
  end;
  Result := s * 100 + i;
end;
// expect: Integer: 1510
