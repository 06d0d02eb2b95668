var s: variant; i: integer;
begin
  i := 3;
  s := [1, i];
  s := s + [5];
  s := s - [1];
  Result := s;
end;
// expect: Set: 40
