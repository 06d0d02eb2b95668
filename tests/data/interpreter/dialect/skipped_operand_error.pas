{ A short-circuited operand is still read: its missing bracket is reported. }
unit U;
function main: boolean;
begin
  Result := False and ((1 > 2);
end;
end.
// error: 103 Error in unit 'U' on line 5 : ')' expected but ';' found
// position: 150
