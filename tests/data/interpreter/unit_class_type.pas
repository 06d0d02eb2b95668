unit U;
type TForm1 = class(TForm)
  Button1: integer;
  procedure Click(Sender: TObject);
private
  Count: integer;
public
end;
function main: integer;
begin
  Result := 7;
end;
end.
// expect: Integer: 7
