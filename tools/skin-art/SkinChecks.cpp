// What the stored skin must be before it may be written: the counts, names,
// fixed values, rectangles and file sizes that the trainer's window and the
// rest of the program rely on. These restate the required content on
// purpose, apart from the tables that produce it, so that a slip in either
// stops the generator instead of reaching the description.
#include <algorithm>
#include <map>

#include "SkinArt.h"
#include "framework/graphics/BmpCodec.h"

namespace {

const char* const kSections[][2] = {
    {"GLOBALINFO", ""}, {"SPLITTER", "SPEEDBUTTON_SMALL"}, {"MENUITEM", ""}, {"MAINMENU", ""},
    {"COMBOBOX", "EDIT"}, {"MENULINE", ""}, {"PAGECONTROL", ""}, {"SCROLLBAR1H", ""}, {"SCROLLBAR2H", ""},
    {"SCROLLBAR1V", ""}, {"SCROLLBAR2V", ""}, {"STATUSBAR", ""}, {"DIVIDER", ""}, {"GROUPBOX", ""},
    {"PAGECONTROLBOTTOM", "PAGECONTROL"}, {"TABCONTROL", "PAGECONTROL"}, {"TABCONTROLBOTTOM", "PAGECONTROLBOTTOM"},
    {"TABCONTROLLEFT", "PAGECONTROLLEFT"}, {"TABCONTROLRIGHT", "PAGECONTROLRIGHT"}, {"PAGECONTROLRIGHT", "PAGECONTROL"},
    {"PAGECONTROLLEFT", "PAGECONTROL"}, {"CALCPANEL", ""}, {"FORMTITLE", ""}, {"PANEL_LOW", ""}, {"DIALOG", "FORM"},
    {"TOOLBAR", ""}, {"PANEL", ""}, {"EDIT", ""}, {"DRAGBAR", ""}, {"KAVRACOMBOBOX", "KAVRAEDIT"}, {"PROGRESSH", ""},
    {"PROGRESSV", ""}, {"GAUGE", ""}, {"TABBOTTOM", ""}, {"TABTOP", ""}, {"TABLEFT", ""}, {"TABRIGHT", ""},
    {"SCROLLBTNBOTTOM", ""}, {"SCROLLBTNLEFT", ""}, {"SCROLLBTNRIGHT", ""}, {"SCROLLBTNTOP", ""},
    {"SCROLLSLIDERH", ""}, {"SCROLLSLIDERV", ""}, {"SPEEDBUTTON_SMALL", ""}, {"FORM", ""}, {"KAVRAEDIT", ""},
    {"BAR", ""}, {"BARPANEL", ""}, {"WEBBUTTON", ""}, {"RADIOBUTTON", ""}, {"CHECKBOX", ""},
    {"BUTTON_BIG", "BUTTON"}, {"BUTTON", ""}, {"BARTITLE", ""}, {"SPEEDBUTTON", ""}, {"TOOLBUTTON", ""},
    {"EXTRALINE", ""}, {"GRIPH", ""}, {"HINT", ""}, {"TRACKBAR", ""}, {"BUTTON_HUGE", ""}, {"", ""}};

struct TWindowSection {
  const char* Name;
  TColor Color;
  int Transparency;
  int GradientPercent;
  const char* GradientData;
  const char* FontColor;
  const char* HotFontColor;
  bool Fading;
  TColor HotColor;
  int HotTransparency;
  int HotGradientPercent;
  const char* HotGradientData;
  bool ShowFocus;
};

const TWindowSection kWindowSections[] = {
    {"GLOBALINFO", 15847088, 0, 0, " ", "0 6308382 -1 -1 -1", "0 -1 -1 -1 -1", false, clWhite, 0, 0, " ", false},
    {"PANEL", 15390916, 0, 100, "14396279;14730921;99;0;0;14730921;14730921;0;0;0", "0 -1 -1 -1 -1",
     "0 -1 -1 -1 -1", false, clWhite, 0, 0, " ", false},
    {"BUTTON", clWhite, 50, 100, "16777215;11237449;99;0;0;11237449;11237449;0;0;0", "5454116 -1 -1 -1 -1",
     "0 -1 -1 -1 -1", true, clWhite, 0, 100, "16777215;13732910;99;0;0;13732910;13732910;0;0;0", true},
    {"GROUPBOX", 14215660, 100, 0, " ", "0 -1 -1 -1 -1", "0 -1 -1 -1 -1", false, clWhite, 0, 0, " ", false},
    {"RADIOBUTTON", clWhite, 100, 0, " ", "0 -1 -1 -1 -1", "0 -1 -1 -1 -1", true, clWhite, 100, 0, " ", false},
    {"CHECKBOX", clWhite, 100, 0, " ", "0 -1 -1 -1 -1", "0 -1 -1 -1 -1", true, clWhite, 100, 0, " ", false},
    {"FORM", 14998481, 0, 0, " ", "0 -1 -1 -1 -1", "0 -1 -1 -1 -1", false, 14998481, 0, 0, " ", false},
    {"FORMTITLE", clWhite, 0, 100,
     "15985380;15322048;23;0;0;15322048;11107158;63;0;0;11107158;12550976;13;0;0;12550976;12550976;0;0;0",
     "16777181 -1 -1 12615808 12615808", "16777181 -1 -1 8140820 8140820", false, clWhite, 0, 100,
     "15190957;14195561;15;0;0;14195561;11957577;71;0;0;11957577;12550976;12;0;0;12550976;12550976;0;0;0", false},
};

struct TFixedImage {
  const char* Section;
  const char* Property;
  int L, T, R, B, Count, Mask, BorderWidth, WL, WT, WR, WB;
  TsImgType Type;
};

constexpr TsImgType kB = TsImgType::itisaBorder, kG = TsImgType::itisaGlyph;
const TFixedImage kFixedImages[] = {
    {"BUTTON", "BORDERSMASK", 0, 0, 81, 54, 3, 1, 0, 9, 9, 9, 9, kB},
    {"PANEL", "BORDERSMASK", 45, 54, 81, 90, 1, 0, 2, 2, 2, 2, 2, kB},
    {"GROUPBOX", "BORDERSMASK", 0, 279, 12, 297, 1, 1, 0, 4, 3, 4, 3, kB},
    {"FORM", "BORDERSMASK", 135, 90, 180, 135, 1, 0, 5, 5, 5, 5, 5, kB},
    {"FORMTITLE", "BORDERSMASK", 132, 180, 153, 210, 1, 1, 0, 7, 5, 7, 5, kB},
    {"GLOBALINFO", "RADIOUNCHECKED", 98, 210, 146, 246, 3, 1, 0, 0, 0, 0, 0, kG},
    {"GLOBALINFO", "RADIOCHECKED", 147, 210, 195, 246, 3, 1, 0, 0, 0, 0, 0, kG},
    {"GLOBALINFO", "BICONMIN", 52, 247, 103, 279, 3, 1, 0, 0, 0, 0, 0, kG},
    {"GLOBALINFO", "BICONMAX", 0, 247, 51, 279, 3, 1, 0, 0, 0, 0, 0, kG},
    {"GLOBALINFO", "BICONNORM", 0, 247, 51, 279, 3, 1, 0, 0, 0, 0, 0, kG},
    {"GLOBALINFO", "BICONHELP", 104, 247, 155, 279, 3, 1, 0, 0, 0, 0, 0, kG},
    {"GLOBALINFO", "BICONCLOSE", 156, 247, 207, 279, 3, 1, 0, 0, 0, 0, 0, kG},
    {"GLOBALINFO", "TITLEBUTTON", 132, 279, 183, 295, 3, 0, 0, 0, 0, 0, 0, kG},
};

const std::map<std::string, int> kPropertyCounts = {
    {"BORDERSMASK", 45}, {"GLYPHMASK", 8}, {"BICONCLOSE", 2}, {"BICONHELP", 2}, {"BICONMAX", 2},
    {"BICONMIN", 2}, {"BICONNORM", 2}, {"GRIPIMAGE", 2}, {"TITLEBUTTON", 2}, {"BOXCHECKED", 1},
    {"BOXUNCHECKED", 1}, {"BOXGRAYED", 1}, {"RADIOCHECKED", 1}, {"RADIOUNCHECKED", 1}, {"SMALLCHECKED", 1},
    {"SMALLUNCHECKED", 1}, {"SMALLGRAYED", 1}, {"PATTERN", 1}, {"SLIDERCHANNEL", 1}, {"SLIDERMASK", 1},
    {"SLIDERVMASK", 1}, {"TICKHORZ", 1}, {"TICKVERT", 1}};

const char* const kCaptionProperties[] = {"BICONMIN", "BICONMAX", "BICONNORM", "BICONHELP", "BICONCLOSE",
                                          "TITLEBUTTON"};

class TProblems {
 public:
  void Expect(bool ok, const std::string& what) {
    if (!ok) list.push_back(what);
  }
  template <class T>
  void Equal(const T& actual, const T& expected, const std::string& what) {
    if (!(actual == expected)) list.push_back(what);
  }
  std::vector<std::string> list;
};

const TsSkinGeneral* FindSection(const TsStoredSkin& skin, const std::string& name) {
  for (int i = 0; i < skin.GeneralData.Count(); ++i)
    if (skin.GeneralData[i]->SectionName == name) return skin.GeneralData[i];
  return nullptr;
}

const TsSkinImage* FindImage(const TsStoredSkin& skin, const std::string& section, const std::string& property) {
  for (int i = 0; i < skin.Images.Count(); ++i)
    if (skin.Images[i]->SectionName == section && skin.Images[i]->PropertyName == property) return skin.Images[i];
  return nullptr;
}

void CheckSections(const TsStoredSkin& skin, TProblems& p) {
  p.Equal(skin.GeneralData.Count(), 62, "the skin must have 62 sections");
  const int n = std::min(skin.GeneralData.Count(), static_cast<int>(std::size(kSections)));
  for (int i = 0; i < n; ++i) {
    const TsSkinGeneral& g = *skin.GeneralData[i];
    p.Equal(g.SectionName, std::string(kSections[i][0]), "section " + std::to_string(i) + " must be '" +
                                                             kSections[i][0] + "'");
    p.Equal(g.ParentClass, std::string(kSections[i][1]), "section '" + g.SectionName + "' has a wrong parent");
  }
  for (const TWindowSection& w : kWindowSections) {
    const TsSkinGeneral* g = FindSection(skin, w.Name);
    const std::string at = std::string("section ") + w.Name + ": ";
    if (!g) {
      p.Expect(false, at + "missing");
      continue;
    }
    p.Equal(g->Color, w.Color, at + "Color");
    p.Equal(g->Transparency, w.Transparency, at + "Transparency");
    p.Equal(g->GradientPercent, w.GradientPercent, at + "GradientPercent");
    p.Equal(g->GradientData, std::string(w.GradientData), at + "GradientData");
    p.Equal(g->FontColor, std::string(w.FontColor), at + "FontColor");
    p.Equal(g->HotFontColor, std::string(w.HotFontColor), at + "HotFontColor");
    p.Equal(g->FadingEnabled, w.Fading, at + "FadingEnabled");
    p.Equal(g->FadingIterations, w.Fading ? 20 : 5, at + "FadingIterations");
    p.Equal(g->HotColor, w.HotColor, at + "HotColor");
    p.Equal(g->HotTransparency, w.HotTransparency, at + "HotTransparency");
    p.Equal(g->HotGradientPercent, w.HotGradientPercent, at + "HotGradientPercent");
    p.Equal(g->HotGradientData, std::string(w.HotGradientData), at + "HotGradientData");
    p.Equal(g->ShowFocus, w.ShowFocus, at + "ShowFocus");
    p.Expect(g->Bevel == TsControlBevel::cbNone && g->HotBevel == TsControlBevel::cbNone, at + "bevels");
    p.Expect(g->ImagePercent == 0 && g->HotImagePercent == 0, at + "image percents");
    p.Expect(g->ParentClass.empty(), at + "ParentClass");
  }
}

void CheckImages(const TsStoredSkin& skin, TProblems& p) {
  p.Equal(skin.Images.Count(), 81, "the skin must have 81 images");
  std::map<std::string, int> properties;
  int borders = 0, glyphs = 0, textures = 0;
  int lastSection = -1;
  for (int i = 0; i < skin.Images.Count(); ++i) {
    const TsSkinImage& im = *skin.Images[i];
    const std::string at = "image " + std::to_string(i) + " (" + im.SectionName + "." + im.PropertyName + "): ";
    ++properties[im.PropertyName];
    borders += im.ImgType == TsImgType::itisaBorder;
    glyphs += im.ImgType == TsImgType::itisaGlyph;
    textures += im.ImgType == TsImgType::itisaTexture;
    p.Expect(im.StretchMode == (im.ImgType == TsImgType::itisaBorder ? 1 : 0), at + "StretchMode");
    p.Expect(im.ImageCount >= 1 && (im.MaskType == 0 || im.MaskType == 1), at + "frames or mask type");
    // Images are grouped by section, in section order.
    int section = -1;
    for (int s = 0; s < skin.GeneralData.Count(); ++s)
      if (skin.GeneralData[s]->SectionName == im.SectionName) section = s;
    p.Expect(section >= 0, at + "names no section");
    p.Expect(section >= lastSection, at + "is out of section order");
    lastSection = std::max(lastSection, section);
    if (!im.Name.empty()) continue;
    p.Expect(im.Left >= 0 && im.Top >= 0 && im.Right <= kMasterWidth && im.Bottom <= kMasterHeight &&
                 im.Left < im.Right && im.Top < im.Bottom,
             at + "rectangle outside the master bitmap");
    p.Expect(im.ImageCount >= 1 && (im.Right - im.Left) % im.ImageCount == 0, at + "width not a whole number of frames");
    p.Expect(im.MaskType == 0 || (im.Bottom - im.Top) % 2 == 0, at + "masked height must be even");
  }
  for (const auto& [name, count] : kPropertyCounts) {
    const auto it = properties.find(name);
    p.Equal(it == properties.end() ? 0 : it->second, count, "property " + name + " count");
  }
  p.Equal(properties.size(), kPropertyCounts.size(), "image property names other than the required ones");
  p.Equal(borders, 46, "46 border images");
  p.Equal(glyphs, 34, "34 glyph images");
  p.Equal(textures, 1, "1 texture image");

  for (const TFixedImage& f : kFixedImages) {
    const TsSkinImage* im = FindImage(skin, f.Section, f.Property);
    const std::string at = std::string(f.Section) + "." + f.Property + ": ";
    if (!im) {
      p.Expect(false, at + "missing");
      continue;
    }
    p.Expect(im->Left == f.L && im->Top == f.T && im->Right == f.R && im->Bottom == f.B, at + "rectangle");
    p.Expect(im->ImageCount == f.Count && im->MaskType == f.Mask && im->BorderWidth == f.BorderWidth, at + "kind");
    p.Expect(im->WL == f.WL && im->WT == f.WT && im->WR == f.WR && im->WB == f.WB, at + "border widths");
    p.Expect(im->ImgType == f.Type, at + "ImgType");
  }
  for (const char* property : kCaptionProperties) {
    const TsSkinImage* global = FindImage(skin, "GLOBALINFO", property);
    const TsSkinImage* form = FindImage(skin, "FORM", property);
    p.Expect(global && form && global->Left == form->Left && global->Top == form->Top &&
                 global->Right == form->Right && global->Bottom == form->Bottom &&
                 global->ImageCount == form->ImageCount && global->MaskType == form->MaskType,
             std::string("FORM.") + property + " must repeat GLOBALINFO's");
  }
}

void CheckHuge(const TsStoredSkin& skin, const std::vector<uint8_t>& hugeFile, TProblems& p) {
  const TsSkinImage* huge = FindImage(skin, "BUTTON_HUGE", "BORDERSMASK");
  if (!huge) return p.Expect(false, "BUTTON_HUGE.BORDERSMASK missing");
  p.Equal(huge->Name, std::string("BUTTONHUGE.BMP"), "BUTTON_HUGE image name");
  p.Expect(huge->Image.Width() == kHugeWidth && huge->Image.Height() == kHugeHeight, "BUTTONHUGE.BMP size");
  p.Expect(huge->ImageCount == 3 && huge->MaskType == 1, "BUTTONHUGE.BMP frames");
  p.Expect(huge->Left == 0 && huge->Top == 0 && huge->Right == 0 && huge->Bottom == 0, "BUTTONHUGE.BMP rectangle");
  p.Equal(hugeFile.size(), kHugeFileSize, "BUTTONHUGE.BMP must be " + std::to_string(kHugeFileSize) + " bytes");
  TMemoryStream stored;
  huge->Image.SaveToStream(stored);
  p.Expect(stored.Bytes() == hugeFile, "BUTTONHUGE.BMP must be stored as the bytes written");
}

// Mask halves must hold pure greys: anything else would be read as a tinted
// transparency.
void CheckMasks(const TsStoredSkin& skin, TProblems& p) {
  for (int i = 0; i < skin.Images.Count(); ++i) {
    const TsSkinImage& im = *skin.Images[i];
    if (im.MaskType != 1) continue;
    const TBitmap& bitmap = im.Name.empty() ? skin.MasterBitmap : im.Image;
    const int left = im.Name.empty() ? im.Left : 0, top = im.Name.empty() ? im.Top : 0;
    const int right = im.Name.empty() ? im.Right : bitmap.Width();
    const int bottom = im.Name.empty() ? im.Bottom : bitmap.Height();
    bool grey = true;
    for (int y = top + (bottom - top) / 2; y < bottom; ++y)
      for (int x = left; x < right; ++x) {
        const TColor c = bitmap.Pixel(x, y);
        grey = grey && (c & 0xFF) == ((c >> 8) & 0xFF) && (c & 0xFF) == ((c >> 16) & 0xFF);
      }
    p.Expect(grey, "image " + im.SectionName + "." + im.PropertyName + ": mask holds a non-grey pixel");
  }
}

// Edges are tiled or stretched along their length, so each column of a side
// edge and each row of a top or bottom edge must hold one colour (and one
// mask grey) from end to end, or the stretch would smear a corner's detail.
void CheckUniformEdges(const TsStoredSkin& skin, TProblems& p) {
  for (int i = 0; i < skin.Images.Count(); ++i) {
    const TsSkinImage& im = *skin.Images[i];
    if (im.ImgType != TsImgType::itisaBorder) continue;
    const TBitmap& bitmap = im.Name.empty() ? skin.MasterBitmap : im.Image;
    const int left = im.Name.empty() ? im.Left : 0, top = im.Name.empty() ? im.Top : 0;
    const int width = (im.Name.empty() ? im.Right - im.Left : bitmap.Width()) / std::max(im.ImageCount, 1);
    const int height = (im.Name.empty() ? im.Bottom - im.Top : bitmap.Height()) / (im.MaskType == 1 ? 2 : 1);
    bool uniform = true;
    for (int f = 0; f < im.ImageCount; ++f) {
      const int x0 = left + f * width;
      for (int half = 0; half < (im.MaskType == 1 ? 2 : 1); ++half) {
        const int y0 = top + half * height;
        for (int x = 0; x < width; ++x)  // side edges: one colour per column
          for (int y = im.WT + 1; y < height - im.WB; ++y)
            if (x < im.WL || x >= width - im.WR)
              uniform = uniform && bitmap.Pixel(x0 + x, y0 + y) == bitmap.Pixel(x0 + x, y0 + im.WT);
        for (int y = 0; y < height; ++y)  // top and bottom edges: one colour per row
          for (int x = im.WL + 1; x < width - im.WR; ++x)
            if (y < im.WT || y >= height - im.WB)
              uniform = uniform && bitmap.Pixel(x0 + x, y0 + y) == bitmap.Pixel(x0 + im.WL, y0 + y);
      }
    }
    p.Expect(uniform, "border " + im.SectionName + "." + im.PropertyName + ": an edge changes along its length");
  }
}

}  // namespace

std::vector<std::string> CheckSkin(const TsStoredSkin& skin, const std::vector<uint8_t>& masterFile,
                                   const std::vector<uint8_t>& hugeFile) {
  TProblems p;
  p.Equal(skin.Name, std::string("NextKavra (internal)"), "skin name");
  p.Equal(skin.Version, 5.0, "skin version");
  p.Expect(skin.Shadow1Color == 13022873 && skin.Shadow1Offset == 3 && skin.Shadow1Blur == 2 &&
               skin.Shadow1Transparency == 50,
           "shadow values");
  p.Equal(skin.Patterns.Count(), 0, "the skin has no patterns");
  CheckSections(skin, p);
  CheckImages(skin, p);
  CheckHuge(skin, hugeFile, p);
  p.Expect(skin.MasterBitmap.Width() == kMasterWidth && skin.MasterBitmap.Height() == kMasterHeight,
           "master bitmap size");
  p.Expect(skin.MasterBitmap.PixelFormat() == TPixelFormat::pf8bit, "master bitmap must stay 8-bit");
  p.Equal(masterFile.size(), kMasterFileSize, "master bitmap must be " + std::to_string(kMasterFileSize) + " bytes");
  TMemoryStream stored;
  skin.MasterBitmap.SaveToStream(stored);
  p.Expect(stored.Bytes() == masterFile, "master bitmap must be stored as the bytes written");
  CheckMasks(skin, p);
  CheckUniformEdges(skin, p);
  return p.list;
}

std::vector<std::string> CheckLayout(const std::vector<TImageItem>& table) {
  std::vector<std::string> problems;
  for (size_t i = 0; i < table.size(); ++i)
    for (size_t j = i + 1; j < table.size(); ++j) {
      const TImageItem &a = table[i], &b = table[j];
      if (!a.Name.empty() || !b.Name.empty()) continue;
      const bool same = a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
      if (same) {
        if (a.Art != b.Art || a.ImageCount != b.ImageCount || a.MaskType != b.MaskType)
          problems.push_back(a.Section + "." + a.Property + " and " + b.Section + "." + b.Property +
                             " share a rectangle but not its drawing");
        continue;
      }
      const bool overlap = a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
      if (overlap)
        problems.push_back(a.Section + "." + a.Property + " overlaps " + b.Section + "." + b.Property);
    }
  return problems;
}
