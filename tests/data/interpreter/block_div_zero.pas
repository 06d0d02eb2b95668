var x: integer; s: string;
begin x := 0; try x := 1 div x except on E: EDivByZero do s := 'div' end; Result := s; end;
// expect: String: div
