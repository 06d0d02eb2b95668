var a, b: integer;
begin a := 1; b := 2; Swap(a, b); Result := a * 10 + b; end;
// expect: Integer: 21
