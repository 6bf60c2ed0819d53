object Form1: TForm
  OnCreate = NoSuchHandler
end
