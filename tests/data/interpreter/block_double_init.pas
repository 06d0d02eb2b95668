var d: double;
begin Result := d; end;
// expect: Currency: 0
