unit Raiser;

function main: integer;
begin
  Result := StrToInt('12x');
end;

end.
