var i: integer;
begin Result := i; end;
// expect: Byte: 0
