object KeysForm: TKeysForm
  Left = 100
  Top = 100
  Width = 300
  Height = 200
  Caption = 'Keys'
  OnCloseQuery = FormCloseQuery
  PixelsPerInch = 96
  TextHeight = 13
  object Label1: TLabel
    Left = 8
    Top = 8
    Width = 3
    Height = 13
  end
  object Edit1: TEdit
    Left = 8
    Top = 32
    Width = 121
    Height = 21
    TabOrder = 0
    OnKeyDown = Edit1KeyDown
    OnKeyPress = Edit1KeyPress
  end
  object ButtonA: TButton
    Left = 8
    Top = 64
    Width = 75
    Height = 25
    Caption = 'A'
    TabOrder = 1
    OnClick = AnyButtonClick
  end
  object ButtonB: TButton
    Left = 96
    Top = 64
    Width = 75
    Height = 25
    Caption = 'B'
    TabOrder = 2
    OnClick = AnyButtonClick
  end
end
