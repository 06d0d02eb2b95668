var x: integer;
begin x := 5; Result := Describe(x:3, 2.5:6:2, 'a'); end;
// expect: String: 5:3:-1;2.5:6:2;a:-1:-1;
