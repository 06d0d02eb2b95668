unit U;
function main: integer;
x := 1;
end;
end.
// error: 103 Error in unit 'U' on line 7 : 'end' expected but End of File found
