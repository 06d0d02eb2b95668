unit U;
while true do;
end.
// error: 103 Error in unit 'U' on line 2 : Declaration expected but 'while' found
