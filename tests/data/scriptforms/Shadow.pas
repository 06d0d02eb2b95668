unit Shadow;

interface

uses Forms, StdCtrls;

type
  TShadowForm = class(TForm)
    Button1: TButton;
    Label1: TLabel;
    function ReadShadowed: string;
    function LoopShadowed: string;
    function CompareShadowed: string;
  public
    Total: Integer;
  end;

implementation

function TShadowForm.ReadShadowed: string;
var
  Button1: string;
begin
  Button1 := 'local';
  Result := Button1.Name;
end;

function TShadowForm.LoopShadowed: string;
var
  i, Label1, Total: Integer;
begin
  Label1 := 7;
  Total := 0;
  Result := '';
  for i := 1 to 3 do
  begin
    Total := Total + i;
    Result := Result + Label1.Caption;
  end;
  Result := Result + IntToStr(Total);
end;

function TShadowForm.CompareShadowed: string;
var
  Label1, n: Integer;
begin
  Label1 := 7;
  n := 0;
  while n < 2 do
    n := n + 1;
  try
    if Label1 = 7 then
      Result := 'local'
    else
      Result := 'other';
  except
    Result := 'component';
  end;
  Result := Result + IntToStr(n);
end;

end.
