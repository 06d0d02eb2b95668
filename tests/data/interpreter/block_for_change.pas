var i, n: integer;
begin n := 0; for i := 1 to 3 do begin n := n + 1; i := 10 end; Result := n; end;
// expect: Integer: 3
