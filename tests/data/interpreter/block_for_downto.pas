var i: integer; s: string;
begin s := ''; for i := 3 downto 1 do s := s + IntToStr(i); Result := s; end;
// expect: String: 321
