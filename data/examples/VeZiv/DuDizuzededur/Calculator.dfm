object CalcForm: TCalcForm
  Left = 240
  Top = 160
  BorderStyle = bsDialog
  Caption = 'Калькулятор'
  ClientHeight = 232
  ClientWidth = 208
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object Display: TEdit
    Left = 8
    Top = 8
    Width = 192
    Height = 24
    ReadOnly = True
    TabStop = False
    Text = '0'
  end
  object Btn7: TButton
    Left = 8
    Top = 40
    Width = 44
    Height = 44
    Caption = '7'
    OnClick = DigitClick
  end
  object Btn8: TButton
    Left = 56
    Top = 40
    Width = 44
    Height = 44
    Caption = '8'
    OnClick = DigitClick
  end
  object Btn9: TButton
    Left = 104
    Top = 40
    Width = 44
    Height = 44
    Caption = '9'
    OnClick = DigitClick
  end
  object BtnDiv: TButton
    Left = 152
    Top = 40
    Width = 44
    Height = 44
    Caption = '/'
    OnClick = OpClick
  end
  object Btn4: TButton
    Left = 8
    Top = 88
    Width = 44
    Height = 44
    Caption = '4'
    OnClick = DigitClick
  end
  object Btn5: TButton
    Left = 56
    Top = 88
    Width = 44
    Height = 44
    Caption = '5'
    OnClick = DigitClick
  end
  object Btn6: TButton
    Left = 104
    Top = 88
    Width = 44
    Height = 44
    Caption = '6'
    OnClick = DigitClick
  end
  object BtnMul: TButton
    Left = 152
    Top = 88
    Width = 44
    Height = 44
    Caption = '*'
    OnClick = OpClick
  end
  object Btn1: TButton
    Left = 8
    Top = 136
    Width = 44
    Height = 44
    Caption = '1'
    OnClick = DigitClick
  end
  object Btn2: TButton
    Left = 56
    Top = 136
    Width = 44
    Height = 44
    Caption = '2'
    OnClick = DigitClick
  end
  object Btn3: TButton
    Left = 104
    Top = 136
    Width = 44
    Height = 44
    Caption = '3'
    OnClick = DigitClick
  end
  object BtnMinus: TButton
    Left = 152
    Top = 136
    Width = 44
    Height = 44
    Caption = '-'
    OnClick = OpClick
  end
  object Btn0: TButton
    Left = 8
    Top = 184
    Width = 44
    Height = 44
    Caption = '0'
    OnClick = DigitClick
  end
  object BtnClear: TButton
    Left = 56
    Top = 184
    Width = 44
    Height = 44
    Caption = 'C'
    OnClick = ClearClick
  end
  object BtnEquals: TButton
    Left = 104
    Top = 184
    Width = 44
    Height = 44
    Caption = '='
    OnClick = EqualsClick
  end
  object BtnPlus: TButton
    Left = 152
    Top = 184
    Width = 44
    Height = 44
    Caption = '+'
    OnClick = OpClick
  end
end
