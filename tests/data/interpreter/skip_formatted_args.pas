var x: integer; s: string;
begin
  x := 5; s := '';
  if x > 10 then s := Describe(x:3, 2.5:6:2)
  else s := 'skipped';
  for x := 1 to 2 do s := s + '.';
  case x of
    1: s := Describe(x:1);
    2: s := s + '!';
  end;
  Result := s;
end;
// expect: String: skipped..!
