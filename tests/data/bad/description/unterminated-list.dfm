object Form1: TForm
  object M: TRichEdit
    Lines.Strings = (
      'a'
  end
end
