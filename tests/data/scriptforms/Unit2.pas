unit Unit2;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs, StdCtrls;

type
  TForm2 = class(TForm)
    Label1: TLabel;
    Button1: TButton;
    procedure FormCreate(Sender: TObject);
    procedure Button1Click(Sender: TObject);
    function Describe: string;
  private
    { Private declarations }
  public
    Clicks: Integer;
  end;

var
  Form2: TForm2;

implementation

{$R *.DFM}

procedure TForm2.FormCreate(Sender: TObject);
begin
  Label1.Caption := 'Создана';
  Clicks := 0;
end;

procedure TForm2.Button1Click(Sender: TObject);
begin
  Clicks := Clicks + 1;
  Label1.Caption := 'Нажата ' + IntToStr(Clicks);
  Caption := 'Форма ' + IntToStr(Clicks);
end;

function TForm2.Describe: string;
begin
  Result := Button1.Caption + '/' + Self.Caption + '/' + Caption;
end;

end.
