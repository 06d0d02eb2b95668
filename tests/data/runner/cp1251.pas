program Cp;
begin
  WriteLn('Ёлка', Length('Ёлка'));
end.
