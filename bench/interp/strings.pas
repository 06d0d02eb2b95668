{ Benchmark: growing a string by appending number texts; the checksum is its length. }
unit BenchStrings;

function main: integer;
var
  i: integer;
  s: string;
begin
  s := '';
  for i := 1 to 200000 do
    s := s + IntToStr(i);
  Result := Length(s);
end;

end.
