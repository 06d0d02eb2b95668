var a: array[0..2, 0..3] of integer; i, j: integer;
begin for i := 0 to 2 do for j := 0 to 3 do a[i, j] := i * 10 + j; Result := a[2, 3] + a[1, 0]; end;
// expect: Integer: 33
