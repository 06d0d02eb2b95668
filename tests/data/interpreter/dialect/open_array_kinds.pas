{ Open array parameters take static and dynamic arrays and constructors; var ones write back. }
unit U;
function Sum(const a: array of integer): integer;
var i: integer;
begin
  Sum := 0;
  for i := Low(a) to High(a) do Sum := Sum + a[i];
end;
procedure Twice(var a: array of integer);
var i: integer;
begin
  for i := 0 to High(a) do a[i] := a[i] * 2;
end;
function main: integer;
var s: array[5..7] of integer; d: array of integer;
begin
  s[5] := 1; s[6] := 2; s[7] := 3;
  SetLength(d, 2);
  d[0] := 10; d[1] := 20;
  Twice(s);
  Result := Sum(s) * 10000 + Sum(d) * 10 + Sum([1, 2]) + Length(d) * 0;
end;
end.
// expect: Integer: 120303
