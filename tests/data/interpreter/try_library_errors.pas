var s: string; x: integer;
begin
  s := '';
  x := 0;
  try x := 5 div x; except on E: EDivByZero do s := s + 'div;'; end;
  try x := 'q' + 1; except s := s + 'mismatch;'; end;
  Result := s;
end;
// expect: String: div;mismatch;
