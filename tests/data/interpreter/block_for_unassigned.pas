var i, n: integer;
begin for i := 1 to n do Result := 1; end;
// error: 108 Type of expression must be integer
