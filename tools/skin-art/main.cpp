// sortarium-skin-art: draws the stored skin "NextKavra (internal)" and writes
// it into the window description, and the two archives of the resources
// (INTERNAL_ZIP.zip with a skin file, GENERAL_ZIP.zip with the program's
// icon and drop-down arrows).
//
//   sortarium-skin-art [--description resources/Unit1.dfm] [--preview tools/skin-art/preview.png]
//                      [--archives resources] [--icons resources/desktop/icons]
//                      [--demo FILE.png] [--render-borders DIR] [--skins resources/skins]
//   sortarium-skin-art --export-folder DIR
//
// --skins names the folder the shipped folder skins are written into (today
// "Projector", the high-contrast skin for a classroom projector).
// --export-folder writes only the built-in skin, as a skin folder a teacher
// can copy and change (see docs/skins.md).
//
// The skin is built in memory, checked against every count, value and size
// the program relies on, read back the way the program reads it, and only
// then written. --icons gets the program's icon at every size the desktop
// entry installs (sortarium-16.png ... sortarium-512.png). The output depends on nothing but this code: two runs give
// the same bytes. --render-borders also paints the window's bordered items
// through the engine with the new skin and writes them, four times enlarged,
// into DIR (see RenderBorders.cpp).
#include <cstdio>
#include <fstream>
#include <sstream>

#include "Archives.h"
#include "DesktopIcons.h"
#include "SkinArt.h"
#include "framework/graphics/BmpCodec.h"
#include "framework/graphics/Picture.h"
#include "framework/streaming/Writer.h"

namespace {

constexpr int kPaletteSize = 256;

int Usage(const std::string& message) {
  std::fprintf(stderr, "sortarium-skin-art: %s\n", message.c_str());
  std::fprintf(stderr,
               "usage: sortarium-skin-art [--description FILE.dfm] [--preview FILE.png] [--archives DIR]\n"
               "                          [--icons DIR] [--demo FILE.png] [--render-borders DIR] [--skins DIR]\n"
               "       sortarium-skin-art --export-folder DIR\n");
  return 2;
}

std::vector<uint8_t> EncodeArt(const TComposed& composed, TBitmap& bitmap) {
  std::vector<int> palette;
  Quantize(composed, kPaletteSize, bitmap, palette);
  return WriteBmp8(bitmap, std::vector<TColor>(palette.begin(), palette.end()));
}

void AddImages(TsStoredSkin& skin, const std::vector<uint8_t>& hugeFile) {
  for (const TImageItem& item : ImageTable()) {
    TsSkinImage& im = *skin.Images.Add();
    im.SectionName = item.Section;
    im.PropertyName = item.Property;
    im.Name = item.Name;
    im.Left = item.Left, im.Top = item.Top, im.Right = item.Right, im.Bottom = item.Bottom;
    im.ImageCount = item.ImageCount;
    im.MaskType = item.MaskType;
    im.BorderWidth = item.BorderWidth;
    im.ImgType = item.ImgType;
    im.StretchMode = item.ImgType == TsImgType::itisaBorder ? 1 : 0;
    im.WL = item.WL, im.WT = item.WT, im.WR = item.WR, im.WB = item.WB;
    // The own bitmap is read from the file bytes so that it keeps its
    // palette and is stored as exactly those bytes.
    if (!item.Name.empty()) ReadBmp(hugeFile.data(), hugeFile.size(), im.Image);
  }
}

std::string ReadFile(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + name);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Writes only when the bytes change, so an unchanged file keeps its time.
void WriteIfChanged(const std::string& name, const std::vector<uint8_t>& bytes) {
  std::ifstream in(name, std::ios::binary);
  const std::vector<uint8_t> old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in && old == bytes) return;
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) throw std::runtime_error("cannot write " + name);
}

void WriteFile(const std::string& name, const std::string& text) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out.flush()) throw std::runtime_error("cannot write " + name);
}

int Fail(const std::vector<std::string>& problems) {
  for (const std::string& p : problems) std::fprintf(stderr, "sortarium-skin-art: %s\n", p.c_str());
  std::fprintf(stderr, "sortarium-skin-art: nothing written\n");
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::string description = "resources/Unit1.dfm", preview = "tools/skin-art/preview.png", demo, renderDir;
  std::string archives = "resources", icons = "resources/desktop/icons";
  std::string skinsDir = "resources/skins", exportDir;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (i + 1 >= argc) return Usage(a.rfind("--", 0) == 0 ? a + " needs a value" : "unknown argument " + a);
    if (a == "--description")
      description = argv[++i];
    else if (a == "--preview")
      preview = argv[++i];
    else if (a == "--archives")
      archives = argv[++i];
    else if (a == "--icons")
      icons = argv[++i];
    else if (a == "--demo")
      demo = argv[++i];
    else if (a == "--render-borders")
      renderDir = argv[++i];
    else if (a == "--skins")
      skinsDir = argv[++i];
    else if (a == "--export-folder")
      exportDir = argv[++i];
    else
      return Usage("unknown option " + a);
  }

  try {
    std::vector<std::string> problems = CheckLayout(ImageTable());
    if (!problems.empty()) return Fail(problems);

    TBitmap master, huge;
    const std::vector<uint8_t> masterFile = EncodeArt(ComposeMaster(), master);
    const std::vector<uint8_t> hugeFile = EncodeArt(ComposeHugeButton(), huge);

    TsStoredSkins skins;
    TsStoredSkin& skin = *skins.Add();
    skin.Name = "NextKavra (internal)";
    skin.Version = 5;
    skin.Shadow1Color = 13022873;
    skin.Shadow1Offset = 3;
    skin.Shadow1Blur = 2;
    skin.Shadow1Transparency = 50;
    skin.Author = "Команда «Сортария»";
    skin.Description = "Светлая сине-белая тема окна тренажёра сортировки выбором";
    AddSections(skin);
    AddImages(skin, hugeFile);
    ReadBmp(masterFile.data(), masterFile.size(), skin.MasterBitmap);

    problems = CheckSkin(skin, masterFile, hugeFile);
    if (!problems.empty()) return Fail(problems);
    if (!exportDir.empty()) {
      WriteSkinAsFolder(skin, exportDir);
      std::printf("sortarium-skin-art: \"%s\" written as a skin folder -> %s\n", skin.Name.c_str(), exportDir.c_str());
      return 0;
    }
    TsStoredSkins shipped;
    const TsStoredSkin& projector = MakeProjectorSkin(shipped, skin);
    problems = CheckProjectorContrast(projector);
    if (!problems.empty()) return Fail(problems);
    const std::string property = WriteProperty("InternalSkins", StoredSkinsValue(skins), 2);
    if (const std::string error = VerifyReadBack(property); !error.empty()) return Fail({error});

    const std::string text = ReadFile(description);
    const std::string updated = ReplaceInternalSkins(text, property);
    const std::vector<uint8_t> internalZip = BuildInternalZip(skin);
    const std::vector<uint8_t> generalZip = BuildGeneralZip();
    if (updated != text) WriteFile(description, updated);
    if (!archives.empty()) {
      WriteIfChanged(archives + "/INTERNAL_ZIP.zip", internalZip);
      WriteIfChanged(archives + "/GENERAL_ZIP.zip", generalZip);
    }
    if (!icons.empty())
      for (const TDesktopIcon& icon : DrawDesktopIcons()) WriteIfChanged(icons + "/" + icon.FileName, icon.Png);
    if (!preview.empty()) WritePreview(master, huge, preview);
    if (!demo.empty()) WriteDemo(master, huge, demo);
    if (!renderDir.empty()) RenderBorders(skins, renderDir);
    if (!skinsDir.empty()) WriteSkinAsFolder(projector, skinsDir + "/Projector", kProjectorFontScale);
    std::printf("sortarium-skin-art: %d sections, %d images, master %zu bytes, BUTTONHUGE.BMP %zu bytes -> %s\n",
                skin.GeneralData.Count(), skin.Images.Count(), masterFile.size(), hugeFile.size(),
                description.c_str());
    return 0;
  } catch (const std::exception& e) {
    return Fail({e.what()});
  }
}
