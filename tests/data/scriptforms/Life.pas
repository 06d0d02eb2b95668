unit Life;

interface

uses Forms, StdCtrls;

type
  TLifeForm = class(TForm)
    Button1: TButton;
    Button2: TButton;
    Label1: TLabel;
    Button3: TButton;
    procedure Button1Click(Sender: TObject);
    procedure OtherClick(Sender: TObject);
    procedure Button2Click(Sender: TObject);
    procedure FreeMeClick(Sender: TObject);
    procedure Button3Click(Sender: TObject);
    procedure FormClick(Sender: TObject);
  end;

implementation

procedure TLifeForm.Button1Click(Sender: TObject);
begin
  Label1.Caption := Label1.Caption + 'one;';
  // The handler assigns its own event again: its bridge goes while it runs.
  Button1.OnClick := OtherClick;
  Label1.Caption := Label1.Caption + 'still;';
end;

procedure TLifeForm.OtherClick(Sender: TObject);
begin
  Label1.Caption := Label1.Caption + 'other;';
end;

procedure TLifeForm.Button2Click(Sender: TObject);
begin
  Button1.Free;
  Label1.Caption := 'freed';
end;

procedure TLifeForm.Button3Click(Sender: TObject);
begin
  // Clears its own event, then the form's, both bound from the form file.
  Button3.OnClick := nil;
  Self.OnClick := nil;
  Label1.Caption := Label1.Caption + 'cleared;';
end;

procedure TLifeForm.FormClick(Sender: TObject);
begin
  Label1.Caption := Label1.Caption + 'form;';
  // The form's own event, replaced from its own handler (by its bare name, as a method writes it).
  OnClick := OtherClick;
end;

procedure TLifeForm.FreeMeClick(Sender: TObject);
begin
  Self.Free;
end;

end.
