var s: string;
begin s := 'abc'; s[1] := 'x'; Result := s + s[2]; end;
// expect: String: xbcb
