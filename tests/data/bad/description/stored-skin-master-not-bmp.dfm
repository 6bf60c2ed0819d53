object Form1: TForm
  object M: TsSkinManager
    InternalSkins = <
      item
        Name = 'Bad'
        MasterBitmap.Data = {0800000000010203040506FF}
      end>
    SkinName = 'Bad'
  end
end
