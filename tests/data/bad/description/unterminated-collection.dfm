object Form1: TForm
  object G: TsRadioGroup
    Items.Strings = <
      item
  end
end
