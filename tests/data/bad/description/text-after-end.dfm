object Form1: TForm
  Left = 1
end
object Again: TForm
end
