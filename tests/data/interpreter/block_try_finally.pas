var s: string;
begin s := 'a'; try s := s + 'b' finally s := s + 'c' end; Result := s; end;
// expect: String: abc
