unit Modal;

interface

uses Forms, StdCtrls, Controls;

type
  TModalForm = class(TForm)
    OkButton: TButton;
    procedure OkButtonClick(Sender: TObject);
  end;

implementation

procedure TModalForm.OkButtonClick(Sender: TObject);
begin
  Caption := 'OK pressed';
end;

end.
