{ A malformed enumeration type is reported at the token where the list breaks off. }
program E;
type TColor = (Red, Green;
begin
end.
// error: 103 Error in unit 'E' on line 3 : ')' expected but ';' found
// position: 123
