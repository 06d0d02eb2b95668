unit UsesMain;

uses Helper;

function main: integer;
begin
  Result := Twice(21);
end;

end.
