unit U;
type T = integer;
function main: integer;
begin
  Result := 1;
end;
end.
// error: 103 Error in unit 'U' on line 2 : Class Declaration expected but 'integer' found
