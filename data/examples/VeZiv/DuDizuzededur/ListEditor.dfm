object ListEditorForm: TListEditorForm
  Left = 220
  Top = 140
  Caption = 'Редактор списка'
  ClientHeight = 300
  ClientWidth = 340
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object ItemEdit: TEdit
    Left = 8
    Top = 8
    Width = 220
    Height = 24
    OnKeyPress = ItemEditKeyPress
  end
  object Items: TListBox
    Left = 8
    Top = 40
    Width = 220
    Height = 228
    ItemHeight = 16
    OnClick = ItemsClick
  end
  object AddButton: TButton
    Left = 236
    Top = 8
    Width = 96
    Height = 25
    Caption = 'Добавить'
    Default = True
    OnClick = AddButtonClick
  end
  object DeleteButton: TButton
    Left = 236
    Top = 40
    Width = 96
    Height = 25
    Caption = 'Удалить'
    OnClick = DeleteButtonClick
  end
  object UpButton: TButton
    Left = 236
    Top = 72
    Width = 96
    Height = 25
    Caption = 'Вверх'
    OnClick = UpButtonClick
  end
  object DownButton: TButton
    Left = 236
    Top = 104
    Width = 96
    Height = 25
    Caption = 'Вниз'
    OnClick = DownButtonClick
  end
  object ClearButton: TButton
    Left = 236
    Top = 136
    Width = 96
    Height = 25
    Caption = 'Очистить'
    OnClick = ClearButtonClick
  end
  object CountLabel: TLabel
    Left = 8
    Top = 276
    Width = 60
    Height = 13
    Caption = 'Строк: 0'
  end
end
