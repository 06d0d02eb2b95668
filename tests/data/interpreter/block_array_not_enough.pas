var a: array[1..3, 1..2] of integer;
begin Result := a[1]; end;
// error: 173 Not enough array bounds
