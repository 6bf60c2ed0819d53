object Form1: TForm
  object M: TsSkinManager
    InternalSkins = <
      item
        Name = 'Bad'
        Images = <
          item
            ImgType = itisaWobble
          end>
      end>
    SkinName = 'Bad'
  end
end
