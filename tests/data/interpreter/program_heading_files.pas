program P(input, output);
begin
end.
// expect: Empty: 
