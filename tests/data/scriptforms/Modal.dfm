object ModalForm: TModalForm
  Caption = 'Modal'
  object OkButton: TButton
    Caption = 'OK'
    ModalResult = 1
    OnClick = OkButtonClick
  end
end
