object Form1: TForm
  object B: TsBitBtn
    Glyph.Data = {0A000000424D0000000000000000}
  end
end
