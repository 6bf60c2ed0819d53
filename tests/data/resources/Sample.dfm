object SampleForm: TForm
  Left = 10
  Top = 20
  Caption = 'Из ресурса'
  object Box: TCustomControl
    Width = 30
    Height = 40
  end
end
