object Form2: TForm2
  Left = 200
  Top = 120
  Width = 320
  Height = 200
  Caption = 'Form2'
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object Label1: TLabel
    Left = 16
    Top = 16
    Width = 40
    Height = 13
    Caption = 'Label1'
  end
  object Button1: TButton
    Left = 16
    Top = 48
    Width = 75
    Height = 25
    Caption = 'Button1'
    OnClick = Button1Click
  end
end
