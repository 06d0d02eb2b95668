{ comment }
program P;
begin end.
// error: 103 Expression expected but 'program' found
