unit Calculator;

{ Калькулятор: цифры, четыре действия, «=» и «C». Все цифровые кнопки разделяют один
  обработчик DigitClick, все кнопки действий — OpClick. }

interface

uses
  Windows, SysUtils, Classes, Graphics, Controls, Forms, Dialogs, StdCtrls;

type
  TCalcForm = class(TForm)
    Display: TEdit;
    Btn7: TButton;
    Btn8: TButton;
    Btn9: TButton;
    BtnDiv: TButton;
    Btn4: TButton;
    Btn5: TButton;
    Btn6: TButton;
    BtnMul: TButton;
    Btn1: TButton;
    Btn2: TButton;
    Btn3: TButton;
    BtnMinus: TButton;
    Btn0: TButton;
    BtnClear: TButton;
    BtnEquals: TButton;
    BtnPlus: TButton;
    procedure FormCreate(Sender: TObject);
    procedure DigitClick(Sender: TObject);
    procedure OpClick(Sender: TObject);
    procedure EqualsClick(Sender: TObject);
    procedure ClearClick(Sender: TObject);
  public
    Accumulator: Double;
    PendingOp: string;
    StartNew: Boolean;
    procedure Calculate;
  end;

var
  CalcForm: TCalcForm;

implementation

{$R *.DFM}

procedure TCalcForm.FormCreate(Sender: TObject);
begin
  ClearClick(Self);
end;

procedure TCalcForm.Calculate;
var
  Value: Double;
begin
  Value := StrToFloat(Display.Text);
  if PendingOp = '+' then
    Accumulator := Accumulator + Value
  else if PendingOp = '-' then
    Accumulator := Accumulator - Value
  else if PendingOp = '*' then
    Accumulator := Accumulator * Value
  else if PendingOp = '/' then
  begin
    if Value = 0 then
    begin
      ShowMessage('Деление на ноль');
      Accumulator := 0;
    end
    else
      Accumulator := Accumulator / Value;
  end
  else
    Accumulator := Value;
  Display.Text := FloatToStr(Accumulator);
end;

procedure TCalcForm.DigitClick(Sender: TObject);
begin
  if StartNew or (Display.Text = '0') then
    Display.Text := TButton(Sender).Caption
  else
    Display.Text := Display.Text + TButton(Sender).Caption;
  StartNew := False;
end;

procedure TCalcForm.OpClick(Sender: TObject);
begin
  if not StartNew then
    Calculate;
  PendingOp := TButton(Sender).Caption;
  StartNew := True;
end;

procedure TCalcForm.EqualsClick(Sender: TObject);
begin
  Calculate;
  PendingOp := '';
  StartNew := True;
end;

procedure TCalcForm.ClearClick(Sender: TObject);
begin
  Accumulator := 0;
  PendingOp := '';
  StartNew := True;
  Display.Text := '0';
  Caption := 'Калькулятор';
end;

end.
