var a: array[3..1] of integer;
begin end;
// error: 175 Invalid array range
