var d: double;
begin d := 1; Result := d; end;
// expect: Double: 1
