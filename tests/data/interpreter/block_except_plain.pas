var s: string;
begin try s := 'a' + 1 except s := 'caught' end; Result := s; end;
// expect: String: caught
