// The sections of the stored skin, in stored order. The sections the trainer's
// window uses (GLOBALINFO, PANEL, BUTTON, GROUPBOX, RADIOBUTTON, CHECKBOX,
// FORM, FORMTITLE) carry the values its look was designed around; the rest
// give every other kind of control a matching blue-and-white look.
#include <string>

#include "SkinArt.h"

namespace {

// A top-to-bottom gradient in the stored form: two stops, then the closing
// stop that holds the last colour.
std::string Grad(int top, int bottom) {
  return std::to_string(top) + ";" + std::to_string(bottom) + ";99;0;0;" + std::to_string(bottom) + ";" +
         std::to_string(bottom) + ";0;0;0";
}

const std::string kNone = " ";  // the stored "no gradient"
const std::string kPlainFont = "0 -1 -1 -1 -1";
const std::string kNavyFont = "6308382 -1 -1 -1 -1";
const std::string kWhiteFont = "16777215 -1 -1 -1 -1";

// Light tints of the ground used by the controls outside the window.
constexpr int kPale = 0xFAF0E6;
constexpr int kMist = 0xF5E2CF;
constexpr int kHotTint = 0xF7DCC2;

struct TSectionRow {
  std::string Name;
  std::string Parent = "";
  int Color = skin_colors::Ground;
  int Transparency = 0;
  std::string Gradient = kNone;  // GradientPercent is 100 when a gradient is given
  std::string FontColor = kPlainFont;
  std::string HotFontColor = kPlainFont;
  int FadingIterations = 0;  // 0: no fading
  int HotColor = clWhite;
  int HotTransparency = 0;
  std::string HotGradient = kNone;
  bool ShowFocus = false;
};

const std::vector<TSectionRow>& Rows() {
  using namespace skin_colors;
  const std::string button = Grad(0xFFFFFF, 11237449);
  const std::string buttonHot = Grad(0xFFFFFF, 13732910);
  const std::string page = Grad(kPale, Panel);
  const std::string small = Grad(0xFDF6EE, 0xEED2B4);
  const std::string smallHot = Grad(0xFFFFFF, 0xF0C890);
  const std::string tab = Grad(0xFCF6F0, 0xEAD2BA);
  const std::string tabHot = Grad(0xFFFFFF, 0xF5DEC6);
  const std::string title = Grad(Bright, Steel);
  static const std::vector<TSectionRow> rows = {
      {.Name = "GLOBALINFO", .Color = 15847088, .FontColor = "0 6308382 -1 -1 -1"},
      {.Name = "SPLITTER", .Parent = "SPEEDBUTTON_SMALL", .Transparency = 100, .HotColor = kHotTint},
      {.Name = "MENUITEM", .Color = kPale, .HotFontColor = kNavyFont, .HotColor = kHotTint,
       .HotGradient = Grad(0xFBEBDA, 0xF2D0A8)},
      {.Name = "MAINMENU", .Gradient = Grad(0xFCF4EC, Ground)},
      {.Name = "COMBOBOX", .Parent = "EDIT", .Color = White, .FadingIterations = 10},
      {.Name = "MENULINE", .Color = 0xD9B48F, .HotColor = 0xD9B48F},
      {.Name = "PAGECONTROL", .Color = Panel, .Gradient = page, .HotColor = Panel},
      {.Name = "SCROLLBAR1H", .Color = kMist, .HotColor = 0xF0D2B4},
      {.Name = "SCROLLBAR2H", .Color = kMist, .HotColor = 0xF0D2B4},
      {.Name = "SCROLLBAR1V", .Color = kMist, .HotColor = 0xF0D2B4},
      {.Name = "SCROLLBAR2V", .Color = kMist, .HotColor = 0xF0D2B4},
      {.Name = "STATUSBAR", .Gradient = Grad(0xF5DEC6, 0xE9C29C), .HotColor = Ground},
      {.Name = "DIVIDER", .Transparency = 100, .HotTransparency = 100},
      {.Name = "GROUPBOX", .Color = 14215660, .Transparency = 100},
      {.Name = "PAGECONTROLBOTTOM", .Parent = "PAGECONTROL", .Color = Panel, .Gradient = page, .HotColor = Panel},
      {.Name = "TABCONTROL", .Parent = "PAGECONTROL", .Color = Panel, .Gradient = page, .HotColor = Panel},
      {.Name = "TABCONTROLBOTTOM", .Parent = "PAGECONTROLBOTTOM", .Color = Panel, .Gradient = page,
       .HotColor = Panel},
      {.Name = "TABCONTROLLEFT", .Parent = "PAGECONTROLLEFT", .Color = Panel, .Gradient = page, .HotColor = Panel},
      {.Name = "TABCONTROLRIGHT", .Parent = "PAGECONTROLRIGHT", .Color = Panel, .Gradient = page,
       .HotColor = Panel},
      {.Name = "PAGECONTROLRIGHT", .Parent = "PAGECONTROL", .Color = Panel, .Gradient = page, .HotColor = Panel},
      {.Name = "PAGECONTROLLEFT", .Parent = "PAGECONTROL", .Color = Panel, .Gradient = page, .HotColor = Panel},
      {.Name = "CALCPANEL", .Color = kPale, .HotColor = kPale},
      {.Name = "FORMTITLE",
       .Color = clWhite,
       .Gradient = "15985380;15322048;23;0;0;15322048;11107158;63;0;0;11107158;12550976;13;0;0;12550976;"
                   "12550976;0;0;0",
       .FontColor = "16777181 -1 -1 12615808 12615808",
       .HotFontColor = "16777181 -1 -1 8140820 8140820",
       .HotGradient = "15190957;14195561;15;0;0;14195561;11957577;71;0;0;11957577;12550976;12;0;0;12550976;"
                      "12550976;0;0;0"},
      {.Name = "PANEL_LOW", .Color = 0xF0DCC8, .HotColor = 0xF0DCC8},
      {.Name = "DIALOG", .Parent = "FORM", .Color = 14998481, .HotColor = 14998481},
      {.Name = "TOOLBAR", .Gradient = Grad(0xFCF4EC, 0xEAD0B2), .HotColor = Ground},
      {.Name = "PANEL", .Color = 15390916, .Gradient = "14396279;14730921;99;0;0;14730921;14730921;0;0;0"},
      {.Name = "EDIT", .Color = White, .FadingIterations = 10},
      {.Name = "DRAGBAR", .Color = Steel, .Gradient = title, .FontColor = kWhiteFont, .HotFontColor = kWhiteFont,
       .HotColor = Bright, .HotGradient = title},
      {.Name = "KAVRACOMBOBOX", .Parent = "KAVRAEDIT", .Color = White, .FadingIterations = 10},
      {.Name = "PROGRESSH", .Color = 0xF8EADC, .HotColor = 0xF8EADC},
      {.Name = "PROGRESSV", .Color = 0xF8EADC, .HotColor = 0xF8EADC},
      {.Name = "GAUGE", .Color = 0xF8EADC, .HotColor = 0xF8EADC},
      {.Name = "TABBOTTOM", .Color = Panel, .Gradient = tab, .FadingIterations = 10, .HotGradient = tabHot},
      {.Name = "TABTOP", .Color = Panel, .Gradient = tab, .FadingIterations = 10, .HotGradient = tabHot},
      {.Name = "TABLEFT", .Color = Panel, .Gradient = tab, .FadingIterations = 10, .HotGradient = tabHot},
      {.Name = "TABRIGHT", .Color = Panel, .Gradient = tab, .FadingIterations = 10, .HotGradient = tabHot},
      {.Name = "SCROLLBTNBOTTOM", .Color = 0xF7E6D4, .Gradient = small, .FadingIterations = 10,
       .HotGradient = smallHot},
      {.Name = "SCROLLBTNLEFT", .Color = 0xF7E6D4, .Gradient = small, .FadingIterations = 10,
       .HotGradient = smallHot},
      {.Name = "SCROLLBTNRIGHT", .Color = 0xF7E6D4, .Gradient = small, .FadingIterations = 10,
       .HotGradient = smallHot},
      {.Name = "SCROLLBTNTOP", .Color = 0xF7E6D4, .Gradient = small, .FadingIterations = 10,
       .HotGradient = smallHot},
      {.Name = "SCROLLSLIDERH", .Color = 0xF7E6D4, .Gradient = small, .FadingIterations = 10,
       .HotGradient = smallHot},
      {.Name = "SCROLLSLIDERV", .Color = 0xF7E6D4, .Gradient = small, .FadingIterations = 10,
       .HotGradient = smallHot},
      {.Name = "SPEEDBUTTON_SMALL", .Color = 0xF7E6D4, .Gradient = small, .FadingIterations = 10,
       .HotGradient = smallHot},
      {.Name = "FORM", .Color = 14998481, .HotColor = 14998481},
      {.Name = "KAVRAEDIT", .Color = White, .FadingIterations = 10},
      {.Name = "BAR", .Gradient = Grad(0xF8E6D4, 0xE8C8A6), .HotColor = Ground},
      {.Name = "BARPANEL", .HotColor = Ground},
      {.Name = "WEBBUTTON", .Transparency = 100, .FontColor = "13732910 -1 -1 -1 -1", .HotFontColor = kNavyFont,
       .HotTransparency = 100},
      {.Name = "RADIOBUTTON", .Color = clWhite, .Transparency = 100, .FadingIterations = 20, .HotTransparency = 100},
      {.Name = "CHECKBOX", .Color = clWhite, .Transparency = 100, .FadingIterations = 20, .HotTransparency = 100},
      {.Name = "BUTTON_BIG", .Parent = "BUTTON", .Color = clWhite, .Transparency = 50, .Gradient = button,
       .FontColor = "5454116 -1 -1 -1 -1", .FadingIterations = 20, .HotGradient = buttonHot, .ShowFocus = true},
      {.Name = "BUTTON", .Color = clWhite, .Transparency = 50, .Gradient = button,
       .FontColor = "5454116 -1 -1 -1 -1", .FadingIterations = 20, .HotGradient = buttonHot, .ShowFocus = true},
      {.Name = "BARTITLE", .Color = Steel, .Gradient = title, .FontColor = kWhiteFont, .HotFontColor = kWhiteFont,
       .HotColor = Bright, .HotGradient = title},
      {.Name = "SPEEDBUTTON", .Color = 0xF7E6D4, .Transparency = 30, .Gradient = button, .FadingIterations = 10,
       .HotGradient = buttonHot},
      {.Name = "TOOLBUTTON", .Transparency = 100, .FadingIterations = 10, .HotGradient = smallHot},
      {.Name = "EXTRALINE", .Color = Steel, .HotColor = Steel},
      {.Name = "GRIPH", .Transparency = 100, .HotTransparency = 100},
      {.Name = "HINT", .Color = 0xFFF8F0, .Gradient = Grad(White, 0xF8E8D8), .FontColor = kNavyFont},
      {.Name = "TRACKBAR", .Transparency = 100, .HotTransparency = 100},
      {.Name = "BUTTON_HUGE", .Color = clWhite, .Transparency = 50, .Gradient = button, .FontColor = "5454116 -1 -1 -1 -1",
       .FadingIterations = 20, .HotGradient = buttonHot, .ShowFocus = true},
      {.Name = "", .Color = clWhite},
  };
  return rows;
}

}  // namespace

void AddSections(TsStoredSkin& skin) {
  for (const TSectionRow& row : Rows()) {
    TsSkinGeneral& g = *skin.GeneralData.Add();
    g.SectionName = row.Name;
    g.ParentClass = row.Parent;
    g.Color = row.Color;
    g.Transparency = row.Transparency;
    g.GradientPercent = row.Gradient == kNone ? 0 : 100;
    g.GradientData = row.Gradient;
    g.FontColor = row.FontColor;
    g.HotFontColor = row.HotFontColor;
    g.FadingEnabled = row.FadingIterations > 0;
    g.FadingIterations = row.FadingIterations > 0 ? row.FadingIterations : 5;
    g.FadingIntervalIn = 5;
    g.FadingIntervalOut = 5;
    g.HotColor = row.HotColor;
    g.HotTransparency = row.HotTransparency;
    g.HotGradientPercent = row.HotGradient == kNone ? 0 : 100;
    g.HotGradientData = row.HotGradient;
    g.ShowFocus = row.ShowFocus;
  }
}
