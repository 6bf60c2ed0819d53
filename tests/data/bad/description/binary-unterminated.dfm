object Form1: TForm
  object B: TsBitBtn
    Glyph.Data = {0A0B0C
  end
end
