unit Bom;
function main: string;
begin
  Result := 'Щ' + IntToStr(Length('Щ'));
end;
end.
