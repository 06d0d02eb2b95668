var s: string;
begin
  s := '';
  case 1 of
    1: begin s := s + 'a'; case 2 of 2: s := s + 'b'; end; end;
    2: begin s := s + 'x'; end;
  end;
  Result := s;
end;
// expect: String: ab
