var i: integer;
begin
  i := 0;
  repeat
    i := i + 1;
    if i = 4 then break;
    i := i + 0;
  until i > 100;
  Result := i;
end;
// expect: Integer: 4
