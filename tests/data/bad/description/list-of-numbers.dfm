object Form1: TForm
  object M: TRichEdit
    Lines.Strings = (
      1 2)
  end
end
