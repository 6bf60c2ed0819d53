object Form1: TForm
  object M: TsSkinManager
    InternalSkins = <
      item
        Name = 'Bad'
        MasterBitmap.Data = {00000100424DF60000000000000036000000280000000800000008000000010018000000000000000000130B}
      end>
    SkinName = 'Bad'
  end
end
