begin Result := nil; end;
// expect: Pointer: nil
