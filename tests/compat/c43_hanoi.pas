program Hanoi;
var
  moves: integer;

procedure Move(n: integer; from, onto, via: char);
begin
  if n = 0 then Exit;
  Move(n - 1, from, via, onto);
  Inc(moves);
  if n = 3 then WriteLn('disk 3: ', from, ' -> ', onto);
  Move(n - 1, via, onto, from);
end;

begin
  moves := 0;
  Move(4, 'A', 'C', 'B');
  WriteLn('moves: ', moves);
end.
