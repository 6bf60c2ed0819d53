object Form1: TButton
end
