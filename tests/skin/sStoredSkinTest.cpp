#include "skin/sStoredSkin.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "framework/base/Exceptions.h"
#include "JpegMaker.h"
#include "framework/graphics/BmpCodec.h"
#include "framework/graphics/JpegImage.h"
#include "framework/streaming/Reader.h"
#include "framework/streaming/Writer.h"
#include "skin/sSkinManager.h"

namespace {

// Reads a description holding one skin manager under a plain root and
// answers the manager (owned by `root`).
TsSkinManager* ReadManager(TComponent& root, const std::string& managerBody) {
  RegisterFrameworkClasses();
  RegisterSkinClasses();
  const std::string text = "object Holder: TComponent\n  object sSkinManager1: TsSkinManager\n" + managerBody +
                           "  end\nend\n";
  TReader reader(text, "Test.dfm");
  reader.ReadRootComponent(&root);
  return dynamic_cast<TsSkinManager*>(root.FindComponent("sSkinManager1"));
}

// An 8-bit picture with a few colours, magenta among them.
std::unique_ptr<TBitmap> PaletteArt(int w, int h, std::vector<TColor>& palette) {
  palette = {0xFF00FF, 0xF1CEB0, 0x60421E, clWhite, clBlack};
  auto bmp = std::make_unique<TBitmap>(w, h);
  std::mt19937 random(7);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) bmp->SetPixel(x, y, palette[random() % palette.size()]);
  return bmp;
}

void FillSkin(TsStoredSkin& skin, const std::vector<uint8_t>& masterFile) {
  skin.Name = "Blue 'quoted' (internal)";
  skin.Version = 5;
  skin.Shadow1Color = 13022873;
  skin.Shadow1Offset = 3;
  skin.Shadow1Blur = 2;
  skin.Shadow1Transparency = 50;
  skin.Author = "Сортарий";
  for (const char* name : {"GLOBALINFO", "BUTTON", "PANEL", ""}) {
    TsSkinGeneral* g = skin.GeneralData.Add();
    g->SectionName = name;
    g->Color = clWhite;
  }
  skin.GeneralData[1]->ParentClass = "PANEL";
  skin.GeneralData[1]->Bevel = TsControlBevel::cbLoweredHard;
  skin.GeneralData[1]->GradientData = "16777215;11237449;99;0;0;11237449;11237449;0;0;0";
  skin.GeneralData[1]->FontColor = "5454116 -1 -1 -1 -1";
  skin.GeneralData[1]->FadingEnabled = true;
  skin.GeneralData[1]->FadingIterations = 20;
  skin.GeneralData[2]->Color = 15390916;
  skin.GeneralData[2]->HotColor = clBtnFace;

  TsSkinImage* button = skin.Images.Add();
  button->SectionName = "BUTTON";
  button->PropertyName = "BORDERSMASK";
  button->Right = 81;
  button->Bottom = 54;
  button->ImageCount = 3;
  button->MaskType = 1;
  button->WL = button->WT = button->WR = button->WB = 9;
  TsSkinImage* glyph = skin.Images.Add();
  glyph->SectionName = "GLOBALINFO";
  glyph->PropertyName = "RADIOCHECKED";
  glyph->ImgType = TsImgType::itisaGlyph;
  TsSkinImage* own = skin.Images.Add();
  own->SectionName = "BUTTON_HUGE";
  own->Name = "BUTTONHUGE.BMP";
  own->PropertyName = "BORDERSMASK";
  std::vector<TColor> palette;
  own->SetImage(*PaletteArt(9, 6, palette));

  ReadBmp(masterFile.data(), masterFile.size(), skin.MasterBitmap);
}

std::vector<uint8_t> FileOf(const TBitmap& bitmap) {
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  return stream.Bytes();
}

}  // namespace

// A skin written into a description and read back keeps its collections,
// their order, every value and the master bitmap's file bytes.
TEST(StoredSkinTest, WrittenSkinReadsBackTheSame) {
  std::vector<TColor> palette;
  const std::vector<uint8_t> master = WriteBmp8(*PaletteArt(21, 30, palette), palette);

  TsStoredSkins skins;
  FillSkin(*skins.Add(), master);
  skins.Add()->Name = "Second";
  const std::string body = WriteProperty("InternalSkins", StoredSkinsValue(skins), 2);

  TComponent root(nullptr);
  TsSkinManager* manager = ReadManager(root, body);
  ASSERT_NE(manager, nullptr);
  const TsStoredSkins& read = *manager->InternalSkins();
  ASSERT_EQ(read.Count(), 2);
  const TsStoredSkin& skin = *read[0];
  EXPECT_EQ(skin.Name, "Blue 'quoted' (internal)");
  EXPECT_EQ(skin.Version, 5.0);
  EXPECT_EQ(skin.Shadow1Color, 13022873);
  EXPECT_EQ(skin.Shadow1Blur, 2);
  EXPECT_EQ(skin.Author, "Сортарий");
  ASSERT_EQ(skin.GeneralData.Count(), 4);
  EXPECT_EQ(skin.GeneralData[0]->SectionName, "GLOBALINFO");
  EXPECT_EQ(skin.GeneralData[3]->SectionName, "");  // a nameless section stays a section
  const TsSkinGeneral& button = *skin.GeneralData[1];
  EXPECT_EQ(button.ParentClass, "PANEL");
  EXPECT_EQ(button.Bevel, TsControlBevel::cbLoweredHard);
  EXPECT_EQ(button.GradientData, "16777215;11237449;99;0;0;11237449;11237449;0;0;0");
  EXPECT_EQ(button.FontColor, "5454116 -1 -1 -1 -1");
  EXPECT_TRUE(button.FadingEnabled);
  EXPECT_EQ(button.FadingIterations, 20);
  EXPECT_EQ(skin.GeneralData[2]->Color, 15390916);
  EXPECT_EQ(skin.GeneralData[2]->HotColor, clBtnFace);
  ASSERT_EQ(skin.Images.Count(), 3);
  EXPECT_EQ(skin.Images[0]->Right, 81);
  EXPECT_EQ(skin.Images[0]->WB, 9);
  EXPECT_EQ(skin.Images[1]->ImgType, TsImgType::itisaGlyph);
  EXPECT_EQ(skin.Images[2]->Name, "BUTTONHUGE.BMP");
  EXPECT_EQ(skin.Images[2]->Image.Width(), 9);
  EXPECT_TRUE(skin.Images[0]->Image.Empty());  // exists, empty
  EXPECT_EQ(FileOf(skin.MasterBitmap), master);
  EXPECT_EQ(read[1]->Shadow1Blur, -1);

  // Writing what was read gives the same text again.
  EXPECT_EQ(WriteProperty("InternalSkins", StoredSkinsValue(read), 2), body);
}

// A pattern's JPEG picture is stored as its file and comes back as that file.
TEST(StoredSkinTest, PatternPicturesKeepTheirJpegFile) {
  RegisterJpegFormat();
  const std::vector<uint8_t> jpeg =
      test_jpeg::MakeJpeg(test_jpeg::RgbRecipe(8, 4, [](int x, int y) { return x < 4 ? 0xB0CEF1u : 0x1E4260u; }));
  TsStoredSkins skins;
  TsStoredSkin& skin = *skins.Add();
  skin.Name = "Textured";
  TsSkinPattern& pattern = *skin.Patterns.Add();
  pattern.SectionName = "PANEL";
  pattern.PropertyName = "PATTERN";
  pattern.Name = "WOOD.JPG";
  TReadOnlyMemoryStream file(jpeg.data(), jpeg.size());
  pattern.Image.LoadFromStream(file);
  skin.Patterns.Add()->Name = "EMPTY.JPG";  // a pattern without a picture

  TComponent root(nullptr);
  TsSkinManager* manager = ReadManager(root, WriteProperty("InternalSkins", StoredSkinsValue(skins), 2));
  const TsSkinPatterns& read = (*manager->InternalSkins())[0]->Patterns;
  ASSERT_EQ(read.Count(), 2);
  EXPECT_EQ(read[0]->SectionName, "PANEL");
  ASSERT_NE(dynamic_cast<TJPEGImage*>(read[0]->Image.Graphic()), nullptr);
  EXPECT_EQ(read[0]->Image.Width(), 8);
  TMemoryStream saved;
  read[0]->Image.Graphic()->SaveToStream(saved);
  EXPECT_EQ(saved.Bytes(), jpeg);
  EXPECT_TRUE(read[1]->Image.Empty());
}

TEST(StoredSkinTest, FindStoredSkinMatchesWholeNamesWithCase) {
  TsStoredSkins skins;
  for (const char* name : {"NextKavra (internal)", "Winter", "NextKavra (internal)"}) skins.Add()->Name = name;
  EXPECT_EQ(skins.FindStoredSkin("NextKavra (internal)"), 0);
  EXPECT_EQ(skins.FindStoredSkin("Winter"), 1);
  EXPECT_EQ(skins.FindStoredSkin("winter"), -1);
  EXPECT_EQ(skins.FindStoredSkin("NextKavra"), -1);
  EXPECT_EQ(TsStoredSkins().FindStoredSkin(""), -1);
}

// Assigning copies the items: changing the copy leaves the original alone.
TEST(StoredSkinTest, AssignCopiesItemsAndBitmaps) {
  std::vector<TColor> palette;
  TsStoredSkins skins;
  FillSkin(*skins.Add(), WriteBmp8(*PaletteArt(4, 4, palette), palette));
  TsSkinManager manager(nullptr);
  manager.SetInternalSkins(skins);
  TsStoredSkin& copy = *(*manager.InternalSkins())[0];
  ASSERT_EQ(copy.GeneralData.Count(), 4);
  copy.GeneralData[1]->SectionName = "CHANGED";
  copy.Images[2]->Image.SetPixel(0, 0, clLime);
  copy.MasterBitmap.SetPixel(0, 0, clLime);
  EXPECT_EQ(skins[0]->GeneralData[1]->SectionName, "BUTTON");
  EXPECT_NE(skins[0]->Images[2]->Image.Pixel(0, 0), clLime);
  EXPECT_NE(skins[0]->MasterBitmap.Pixel(0, 0), clLime);
  EXPECT_EQ(copy.Images[2]->Collection(), &copy.Images);
  EXPECT_EQ(copy.Images[2]->Index(), 2);
}

// Broken stored skins fail the read with an error that names the line.
TEST(StoredSkinTest, BrokenStoredSkinFailsNamingTheLine) {
  std::vector<TColor> palette;
  const std::vector<uint8_t> master = WriteBmp8(*PaletteArt(8, 8, palette), palette);
  TsStoredSkins skins;
  FillSkin(*skins.Add(), master);
  const std::string good = WriteProperty("InternalSkins", StoredSkinsValue(skins), 2);
  // The master bitmap's block: its first line holds the length and "BM".
  const size_t data = good.find("MasterBitmap.Data = {");
  ASSERT_NE(data, std::string::npos);
  const size_t firstHex = good.find('\n', data) + 1 + 8;  // past the indent
  const int dataLine = 3 + static_cast<int>(std::count(good.begin(), good.begin() + data, '\n'));
  auto lineOf = [](const std::string& message) {
    const size_t at = message.find("line ");
    return at == std::string::npos ? -1 : std::atoi(message.c_str() + at + 5);
  };

  struct Case {
    const char* what;
    std::string body;
  } cases[] = {
      // "BM" becomes "XM": not a bitmap.
      {"not a bitmap", std::string(good).replace(firstHex + 8, 2, "58")},
      // A length that claims one byte more than the block holds.
      {"length mismatch", std::string(good).replace(firstHex, 2, "FF")},
      // The block cut short by its last line: the length no longer matches.
      {"truncated", std::string(good).erase(good.rfind('\n', good.find('}', data)),
                                            good.find('}', data) - good.rfind('\n', good.find('}', data)))},
  };
  for (const Case& c : cases) {
    TComponent root(nullptr);
    try {
      ReadManager(root, c.body);
      ADD_FAILURE() << c.what << ": read without error";
    } catch (const EReadError& e) {
      EXPECT_NE(e.Message().find("Test.dfm"), std::string::npos) << c.what << ": " << e.Message();
      EXPECT_EQ(lineOf(e.Message()), dataLine) << c.what << ": " << e.Message();
    }
  }

  // An unknown property of a section item names that item's line.
  const std::string unknown = std::string(good).insert(good.find("ParentClass"), "Bogus = 1\n          ");
  TComponent root(nullptr);
  try {
    ReadManager(root, unknown);
    ADD_FAILURE() << "unknown property read without error";
  } catch (const EReadError& e) {
    EXPECT_NE(e.Message().find("Bogus"), std::string::npos) << e.Message();
    const int bogusLine = 3 + static_cast<int>(std::count(unknown.begin(), unknown.begin() + unknown.find("Bogus"), '\n'));
    EXPECT_EQ(lineOf(e.Message()), bogusLine) << e.Message();
  }
}

// A stored section becomes a run-time section record.
TEST(StoredSkinRecordTest, SectionRecordsParseGradientsUnlessStoredAsNone) {
  TsSkinGeneral stored;
  stored.SectionName = "Button";
  stored.ParentClass = "PANEL";
  stored.Color = clWhite;
  stored.FontColor = "5454116 -1 -1 -1 -1";
  stored.HotFontColor = "bad";
  stored.ShadowDontUse = true;
  stored.GradientData = "16777215;11237449;99;0;0;11237449;11237449;0;0;0";
  stored.HotGradientData = " ";
  stored.FadingIterations = 20;
  TsGeneralData record;
  FillGeneralData(record, stored);
  EXPECT_EQ(record.SectionName, "Button");  // not upper-cased
  EXPECT_EQ(record.ParentClass, "PANEL");
  EXPECT_EQ(record.FontColor[TCMAIN], 5454116);
  EXPECT_EQ(record.HotFontColor, (TsFontColors{0, -1, -1, -1, -1}));
  EXPECT_FALSE(record.ShadowDontUse);  // never loaded
  ASSERT_EQ(record.GradientArray.size(), 2u);
  EXPECT_EQ(record.GradientArray[0].Color2, 11237449);
  EXPECT_EQ(record.GradientArray[0].Percent, 99);
  EXPECT_TRUE(record.HotGradientArray.empty());
  EXPECT_EQ(record.HotGradientData, " ");
  EXPECT_EQ(record.FadingIterations, 20);
}

// A malformed gradient fails the record where it stands: the fields before
// the gradient are filled, those after it are not.
TEST(StoredSkinRecordTest, MalformedGradientStopsTheRecordWhereItStands) {
  TsSkinGeneral stored;
  stored.SectionName = "PANEL";
  stored.Transparency = 40;
  stored.GradientData = "1;2;x;0;0";
  stored.ImagePercent = 30;
  stored.HotColor = 123;
  TsGeneralData record;
  EXPECT_THROW(FillGeneralData(record, stored), EConvertError);
  EXPECT_EQ(record.SectionName, "PANEL");
  EXPECT_EQ(record.Transparency, 40);
  EXPECT_EQ(record.GradientData, "1;2;x;0;0");
  EXPECT_EQ(record.ImagePercent, 0);
  EXPECT_EQ(record.HotColor, 0);
}
