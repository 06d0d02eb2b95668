var s: string;
begin try raise Exception.Create('x') except on E: EDivByZero do s := 'div'; else s := 'other'; end; Result := s; end;
// expect: String: other
