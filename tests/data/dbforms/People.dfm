object PeopleForm: TPeopleForm
  Left = 0
  Top = 0
  Width = 520
  Height = 320
  Caption = 'People'
  object DBGrid1: TDBGrid
    Left = 8
    Top = 40
    Width = 496
    Height = 200
    DataSource = DataSource1
    Columns = <
      item
        FieldName = 'name'
        Title.Caption = 'Name'
        Width = 160
      end
      item
        FieldName = 'score'
      end
      item
        FieldName = 'member'
      end>
  end
  object DBEdit1: TDBEdit
    Left = 8
    Top = 248
    Width = 160
    Height = 21
    DataSource = DataSource1
    DataField = 'name'
  end
  object DBText1: TDBText
    Left = 180
    Top = 250
    Width = 100
    Height = 17
    DataSource = DataSource1
    DataField = 'name'
  end
  object DBCheckBox1: TDBCheckBox
    Left = 300
    Top = 250
    Width = 97
    Height = 17
    Caption = 'Member'
    DataSource = DataSource1
    DataField = 'member'
  end
  object DBNavigator1: TDBNavigator
    Left = 8
    Top = 8
    Width = 240
    Height = 25
    DataSource = DataSource1
    ConfirmDelete = False
  end
  object Table1: TTable
    TableName = 'people'
  end
  object DataSource1: TDataSource
    DataSet = Table1
    OnDataChange = DataSource1DataChange
  end
end
