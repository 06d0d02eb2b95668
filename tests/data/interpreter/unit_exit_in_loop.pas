unit U;
function Find(n: integer): integer;
var i: integer;
begin
  Result := -1;
  for i := 1 to 100 do
    if i * i >= n then
    begin
      Result := i;
      exit;
    end;
end;
function main: integer;
begin
  Result := Find(50) * 1000 + Find(100000);
end;
end.
// expect: Integer: 7999
