var s: string;
begin
  s := '';
  if false then
  begin
    if true then s := s + 'a' else begin s := s + 'b'; end;
    case 1 of 1: s := s + 'c'; end;
    try s := s + 'd' except s := s + 'e' end;
    while true do s := s + 'f';
    repeat s := s + 'g' until true;
    for s := 1 to 2 do ;
  end
  else
    s := s + 'z';
  Result := s;
end;
// expect: String: z
