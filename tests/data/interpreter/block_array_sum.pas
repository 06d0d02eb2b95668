var a: array[-2..2] of integer; i, s: integer;
begin for i := -2 to 2 do a[i] := i * i; s := 0; for i := -2 to 2 do s := s + a[i]; Result := s; end;
// expect: Integer: 10
