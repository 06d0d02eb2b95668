object Form1: TForm1
  Left = 192
  Top = 107
  Width = 408
  Height = 327
  Caption = #1058#1077#1089#1090' 1'
  Color = clBtnFace
  Font.Charset = RUSSIAN_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Menu = MainMenu1
  OldCreateOrder = False
  Position = poDesigned
  OnCreate = FormCreate
  OnCloseQuery = FormCloseQuery
  PixelsPerInch = 96
  TextHeight = 13
  object Label1: TLabel
    Left = 16
    Top = 16
    Width = 35
    Height = 13
    Caption = '&Name:'
    FocusControl = Edit1
  end
  object Button1: TButton
    Left = 16
    Top = 232
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
    OnClick = Button1Click
  end
  object Panel1: TPanel
    Left = 112
    Top = 8
    Width = 273
    Height = 57
    BevelOuter = bvLowered
    Caption = 'Panel1'
    Color = clInfoBk
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clRed
    Font.Height = -16
    Font.Name = 'Arial'
    Font.Style = [fsBold, fsItalic]
    ParentFont = False
    TabOrder = 0
    object Edit1: TEdit
      Left = 8
      Top = 24
      Width = 121
      Height = 21
      TabOrder = 0
      Text = #1055#1088#1080#1074#1077#1090
      OnChange = Edit1Change
    end
  end
  object Memo1: TMemo
    Left = 16
    Top = 72
    Width = 185
    Height = 89
    Lines.Strings = (
      'first line'
      'second line')
    ScrollBars = ssVertical
    TabOrder = 2
  end
  object ComboBox1: TComboBox
    Left = 216
    Top = 72
    Width = 145
    Height = 21
    Style = csDropDownList
    ItemHeight = 13
    Items.Strings = (
      'red'
      'green')
    ItemIndex = 1
    TabOrder = 3
  end
  object CheckBox1: TCheckBox
    Left = 216
    Top = 104
    Width = 97
    Height = 17
    Caption = 'Check'
    Checked = True
    State = cbChecked
    TabOrder = 4
    OnClick = CheckBox1Click
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 281
    Width = 400
    Height = 19
    Panels = <
      item
        Text = 'Ready'
        Width = 100
      end
      item
        Width = 50
      end>
    SimplePanel = False
  end
  object Timer1: TTimer
    Interval = 500
    OnTimer = Timer1Timer
    Left = 320
    Top = 160
  end
  object MainMenu1: TMainMenu
    Left = 352
    Top = 160
    object File1: TMenuItem
      Caption = '&File'
      object Exit1: TMenuItem
        Caption = 'E&xit'
        ShortCut = 16472
        OnClick = Exit1Click
      end
    end
  end
end
