unit Keys;

interface

uses
  Windows, SysUtils, Classes, Controls, Forms, StdCtrls, MissingInterfaceUnit;

type
  TKeysForm = class(TForm)
    Edit1: TEdit;
    ButtonA: TButton;
    ButtonB: TButton;
    Label1: TLabel;
    procedure Edit1KeyPress(Sender: TObject; var Key: Char);
    procedure Edit1KeyDown(Sender: TObject; var Key: Word; Shift: TShiftState);
    procedure AnyButtonClick(Sender: TObject);
    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
  public
    Pressed: string;
    AllowClose: Boolean;
  end;

implementation

procedure TKeysForm.Edit1KeyPress(Sender: TObject; var Key: Char);
begin
  Pressed := Pressed + Key;
  if Key = 'a' then
    Key := 'b'
  else if Key = 'x' then
    Key := '';
end;

procedure TKeysForm.Edit1KeyDown(Sender: TObject; var Key: Word; Shift: TShiftState);
begin
  if Key = VK_F2 then
    Key := VK_F3;
end;

procedure TKeysForm.AnyButtonClick(Sender: TObject);
begin
  Label1.Caption := Label1.Caption + TButton(Sender).Name + ';';
end;

procedure TKeysForm.FormCloseQuery(Sender: TObject; var CanClose: Boolean);
begin
  CanClose := AllowClose;
end;

end.
