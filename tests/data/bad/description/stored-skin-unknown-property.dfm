object Form1: TForm
  object M: TsSkinManager
    InternalSkins = <
      item
        Name = 'Bad'
        Wobble = 1
      end>
    SkinName = 'Bad'
  end
end
