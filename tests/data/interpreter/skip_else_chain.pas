var n: integer; s: string;
begin
  n := 3;
  if n = 1 then s := 'one'
  else if n = 2 then s := 'two'
  else if n = 3 then s := 'three'
  else s := 'many';
  Result := s;
end;
// expect: String: three
