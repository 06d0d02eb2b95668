var a: array[1..3] of integer;
begin Result := a[0]; end;
// error: 171 Array index out of bounds
