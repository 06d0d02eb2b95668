var i, j, c: integer;
begin
  c := 0;
  for i := 1 to 3 do
    for j := 1 to 3 do
    begin
      if j = 2 then break;
      c := c + 1;
    end;
  Result := c;
end;
// expect: Integer: 3
