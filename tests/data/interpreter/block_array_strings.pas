var a: array[-2..2] of string;
begin Result := a[-2] + '|' + a[2]; end;
// expect: String: |
