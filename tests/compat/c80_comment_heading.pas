(* A learner's program: comments and blank lines come before the heading. *)

// Task 7: sum of the even numbers below 50

program CommentHeading;
var
  i, s: integer;
begin
  s := 0;
  for i := 1 to 49 do
    if i mod 2 = 0 then s := s + i;
  WriteLn('sum = ', s);
end.
