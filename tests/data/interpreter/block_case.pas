var s: string;
begin s := ''; case 5 of 1: s := s + 'a'; 2..6: s := s + 'b'; else s := s + 'c'; end; Result := s; end;
// expect: String: b
