// The skin as a folder: the built-in skin exported for a teacher to start
// from, and the "Projector" skin shipped beside the program, a high-contrast
// variant for a classroom projector. Both are written through the engine's
// own writer and read back through the manager before they count.
#include <cmath>
#include <filesystem>
#include <stdexcept>

#include "SkinArt.h"
#include "framework/backend/headless/HeadlessBackend.h"
#include "framework/components/Application.h"
#include "skin/sSkinFileWriter.h"
#include "skin/sSkinManager.h"

namespace {

void StartFramework() {
  if (Application) return;
  InstallHeadlessBackend();
  InitializeFramework();
}

bool SameBitmap(const TBitmap* a, const TBitmap* b) {
  if (!a || !b) return a == b;
  if (a->Width() != b->Width() || a->Height() != b->Height()) return false;
  for (int y = 0; y < a->Height(); ++y)
    for (int x = 0; x < a->Width(); ++x)
      if (a->Pixel(x, y) != b->Pixel(x, y)) return false;
  return true;
}

// Gradient texts " " and "" both say "no gradient"; the text form drops
// blanks around values, so only the parsed gradient is compared exactly.
std::string GradientText(const std::string& text) { return text == " " ? "" : text; }

}  // namespace

std::vector<std::string> CompareSkinTables(const TsSkinManager& a, const TsSkinManager& b) {
  std::vector<std::string> problems;
  if (a.Sections().size() != b.Sections().size()) problems.push_back("the section counts differ");
  if (a.Masks().size() != b.Masks().size()) problems.push_back("the image counts differ");
  if (!problems.empty()) return problems;
  for (size_t i = 0; i < a.Sections().size(); ++i) {
    const TsGeneralData& x = a.Sections()[i];
    const TsGeneralData& y = b.Sections()[i];
    auto same = [](const TsGradArray& p, const TsGradArray& q) {
      if (p.size() != q.size()) return false;
      for (size_t k = 0; k < p.size(); ++k)
        if (p[k].Color1 != q[k].Color1 || p[k].Color2 != q[k].Color2 || p[k].Percent != q[k].Percent ||
            p[k].Mode != q[k].Mode)
          return false;
      return true;
    };
    const bool equal =
        x.SectionName == y.SectionName && x.ParentClass == y.ParentClass && x.Color == y.Color &&
        x.Bevel == y.Bevel && x.FontColor == y.FontColor && x.HotFontColor == y.HotFontColor &&
        x.ReservedBoolean == y.ReservedBoolean && x.ShadowBlur == y.ShadowBlur && x.ShadowColor == y.ShadowColor &&
        x.ShadowEnabled == y.ShadowEnabled && x.ShadowOffset == y.ShadowOffset &&
        x.ShadowTransparency == y.ShadowTransparency && x.Transparency == y.Transparency &&
        x.GradientPercent == y.GradientPercent && GradientText(x.GradientData) == GradientText(y.GradientData) &&
        same(x.GradientArray, y.GradientArray) && x.ImagePercent == y.ImagePercent && x.ShowFocus == y.ShowFocus &&
        x.FadingEnabled == y.FadingEnabled && x.FadingIntervalIn == y.FadingIntervalIn &&
        x.FadingIntervalOut == y.FadingIntervalOut && x.FadingIterations == y.FadingIterations &&
        x.HotColor == y.HotColor && x.HotTransparency == y.HotTransparency && x.HotBevel == y.HotBevel &&
        x.HotGradientPercent == y.HotGradientPercent &&
        GradientText(x.HotGradientData) == GradientText(y.HotGradientData) &&
        same(x.HotGradientArray, y.HotGradientArray) && x.HotImagePercent == y.HotImagePercent &&
        x.BorderColor1 == y.BorderColor1 && x.BorderColor2 == y.BorderColor2;
    if (!equal) problems.push_back("section " + std::to_string(i) + " [" + x.SectionName + "] differs");
  }
  // Images follow their sections in a skin file: compare each with the one
  // of the same section and role.
  for (const TsMaskData& x : a.Masks()) {
    const int k = b.FindMaskByNames(x.SectionName, x.PropertyName);
    if (k < 0) {
      problems.push_back("image " + x.SectionName + "." + x.PropertyName + " is missing");
      continue;
    }
    const TsMaskData& y = b.Masks()[static_cast<size_t>(k)];
    const bool equal = x.R == y.R && x.ImageCount == y.ImageCount && x.MaskType == y.MaskType &&
                       x.BorderWidth == y.BorderWidth && x.StretchMode == y.StretchMode && x.ImgType == y.ImgType &&
                       x.WL == y.WL && x.WT == y.WT && x.WR == y.WR && x.WB == y.WB &&
                       SameBitmap(x.Bmp.get(), y.Bmp.get());
    if (!equal) problems.push_back("image " + x.SectionName + "." + x.PropertyName + " differs");
  }
  if (!SameBitmap(a.MasterBitmap(), b.MasterBitmap())) problems.push_back("the master bitmaps differ");
  if (a.CommonSkinData.FontScale != b.CommonSkinData.FontScale) problems.push_back("the font scales differ");
  return problems;
}

void WriteSkinAsFolder(const TsStoredSkin& skin, const std::string& dir, int fontScale) {
  StartFramework();
  TComponent owner(nullptr);
  auto* stored = TComponent::Create<TsSkinManager>(&owner);
  stored->InternalSkins()->Add()->Assign(skin);
  stored->SetSkinName(skin.Name);
  if (!stored->CommonSkinData.Active) throw std::runtime_error("the skin " + skin.Name + " does not load");
  // A stored skin has no font scale of its own; the folder carries it.
  stored->CommonSkinData.FontScale = fontScale;
  WriteSkinFolder(*stored, dir);

  namespace fs = std::filesystem;
  const fs::path folder = fs::absolute(dir).lexically_normal();
  auto* folderManager = TComponent::Create<TsSkinManager>(&owner);
  folderManager->SetSkinDirectory(folder.parent_path().string());
  std::string error;
  folderManager->OnSkinError = [&](const std::string& message) { error = message; };
  folderManager->SetSkinName(folder.filename().string());
  if (!error.empty()) throw std::runtime_error(error);
  if (folderManager->CommonSkinData.SkinPath.empty()) throw std::runtime_error(dir + " was not read as a skin");
  std::vector<std::string> problems = CompareSkinTables(*stored, *folderManager);
  if (!problems.empty()) throw std::runtime_error(dir + " reads back differently: " + problems[0]);
}

// --- the projector skin ---

namespace {

double Luminance(int color) {
  auto channel = [](int v) {
    const double c = v / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(color & 0xFF) + 0.7152 * channel((color >> 8) & 0xFF) + 0.0722 * channel((color >> 16) & 0xFF);
}

// The window's sections, each with the section whose colour shows through
// it when it is fully transparent.
const std::vector<std::pair<std::string, std::string>> kWindowSections = {
    {"GLOBALINFO", ""}, {"FORM", ""},          {"PANEL", ""},          {"BUTTON", ""},
    {"FORMTITLE", ""},  {"GROUPBOX", "PANEL"}, {"RADIOBUTTON", "PANEL"}, {"CHECKBOX", "PANEL"},
};

// The art in black and white: every coloured pixel becomes black or white
// by its brightness. Greys stay as they are, because the mask halves below
// the pictures are grey and say how much of each pixel shows; magenta stays
// transparent.
void HighContrastArt(TBitmap& bmp) {
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x) {
      const TColor c = bmp.Pixel(x, y);
      const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
      if (c == 0xFF00FF || (r == g && g == b)) continue;
      bmp.SetPixel(x, y, Luminance(c) < 0.35 ? 0x000000 : 0xFFFFFF);
    }
}

}  // namespace

double ContrastRatio(int a, int b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TsStoredSkin& MakeProjectorSkin(TsStoredSkins& skins, const TsStoredSkin& base) {
  TsStoredSkin& skin = *skins.Add();
  skin.Assign(base);
  skin.Name = "Projector";
  skin.Description =
      "Высокий контраст для проектора в классе: чёрный текст на белом, белый заголовок на чёрном, толстые рамки, "
      "крупные подписи";
  skin.Shadow1Color = 0x000000;
  HighContrastArt(skin.MasterBitmap);
  for (int i = 0; i < skin.Images.Count(); ++i)
    if (!skin.Images[i]->Name.empty()) HighContrastArt(skin.Images[i]->Image);
  DrawProjectorArt(skin);
  for (int i = 0; i < skin.GeneralData.Count(); ++i) {
    TsSkinGeneral& s = *skin.GeneralData[i];
    s.GradientPercent = s.HotGradientPercent = 0;
    s.GradientData = s.HotGradientData = " ";
    s.FontColor = s.HotFontColor = "0 -1 -1 -1 -1";
    if (s.Color != clWhite) s.Color = 0xFFFFFF;
    s.HotColor = 0xFFFFFF;
    if (s.SectionName == "BUTTON") {
      s.Transparency = 0;
      s.HotColor = 0x80FFFF;  // pale yellow under the mouse, black text on it
    }
    if (s.SectionName == "FORMTITLE") {
      s.Color = s.HotColor = 0x000000;
      s.FontColor = s.HotFontColor = "16777215 -1 -1 -1 -1";
    }
  }
  return skin;
}

std::vector<std::string> CheckProjectorContrast(const TsStoredSkin& skin) {
  std::vector<std::string> problems;
  auto find = [&](const std::string& name) -> const TsSkinGeneral* {
    for (int i = 0; i < skin.GeneralData.Count(); ++i)
      if (skin.GeneralData[i]->SectionName == name) return skin.GeneralData[i];
    return nullptr;
  };
  for (const auto& [name, under] : kWindowSections) {
    const TsSkinGeneral* s = find(name);
    if (!s) {
      problems.push_back("Projector has no section " + name);
      continue;
    }
    const TsSkinGeneral* ground = under.empty() ? s : find(under);
    const struct {
      const char* state;
      const std::string& font;
      TColor color;
      int transparency;
      int gradient;
    } states[] = {{"normal", s->FontColor, s->Color, s->Transparency, s->GradientPercent},
                  {"hot", s->HotFontColor, s->HotColor, s->HotTransparency, s->HotGradientPercent}};
    for (const auto& st : states) {
      if (st.gradient != 0) problems.push_back(name + ": a gradient under the text");
      const int background = st.transparency >= 100 && ground ? ground->Color : st.color;
      if (st.transparency > 0 && st.transparency < 100) problems.push_back(name + ": a half-transparent ground");
      const int text = ParseFontColors(st.font)[TCMAIN];
      const double ratio = ContrastRatio(ColorToRGB(text), ColorToRGB(background));
      if (ratio < 7.0)
        problems.push_back(name + " (" + st.state + "): contrast " + std::to_string(ratio) + " is below 7");
    }
  }
  return problems;
}
