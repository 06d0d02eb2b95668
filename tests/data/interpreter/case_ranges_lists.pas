var i: integer; s: string;
begin
  s := '';
  for i := 0 to 7 do
    case i of
      0, 2: s := s + 'e';
      3..5, 7: s := s + 'r';
    else
      s := s + '-';
    end;
  Result := s;
end;
// expect: String: e-errr-r
