var n, c: integer;
begin n := 0; c := 0; repeat n := n + 1; c := c + 1; until n > 3; Result := c; end;
// expect: Integer: 4
