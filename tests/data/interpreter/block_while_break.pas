var n: integer;
begin n := 0; while true do begin n := n + 1; if n = 5 then break end; Result := n; end;
// expect: Integer: 5
