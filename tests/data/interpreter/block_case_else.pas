var s: string;
begin s := ''; case 9 of 1: s := 'a'; else s := s + 'c'; s := s + 'd'; end; Result := s; end;
// expect: String: c
