program OpenArrayVar;
var
  data: array[1..6] of integer;
  i: integer;

procedure FillSquares(var v: array of integer);
var
  k: integer;
begin
  for k := 0 to High(v) do
    v[k] := (k + 1) * (k + 1);
end;

procedure Show(const v: array of integer);
var
  k: integer;
begin
  for k := Low(v) to High(v) do
    Write(v[k], ' ');
  WriteLn;
end;

begin
  FillSquares(data);
  Show(data);
  for i := 1 to 6 do
    Write(data[i]:4);
  WriteLn;
end.
