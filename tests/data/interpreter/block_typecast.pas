begin Result := integer(true); end;
// expect: Integer: -1
