object Form1: TForm
  object B: TsBitBtn
    Glyph.Data = {FF000000424D}
  end
end
