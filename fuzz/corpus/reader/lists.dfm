object Form1: TForm1
  object sRadioGroup: TsRadioGroup
    Caption = 'Упорядочение по ...'
    Items.Strings = (
      'возрастанию'
      'убыванию')
    ItemIndex = 0
  end
  object Button1: TsBitBtn
    Caption = 'Заполнить '#13#10'массив'
    Glyph.Data = {0A000000}
  end
end
