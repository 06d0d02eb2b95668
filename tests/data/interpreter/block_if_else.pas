var x: integer;
begin if 1 > 2 then x := 1 else x := 2; Result := x; end;
// expect: Integer: 2
