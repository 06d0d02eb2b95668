var a: array[1..3] of integer;
begin Result := a[1, 1]; end;
// error: 172 Too many array bounds
