object Form1
  Left = 10
end
