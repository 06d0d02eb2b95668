unit Drawing;

{ Рисование мышью на TPaintBox: нажатие начинает линию, движение с нажатой кнопкой её
  продолжает, отпускание заканчивает. Отрезки хранятся и перерисовываются в OnPaint;
  кнопки выбирают цвет, «Очистить» стирает рисунок. }

interface

uses
  Windows, SysUtils, Classes, Graphics, Controls, Forms, Dialogs, StdCtrls, ExtCtrls;

type
  TDrawingForm = class(TForm)
    ToolPanel: TPanel;
    BlackButton: TButton;
    RedButton: TButton;
    BlueButton: TButton;
    ClearButton: TButton;
    StatusLabel: TLabel;
    PaintBox1: TPaintBox;
    procedure FormCreate(Sender: TObject);
    procedure PaintBox1MouseDown(Sender: TObject; Button: TMouseButton; Shift: TShiftState; X, Y: Integer);
    procedure PaintBox1MouseMove(Sender: TObject; Shift: TShiftState; X, Y: Integer);
    procedure PaintBox1MouseUp(Sender: TObject; Button: TMouseButton; Shift: TShiftState; X, Y: Integer);
    procedure PaintBox1Paint(Sender: TObject);
    procedure ColorButtonClick(Sender: TObject);
    procedure ClearButtonClick(Sender: TObject);
  public
    Drawing: Boolean;
    LastX, LastY: Integer;
    PenColor: TColor;
    procedure AddSegment(X1, Y1, X2, Y2: Integer);
    procedure DrawSegment(I: Integer);
    function SegmentCount: Integer;
  end;

const
  MaxSegments = 2000;

var
  DrawingForm: TDrawingForm;
  SegX1, SegY1, SegX2, SegY2, SegColor: array[0..1999] of Integer;
  Count: Integer;

implementation

{$R *.DFM}

procedure TDrawingForm.FormCreate(Sender: TObject);
begin
  PenColor := clBlack;
  Count := 0;
  StatusLabel.Caption := 'Рисуйте мышью';
end;

function TDrawingForm.SegmentCount: Integer;
begin
  Result := Count;
end;

procedure TDrawingForm.DrawSegment(I: Integer);
begin
  PaintBox1.Canvas.Pen.Color := SegColor[I];
  PaintBox1.Canvas.MoveTo(SegX1[I], SegY1[I]);
  PaintBox1.Canvas.LineTo(SegX2[I], SegY2[I]);
end;

procedure TDrawingForm.AddSegment(X1, Y1, X2, Y2: Integer);
begin
  if Count >= MaxSegments then
    Exit;
  SegX1[Count] := X1;
  SegY1[Count] := Y1;
  SegX2[Count] := X2;
  SegY2[Count] := Y2;
  SegColor[Count] := PenColor;
  Count := Count + 1;
  PaintBox1.Invalidate;
  StatusLabel.Caption := 'Отрезков: ' + IntToStr(Count);
end;

procedure TDrawingForm.PaintBox1MouseDown(Sender: TObject; Button: TMouseButton; Shift: TShiftState; X, Y: Integer);
begin
  if Button <> mbLeft then
    Exit;
  Drawing := True;
  LastX := X;
  LastY := Y;
end;

procedure TDrawingForm.PaintBox1MouseMove(Sender: TObject; Shift: TShiftState; X, Y: Integer);
begin
  if not Drawing then
    Exit;
  AddSegment(LastX, LastY, X, Y);
  LastX := X;
  LastY := Y;
end;

procedure TDrawingForm.PaintBox1MouseUp(Sender: TObject; Button: TMouseButton; Shift: TShiftState; X, Y: Integer);
begin
  if Drawing and ((X <> LastX) or (Y <> LastY)) then
    AddSegment(LastX, LastY, X, Y);
  Drawing := False;
end;

procedure TDrawingForm.PaintBox1Paint(Sender: TObject);
var
  I: Integer;
begin
  PaintBox1.Canvas.Brush.Color := clWhite;
  PaintBox1.Canvas.FillRect(Rect(0, 0, PaintBox1.Width, PaintBox1.Height));
  PaintBox1.Canvas.Pen.Width := 2;
  for I := 0 to Count - 1 do
    DrawSegment(I);
end;

procedure TDrawingForm.ColorButtonClick(Sender: TObject);
begin
  if Sender = RedButton then
    PenColor := clRed
  else if Sender = BlueButton then
    PenColor := clBlue
  else
    PenColor := clBlack;
  StatusLabel.Caption := 'Цвет: ' + TButton(Sender).Caption;
end;

procedure TDrawingForm.ClearButtonClick(Sender: TObject);
begin
  Count := 0;
  PaintBox1.Invalidate;
  StatusLabel.Caption := 'Рисунок стёрт';
end;

end.
