unit U;
function Beep(n: integer): integer; external 'libnothing.so' name 'beep';
function main: integer;
begin
  Result := 1;
end;
end.
// expect: Integer: 1
