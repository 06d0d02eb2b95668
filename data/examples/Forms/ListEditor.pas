unit ListEditor;

{ Редактор списка: строка ввода, список TListBox и кнопки «Добавить», «Удалить», «Вверх»,
  «Вниз», «Очистить». Enter в строке ввода тоже добавляет строку. }

interface

uses
  Windows, SysUtils, Classes, Graphics, Controls, Forms, Dialogs, StdCtrls;

type
  TListEditorForm = class(TForm)
    ItemEdit: TEdit;
    Items: TListBox;
    AddButton: TButton;
    DeleteButton: TButton;
    UpButton: TButton;
    DownButton: TButton;
    ClearButton: TButton;
    CountLabel: TLabel;
    procedure FormCreate(Sender: TObject);
    procedure AddButtonClick(Sender: TObject);
    procedure DeleteButtonClick(Sender: TObject);
    procedure UpButtonClick(Sender: TObject);
    procedure DownButtonClick(Sender: TObject);
    procedure ClearButtonClick(Sender: TObject);
    procedure ItemEditKeyPress(Sender: TObject; var Key: Char);
    procedure ItemsClick(Sender: TObject);
  public
    procedure UpdateState;
  end;

var
  ListEditorForm: TListEditorForm;

implementation

{$R *.DFM}

procedure TListEditorForm.UpdateState;
begin
  CountLabel.Caption := 'Строк: ' + IntToStr(Items.Items.Count);
  DeleteButton.Enabled := Items.ItemIndex >= 0;
  UpButton.Enabled := Items.ItemIndex > 0;
  DownButton.Enabled := (Items.ItemIndex >= 0) and (Items.ItemIndex < Items.Items.Count - 1);
  ClearButton.Enabled := Items.Items.Count > 0;
end;

procedure TListEditorForm.FormCreate(Sender: TObject);
begin
  UpdateState;
end;

procedure TListEditorForm.AddButtonClick(Sender: TObject);
var
  S: string;
begin
  S := Trim(ItemEdit.Text);
  if S = '' then
    Exit;
  Items.Items.Add(S);
  Items.ItemIndex := Items.Items.Count - 1;
  ItemEdit.Text := '';
  UpdateState;
end;

procedure TListEditorForm.DeleteButtonClick(Sender: TObject);
var
  I: Integer;
begin
  I := Items.ItemIndex;
  if I < 0 then
    Exit;
  Items.Items.Delete(I);
  if I >= Items.Items.Count then
    I := Items.Items.Count - 1;
  Items.ItemIndex := I;
  UpdateState;
end;

procedure TListEditorForm.UpButtonClick(Sender: TObject);
var
  I: Integer;
begin
  I := Items.ItemIndex;
  if I <= 0 then
    Exit;
  Items.Items.Exchange(I, I - 1);
  Items.ItemIndex := I - 1;
  UpdateState;
end;

procedure TListEditorForm.DownButtonClick(Sender: TObject);
var
  I: Integer;
begin
  I := Items.ItemIndex;
  if (I < 0) or (I >= Items.Items.Count - 1) then
    Exit;
  Items.Items.Exchange(I, I + 1);
  Items.ItemIndex := I + 1;
  UpdateState;
end;

procedure TListEditorForm.ClearButtonClick(Sender: TObject);
begin
  Items.Items.Clear;
  UpdateState;
end;

procedure TListEditorForm.ItemEditKeyPress(Sender: TObject; var Key: Char);
begin
  if Key = Chr(13) then
  begin
    AddButtonClick(Sender);
    Key := '';
  end;
end;

procedure TListEditorForm.ItemsClick(Sender: TObject);
begin
  UpdateState;
end;

end.
