program Hello;

{$APPTYPE CONSOLE}

Uses
  SysUtils;

begin

end.