program GameOfLife;
{ Conway's game of life on a small wrapped board, a glider and a blinker. }
const
  Rows = 8;
  Cols = 10;
type
  TBoard = array[0..Rows - 1, 0..Cols - 1] of Boolean;
var
  Board: TBoard;
  Gen: Integer;

procedure Clear(var b: TBoard);
var
  r, c: Integer;
begin
  for r := 0 to Rows - 1 do
    for c := 0 to Cols - 1 do
      b[r, c] := False;
end;

function Neighbours(const b: TBoard; r, c: Integer): Integer;
var
  dr, dc, n: Integer;
begin
  n := 0;
  for dr := -1 to 1 do
    for dc := -1 to 1 do
      if ((dr <> 0) or (dc <> 0)) and b[(r + dr + Rows) mod Rows, (c + dc + Cols) mod Cols] then
        Inc(n);
  Neighbours := n;
end;

procedure Step(var b: TBoard);
var
  Next: TBoard;
  r, c, n: Integer;
begin
  for r := 0 to Rows - 1 do
    for c := 0 to Cols - 1 do
    begin
      n := Neighbours(b, r, c);
      Next[r, c] := (n = 3) or (b[r, c] and (n = 2));
    end;
  b := Next;
end;

procedure Show(const b: TBoard);
var
  r, c, Alive: Integer;
begin
  Alive := 0;
  for r := 0 to Rows - 1 do
  begin
    for c := 0 to Cols - 1 do
      if b[r, c] then
      begin
        Write('O');
        Inc(Alive);
      end
      else
        Write('.');
    WriteLn;
  end;
  WriteLn('alive: ', Alive);
end;

begin
  Clear(Board);
  Board[0, 1] := True;
  Board[1, 2] := True;
  Board[2, 0] := True;
  Board[2, 1] := True;
  Board[2, 2] := True;
  Board[5, 6] := True;
  Board[5, 7] := True;
  Board[5, 8] := True;
  for Gen := 0 to 4 do
  begin
    if Gen mod 2 = 0 then
    begin
      WriteLn('Generation ', Gen);
      Show(Board);
    end;
    Step(Board);
  end;
end.
