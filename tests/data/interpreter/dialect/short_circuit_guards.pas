{ and/or read their right side only when the left one does not decide. }
unit U;
var calls: integer;
function Probe(k: integer): boolean;
begin
  Inc(calls);
  Probe := k > 0;
end;
function main: integer;
var a: array[0..4] of integer; i, j, key: integer;
begin
  for i := 0 to 4 do a[i] := 10 - i * 3;
  for i := 1 to 4 do
  begin
    key := a[i];
    j := i - 1;
    while (j >= 0) and (a[j] > key) do
    begin
      a[j + 1] := a[j];
      j := j - 1;
    end;
    a[j + 1] := key;
  end;
  for i := -2 to 2 do
    if (i <> 0) and Probe(i) or (i = 0) and not Probe(i) then Inc(j);
  Result := a[0] * 1000 + calls * 10 + j;
end;
end.
// expect: Integer: -1948
