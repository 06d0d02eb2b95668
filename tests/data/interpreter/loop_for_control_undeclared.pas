begin
  for k := 1 to 2 do ;
end;
// error: 104 Undeclared Identifier 'k'
