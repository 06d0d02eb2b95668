program P;
begin
end
// error: 103 Error in unit 'P' on line 5 : '.' expected but End of File found
