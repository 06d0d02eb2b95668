var x: integer;
begin if true then x := 1; else x := 2; end;
// error: 103 Statement expected but 'else' found
