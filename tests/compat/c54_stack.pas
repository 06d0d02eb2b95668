program ArrayStack;
const
  Capacity = 10;
var
  stack: array[1..Capacity] of integer;
  top: integer = 0;

procedure Push(x: integer);
begin
  Inc(top);
  stack[top] := x;
end;

function Pop: integer;
begin
  Pop := stack[top];
  Dec(top);
end;

function Empty: boolean;
begin
  Empty := top = 0;
end;

var
  i: integer;
begin
  for i := 1 to 5 do Push(i * i);
  while not Empty() do Write(Pop(), ' ');
  WriteLn;
end.
