object LifeForm: TLifeForm
  Caption = 'Life'
  OnClick = FormClick
  object Button1: TButton
    Caption = '1'
    OnClick = Button1Click
  end
  object Button2: TButton
    Caption = '2'
    OnClick = Button2Click
  end
  object Label1: TLabel
  end
  object Button3: TButton
    Caption = '3'
    OnClick = Button3Click
  end
end
