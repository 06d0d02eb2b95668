object MainForm: TMainForm
  Left = 192
  Top = 107
  BorderStyle = bsDialog
  Caption = 'Главное окно'
  ClientHeight = 300
  ClientWidth = 400
  Color = clBtnFace
  Font.Charset = RUSSIAN_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object Label1: TLabel
	Left = 8
	Top = 8
	Width = 100
	Height = 13
	Caption = #1055#1088#1080#1074#1077#1090', '#1084#1080#1088'!'
  end
  object Memo1: TMemo
    Left = 8
    Top = 32
    Width = 380
    Height = 89
    Hint = 
      'Это длинная подсказка, разбитая ' +
      'on two lines'
    Lines.Strings = (
      'First line'
      'Вторая строка'
      '')
    TabOrder = 0
  end
  object ComboBox1: TComboBox
    Left = 8
    Top = 128
    Width = 145
    Height = 21
    ItemHeight = 13
    Items.Strings = (
      'Red'
      'Green'
      'Blue')
    TabOrder = 1
  end
  OBJECT BitBtn1: TBitBtn
    Left = 8
    Top = 160
    Width = 75
    Height = 25
    Caption = 'OK'
    TabOrder = 2
    OnClick = BitBtn1Click
    Glyph.Data = {
      DE010000424DDE01000000000000760000002800000024000000120000000100
      0400000000006801000000000000000000001000000000000000000000000000
      80000080000000808000800000008000800080800000C0C0C000808080000000
      FF0000FF000000FFFF00FF000000FF00FF00FFFF0000FFFFFF00333333333333
      3333333333333333333333330000}
    NumGlyphs = 2
  END
end
