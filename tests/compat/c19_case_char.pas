program CaseChar;
var
  s: string;
  i, letters, digits, spaces, other: integer;
begin
  s := 'Hello World 2024, Pascal 3.2!';
  letters := 0; digits := 0; spaces := 0; other := 0;
  for i := 1 to Length(s) do
    case s[i] of
      'a'..'z', 'A'..'Z': Inc(letters);
      '0'..'9': Inc(digits);
      ' ': Inc(spaces);
    else
      Inc(other);
    end;
  WriteLn('letters ', letters, ', digits ', digits, ', spaces ', spaces, ', other ', other);
end.
