begin Result := TList; end;
// expect: Class: set
