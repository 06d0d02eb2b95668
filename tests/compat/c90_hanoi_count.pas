program HanoiMoves;
{ Recursion: the towers of Hanoi, printed for three discs and counted for more. }
var
  moves: integer;

procedure Move(n: integer; src, dst, via: char; print: boolean);
begin
  if n = 0 then
    Exit;
  Move(n - 1, src, via, dst, print);
  Inc(moves);
  if print then
    WriteLn('Disc ', n, ': ', src, ' -> ', dst);
  Move(n - 1, via, dst, src, print);
end;

var
  n: integer;
begin
  moves := 0;
  Move(3, 'A', 'C', 'B', True);
  for n := 4 to 10 do
  begin
    moves := 0;
    Move(n, 'A', 'C', 'B', False);
    WriteLn(n, ' discs: ', moves, ' moves');
  end;
end.
