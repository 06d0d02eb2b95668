program OpenArraySum;
var
  a: array[1..5] of integer;
  i: integer;

function Sum(const v: array of integer): integer;
var
  k, s: integer;
begin
  s := 0;
  for k := Low(v) to High(v) do
    s := s + v[k];
  Sum := s;
end;

function MaxOf(v: array of integer): integer;
var
  k: integer;
begin
  Result := v[0];
  for k := 1 to High(v) do
    if v[k] > Result then Result := v[k];
end;

begin
  for i := 1 to 5 do a[i] := i * 3 mod 7;
  WriteLn('sum = ', Sum(a));
  WriteLn('max = ', MaxOf(a));
  WriteLn('literal sum = ', Sum([10, 20, 30]));
  WriteLn('length = ', Length(a));
end.
