object Form1: TForm
  object P: TPanel
  end
  object P: TPanel
  end
end
