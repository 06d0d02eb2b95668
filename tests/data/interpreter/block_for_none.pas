var i: integer; x: integer;
begin i := 7; x := 0; for i := 1 to 0 do x := 1; Result := i * 10 + x; end;
// expect: Integer: 70
