var n: integer; d: variant;
begin
  n := 2147483647;
  d := n + 1;
  Result := d;
end;
// expect: Double: 2147483648
