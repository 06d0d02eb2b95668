begin Result := 5; end;
// expect: Integer: 5
