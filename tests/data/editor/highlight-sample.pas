unit Sample;
{$R *.res}
interface
uses SysUtils, Classes;
type
  TShape = class(TObject)
  private
    FName: string; // the name
  public
    constructor Create(const AName: string);
    property Name: string read FName write FName;
  end;
implementation
(* a comment
   over two lines *)
constructor TShape.Create(const AName: string);
var
  I: Integer;
  Mask: array[0..3] of Byte;
begin
  inherited Create;
  FName := AName + 'It''s ' + #13#10;
  { an open brace
    that closes here } I := $FF;
  for I := 1 to 10 do
    if (I mod 2 = 0) and not False then
      Mask[I and 3] := I * 1.5 - 1..2;
  {$IFDEF DEBUG} Writeln('Ж'); {$ENDIF}
end;
end.
