library Library1;

Uses
  SysUtils, Classes;

{$R *.res}

begin
end.