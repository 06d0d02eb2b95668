begin Result := Null; end;
// expect: Null: 
