var a: integer; a: string;
begin end;
// error: 111 Identifier redeclared: 'a'
