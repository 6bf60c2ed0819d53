#include <cstdio>
#include <string>

#include "FrameworkFixture.h"
#include "framework/stdctrls/Buttons.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/stdctrls/StdCtrls.h"
#include "framework/streaming/Reader.h"

namespace {

// A stored bitmap block: the byte count, then the BMP file, in hex.
std::string BitmapBlock(const TBitmap& bitmap, int lengthAdjust = 0) {
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  const std::vector<uint8_t>& bmp = stream.Bytes();
  const uint32_t length = static_cast<uint32_t>(static_cast<int64_t>(bmp.size()) + lengthAdjust);
  std::string hex = "{";
  char buf[3];
  for (int i = 0; i < 4; ++i) {
    std::snprintf(buf, sizeof buf, "%02X", (length >> (8 * i)) & 0xFF);
    hex += buf;
  }
  for (uint8_t b : bmp) {
    std::snprintf(buf, sizeof buf, "%02X", b);
    hex += buf;
  }
  return hex + "}";
}

class StdCtrlsRegistrationTest : public FrameworkFixture {
 protected:
  void SetUp() override {
    FrameworkFixture::SetUp();
    RegisterFrameworkClasses();
  }
  TForm* Read(const std::string& children) {
    TForm* form = Application->CreateForm<TForm>();
    TReader("object F: TForm\n" + children + "end\n", "test").ReadRootComponent(form);
    return form;
  }
  // The reader's message for a description that must not load.
  std::string ReadError(const std::string& children) {
    try {
      Read(children);
    } catch (const EReadError& e) {
      return e.Message();
    }
    return "";
  }
};

TEST_F(StdCtrlsRegistrationTest, ReadsEveryPlainControlWithItsProperties) {
  TBitmap glyph(32, 16);
  glyph.Fill(clRed);
  const TForm* form = Read(
      "object P: TPanel\n"
      "  Alignment = taLeftJustify\n  BevelInner = bvLowered\n  BevelOuter = bvSpace\n"
      "  BevelWidth = 2\n  BorderWidth = 3\n  BorderStyle = bsSingle\n  FullRepaint = False\n"
      "  object S: TStaticText\n"
      "    Alignment = taCenter\n    BorderStyle = sbsSunken\n    AutoSize = False\n    Transparent = True\n"
      "  end\n"
      "  object B: TBitBtn\n"
      "    Caption = 'Заполнить '#13#10'массив'\n    Default = True\n    Cancel = True\n"
      "    ModalResult = mrOk\n    Layout = blGlyphTop\n    Margin = 3\n    Spacing = 6\n    WordWrap = True\n"
      "    Glyph = " + BitmapBlock(glyph) + "\n"
      "    NumGlyphs = 1\n"
      "  end\n"
      "end\n"
      "object G: TGroupBox\n"
      "  object R: TRadioButton\n    Alignment = taLeftJustify\n    Checked = True\n  end\n"
      "end\n"
      "object RG: TRadioGroup\n"
      "  Columns = 2\n  ItemIndex = 1\n"
      "  Items.Strings = (\n    'возрастанию'\n    'убыванию')\n"
      "end\n"
      "object CP: TCustomPanel\nend\n"
      "object CG: TCustomGroupBox\nend\n"
      "object CR: TCustomRadioGroup\nend\n"
      "object BT: TButton\n  ModalResult = 7\nend\n");

  auto* p = dynamic_cast<TPanel*>(form->FindComponent("P"));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->Alignment(), TAlignment::taLeftJustify);
  EXPECT_EQ(p->BevelInner(), TBevelCut::bvLowered);
  EXPECT_EQ(p->BevelOuter(), TBevelCut::bvSpace);
  EXPECT_EQ(p->BevelWidth(), 2);
  EXPECT_EQ(p->BorderWidth(), 3);
  EXPECT_EQ(p->BorderStyle(), TBorderStyle::bsSingle);
  EXPECT_FALSE(p->FullRepaint());

  auto* s = dynamic_cast<TStaticText*>(form->FindComponent("S"));
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->Parent(), p);
  EXPECT_EQ(s->Alignment(), TAlignment::taCenter);
  EXPECT_EQ(s->BorderStyle(), TStaticBorderStyle::sbsSunken);
  EXPECT_FALSE(s->AutoSize());
  EXPECT_TRUE(s->Transparent());

  auto* b = dynamic_cast<TBitBtn*>(form->FindComponent("B"));
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Caption(), "Заполнить \r\nмассив");
  EXPECT_TRUE(b->Default());
  EXPECT_TRUE(b->Cancel());
  EXPECT_EQ(b->ModalResult(), mrOk);
  EXPECT_EQ(b->Layout(), TButtonLayout::blGlyphTop);
  EXPECT_EQ(b->Margin(), 3);
  EXPECT_EQ(b->Spacing(), 6);
  EXPECT_TRUE(b->WordWrap());
  EXPECT_EQ(b->Glyph().Width(), 32);
  EXPECT_EQ(b->Glyph().Pixel(5, 5), clRed);
  EXPECT_EQ(b->NumGlyphs(), 1) << "the stored count wins over the strip's shape";

  auto* r = dynamic_cast<TRadioButton*>(form->FindComponent("R"));
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->Alignment(), TAlignment::taLeftJustify);
  EXPECT_TRUE(r->Checked());

  auto* rg = dynamic_cast<TRadioGroup*>(form->FindComponent("RG"));
  ASSERT_NE(rg, nullptr);
  EXPECT_EQ(rg->Columns(), 2);
  EXPECT_EQ(rg->ItemIndex(), 1) << "stored before the items, kept until they are there";
  ASSERT_EQ(rg->ButtonCount(), 2);
  EXPECT_EQ(rg->Buttons(0)->Caption(), "возрастанию");
  EXPECT_TRUE(rg->Buttons(1)->Checked());

  EXPECT_EQ(form->FindComponent("CP")->ClassName(), "TCustomPanel");
  EXPECT_EQ(form->FindComponent("CG")->ClassName(), "TCustomGroupBox");
  EXPECT_EQ(form->FindComponent("CR")->ClassName(), "TCustomRadioGroup");
  EXPECT_EQ(dynamic_cast<TButton*>(form->FindComponent("BT"))->ModalResult(), mrNo);
}

TEST_F(StdCtrlsRegistrationTest, BadValuesFailWithTheLine) {
  TBitmap glyph(4, 4);
  const std::string good = BitmapBlock(glyph);
  struct Case {
    const char* name;
    std::string children;
  };
  const Case cases[] = {
      {"unknown alignment", "object S: TStaticText\n  Alignment = taMiddle\nend\n"},
      {"panel border style of static text", "object S: TStaticText\n  BorderStyle = bsSingle\nend\n"},
      {"unknown bevel", "object P: TPanel\n  BevelOuter = bvDeep\nend\n"},
      {"glyph not binary", "object B: TBitBtn\n  Glyph = 'x'\nend\n"},
      {"glyph without length", "object B: TBitBtn\n  Glyph = {0102}\nend\n"},
      {"glyph longer than its block", "object B: TBitBtn\n  Glyph = " + BitmapBlock(glyph, 1) + "\nend\n"},
      {"glyph not a bitmap", "object B: TBitBtn\n  Glyph = {0400000001020304}\nend\n"},
      {"glyph cut short", "object B: TBitBtn\n  Glyph = " + good.substr(0, good.size() - 21) + "}\nend\n"},
      {"too many glyphs", "object B: TBitBtn\n  NumGlyphs = 5\nend\n"},
      {"unknown modal result", "object B: TBitBtn\n  ModalResult = mrMaybe\nend\n"},
  };
  for (const Case& c : cases) {
    const std::string message = ReadError(c.children);
    EXPECT_NE(message.find("line 3"), std::string::npos) << c.name << ": " << message;
  }
  EXPECT_EQ(ReadError("object B: TBitBtn\n  Glyph = {00000000}\nend\n"), "") << "an empty glyph is allowed";
  EXPECT_NE(ReadError("object B: TBitBtn\n  Glyph.Data = {0102}\nend\n").find("line 3"), std::string::npos);
}

TEST_F(StdCtrlsRegistrationTest, GlyphReadsInBothForms) {
  TBitmap glyph(16, 16);
  glyph.Fill(clBlue);
  const TForm* form = Read("object B1: TBitBtn\n  Glyph = " + BitmapBlock(glyph) + "\nend\n" +
                           "object B2: TBitBtn\n  Glyph.Data = " + BitmapBlock(glyph) + "\nend\n");
  for (const char* name : {"B1", "B2"}) {
    auto* b = dynamic_cast<TBitBtn*>(form->FindComponent(name));
    ASSERT_NE(b, nullptr) << name;
    EXPECT_EQ(b->Glyph().Width(), 16) << name;
    EXPECT_EQ(b->Glyph().Pixel(3, 3), clBlue) << name;
  }
}

}  // namespace
