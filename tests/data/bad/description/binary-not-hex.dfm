object Form1: TForm
  object B: TsBitBtn
    Glyph.Data = {0AZZ}
  end
end
