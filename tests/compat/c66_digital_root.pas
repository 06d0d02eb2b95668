program DigitalRoot;

function Root(n: longint): integer;
var
  s: longint;
begin
  while n >= 10 do
  begin
    s := 0;
    while n > 0 do begin s := s + n mod 10; n := n div 10 end;
    n := s;
  end;
  Root := n;
end;

begin
  WriteLn(Root(16), ' ', Root(942), ' ', Root(132189), ' ', Root(493193));
end.
