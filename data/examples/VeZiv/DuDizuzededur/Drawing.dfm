object DrawingForm: TDrawingForm
  Left = 200
  Top = 120
  Caption = 'Рисование'
  ClientHeight = 360
  ClientWidth = 480
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object ToolPanel: TPanel
    Left = 0
    Top = 0
    Width = 480
    Height = 36
    Align = alTop
    BevelOuter = bvNone
    object BlackButton: TButton
      Left = 8
      Top = 6
      Width = 72
      Height = 25
      Caption = 'Чёрный'
      OnClick = ColorButtonClick
    end
    object RedButton: TButton
      Left = 84
      Top = 6
      Width = 72
      Height = 25
      Caption = 'Красный'
      OnClick = ColorButtonClick
    end
    object BlueButton: TButton
      Left = 160
      Top = 6
      Width = 72
      Height = 25
      Caption = 'Синий'
      OnClick = ColorButtonClick
    end
    object ClearButton: TButton
      Left = 236
      Top = 6
      Width = 72
      Height = 25
      Caption = 'Очистить'
      OnClick = ClearButtonClick
    end
    object StatusLabel: TLabel
      Left = 320
      Top = 12
      Width = 100
      Height = 13
      Caption = ''
    end
  end
  object PaintBox1: TPaintBox
    Left = 0
    Top = 36
    Width = 480
    Height = 324
    Align = alClient
    Color = clWhite
    OnMouseDown = PaintBox1MouseDown
    OnMouseMove = PaintBox1MouseMove
    OnMouseUp = PaintBox1MouseUp
    OnPaint = PaintBox1Paint
  end
end
