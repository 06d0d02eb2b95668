unit Helper;

function Twice(x: integer): integer;
begin
  Result := x * 2;
end;

end.
