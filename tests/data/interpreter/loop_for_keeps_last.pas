var i: integer;
begin
  for i := 5 to 7 do ;
  Result := i;
end;
// expect: Integer: 7
