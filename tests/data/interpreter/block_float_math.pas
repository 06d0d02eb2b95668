var d: double;
begin
  d := 7 / 2;
  d := d * 2 + 0.25;
  Result := d;
end;
// expect: Double: 7.25
