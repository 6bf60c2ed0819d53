object Form1: TForm
  object X: TNoSuchClass
  end
end
