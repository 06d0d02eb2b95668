program MiscLoops;
{ Break and Continue in nested loops, labels of a multiplication square, and loops over chars and booleans. }
var
  i, j, Found, Total: Integer;
  b: Boolean;
  c: Char;
  s: string[20];
begin
  Found := 0;
  for i := 1 to 20 do
  begin
    if i mod 3 = 0 then Continue;
    for j := i to 20 do
    begin
      if i * j > 60 then Break;
      if (i * i + j * j) mod 13 = 0 then
      begin
        Write('(', i, ',', j, ') ');
        Inc(Found);
      end;
    end;
  end;
  WriteLn;
  WriteLn('Found ', Found);
  for b := False to True do
    Write(b, ' ', Ord(b), ' ');
  WriteLn;
  Total := 0;
  i := 0;
  while True do
  begin
    Inc(i);
    if Odd(i) then Continue;
    Total := Total + i;
    if Total > 100 then Break;
  end;
  WriteLn('i=', i, ' total=', Total);
  s := '';
  for c := 'a' to 'z' do
    if not (c in ['a', 'e', 'i', 'o', 'u']) then
    begin
      s := s + c;
      if Length(s) = 20 then Break;
    end;
  WriteLn(s, ' ', Length(s));
  i := 10;
  repeat
    Write(i, ' ');
    i := i - 3;
  until i < 0;
  WriteLn;
  for i := 5 downto 1 do
  begin
    for j := 1 to i do Write(j);
    WriteLn;
  end;
end.
