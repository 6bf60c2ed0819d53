// Where every image of the skin lies in the master bitmap, and what it is.
// Items are grouped by section in section order. A rectangle named by
// several items (the caption buttons of GLOBALINFO and FORM, the scroll
// buttons, the page controls ...) holds one drawing that all of them use.
//
// Free space was planned around the rectangles whose places are fixed: the
// button frames at the top left, the panel, the form frame, the title border,
// the radio glyphs, the caption buttons, the title button and the group box.
#include "SkinArt.h"

namespace {

constexpr TsImgType kBorder = TsImgType::itisaBorder;
constexpr TsImgType kGlyph = TsImgType::itisaGlyph;
constexpr TsImgType kTexture = TsImgType::itisaTexture;

// A nine-slice border with a mask below its frames.
TImageItem Border(std::string section, int l, int t, int r, int b, int count, int w, std::string art) {
  return {std::move(section), "BORDERSMASK", l, t, r, b, count, 1, 0, w, w, w, w, kBorder, std::move(art), ""};
}

// A glyph drawn at a point, masked.
TImageItem Glyph(std::string section, std::string property, int l, int t, int r, int b, int count,
                 std::string art) {
  return {std::move(section), std::move(property), l, t, r, b, count, 1, 0, 0, 0, 0, 0, kGlyph, std::move(art), ""};
}

// The caption buttons and the title button, the same for GLOBALINFO and FORM.
void AddCaptionButtons(std::vector<TImageItem>& table, const std::string& section) {
  table.push_back(Glyph(section, "BICONCLOSE", 156, 247, 207, 279, 3, "caption-close"));
  table.push_back(Glyph(section, "BICONHELP", 104, 247, 155, 279, 3, "caption-help"));
  // Maximise and restore share one drawing: a window outline reads as both.
  table.push_back(Glyph(section, "BICONMAX", 0, 247, 51, 279, 3, "caption-max"));
  table.push_back(Glyph(section, "BICONMIN", 52, 247, 103, 279, 3, "caption-min"));
  table.push_back(Glyph(section, "BICONNORM", 0, 247, 51, 279, 3, "caption-max"));
  TImageItem title = Glyph(section, "TITLEBUTTON", 132, 279, 183, 295, 3, "title-button");
  title.MaskType = 0;
  table.push_back(title);
}

std::vector<TImageItem> BuildTable() {
  std::vector<TImageItem> t;
  AddCaptionButtons(t, "GLOBALINFO");
  t.push_back(Glyph("GLOBALINFO", "GRIPIMAGE", 120, 180, 132, 204, 1, "grip"));
  t.push_back(Glyph("GLOBALINFO", "RADIOCHECKED", 147, 210, 195, 246, 3, "radio-checked"));
  t.push_back(Glyph("GLOBALINFO", "RADIOUNCHECKED", 98, 210, 146, 246, 3, "radio-unchecked"));
  t.push_back(Glyph("GLOBALINFO", "BOXCHECKED", 48, 210, 96, 246, 3, "box-checked"));
  t.push_back(Glyph("GLOBALINFO", "BOXUNCHECKED", 0, 210, 48, 246, 3, "box-unchecked"));
  t.push_back(Glyph("GLOBALINFO", "BOXGRAYED", 0, 118, 48, 154, 3, "box-grayed"));
  t.push_back(Glyph("GLOBALINFO", "SMALLCHECKED", 84, 180, 96, 204, 1, "small-checked"));
  t.push_back(Glyph("GLOBALINFO", "SMALLUNCHECKED", 96, 180, 108, 204, 1, "small-unchecked"));
  t.push_back(Glyph("GLOBALINFO", "SMALLGRAYED", 108, 180, 120, 204, 1, "small-grayed"));

  t.push_back(Border("MENUITEM", 48, 180, 84, 204, 3, 4, "menu-item"));
  t.push_back(Border("MAINMENU", 0, 180, 12, 204, 1, 3, "main-menu"));
  t.push_back(Glyph("COMBOBOX", "GLYPHMASK", 81, 140, 105, 156, 3, "arrow-combo"));
  t.push_back(Border("PAGECONTROL", 0, 156, 12, 180, 1, 4, "page"));
  for (const char* bar : {"SCROLLBAR1H", "SCROLLBAR2H", "SCROLLBAR1V", "SCROLLBAR2V"})
    t.push_back(Border(bar, 12, 156, 24, 180, 1, 4, "scroll-track"));
  t.push_back(Border("STATUSBAR", 24, 156, 36, 180, 1, 3, "status-bar"));
  t.push_back(Glyph("STATUSBAR", "GRIPIMAGE", 120, 180, 132, 204, 1, "grip"));
  t.push_back(Border("DIVIDER", 36, 156, 48, 180, 1, 3, "divider"));
  TImageItem group = Border("GROUPBOX", 0, 279, 12, 297, 1, 0, "group-box");
  group.WL = 4, group.WT = 3, group.WR = 4, group.WB = 3;
  t.push_back(group);
  for (const char* page : {"PAGECONTROLBOTTOM", "PAGECONTROLRIGHT", "PAGECONTROLLEFT"})
    t.push_back(Border(page, 0, 156, 12, 180, 1, 4, "page"));
  t.push_back(Border("CALCPANEL", 48, 156, 60, 180, 1, 3, "calc-panel"));
  TImageItem title = Border("FORMTITLE", 132, 180, 153, 210, 1, 0, "form-title");
  title.WL = 7, title.WT = 5, title.WR = 7, title.WB = 5;
  t.push_back(title);
  t.push_back(Border("PANEL_LOW", 60, 156, 72, 180, 1, 3, "panel-low"));
  t.push_back(Border("TOOLBAR", 72, 156, 84, 180, 1, 3, "toolbar"));
  TImageItem panel = Border("PANEL", 45, 54, 81, 90, 1, 2, "panel");
  panel.MaskType = 0, panel.BorderWidth = 2;
  t.push_back(panel);
  t.push_back(Border("EDIT", 126, 36, 162, 60, 3, 4, "edit"));
  t.push_back(Border("DRAGBAR", 108, 156, 120, 180, 1, 3, "drag-bar"));
  t.push_back(Glyph("KAVRACOMBOBOX", "GLYPHMASK", 81, 140, 105, 156, 3, "arrow-combo"));
  t.push_back(Border("PROGRESSH", 24, 180, 36, 204, 1, 3, "progress"));
  t.push_back(Border("PROGRESSV", 24, 180, 36, 204, 1, 3, "progress"));
  t.push_back(Border("GAUGE", 12, 180, 24, 204, 1, 3, "gauge"));
  t.push_back(Border("TABBOTTOM", 0, 90, 42, 118, 3, 5, "tab-bottom"));
  t.push_back(Border("TABTOP", 0, 54, 42, 82, 3, 5, "tab-top"));
  t.push_back(Border("TABLEFT", 42, 90, 84, 118, 3, 5, "tab-left"));
  t.push_back(Border("TABRIGHT", 84, 90, 126, 118, 3, 5, "tab-right"));
  // Scroll buttons and sliders share one small button; their glyphs differ.
  const std::pair<const char*, const char*> scrollPieces[] = {
      {"SCROLLBTNBOTTOM", "arrow-down"}, {"SCROLLBTNLEFT", "arrow-left"}, {"SCROLLBTNRIGHT", "arrow-right"},
      {"SCROLLBTNTOP", "arrow-up"},      {"SCROLLSLIDERH", "grip-h"},     {"SCROLLSLIDERV", "grip-v"}};
  const int glyphLeft[] = {105, 129, 153, 81, 177, 105};
  const int glyphTop[] = {66, 66, 66, 66, 66, 140};
  for (size_t i = 0; i < std::size(scrollPieces); ++i) {
    t.push_back(Border(scrollPieces[i].first, 81, 36, 126, 66, 3, 5, "scroll-button"));
    t.push_back(Glyph(scrollPieces[i].first, "GLYPHMASK", glyphLeft[i], glyphTop[i], glyphLeft[i] + 24,
                      glyphTop[i] + 16, 3, scrollPieces[i].second));
  }
  t.push_back(Border("SPEEDBUTTON_SMALL", 162, 36, 198, 60, 3, 4, "small-button"));
  TImageItem form = Border("FORM", 135, 90, 180, 135, 1, 5, "form");
  form.MaskType = 0, form.BorderWidth = 5;
  t.push_back(form);
  AddCaptionButtons(t, "FORM");
  t.push_back(Border("KAVRAEDIT", 126, 36, 162, 60, 3, 4, "edit"));
  t.push_back(Border("BAR", 84, 156, 96, 180, 1, 3, "bar"));
  t.push_back(Border("BARPANEL", 96, 156, 108, 180, 1, 3, "bar-panel"));
  t.push_back(Border("WEBBUTTON", 135, 0, 189, 36, 3, 6, "tool-button"));
  t.push_back(Border("BUTTON", 0, 0, 81, 54, 3, 9, "button"));
  t.push_back(Border("BARTITLE", 36, 180, 48, 204, 1, 3, "bar-title"));
  t.push_back({"BARTITLE", "PATTERN", 116, 279, 132, 295, 1, 0, 0, 0, 0, 0, 0, kTexture, "pattern", ""});
  t.push_back(Border("SPEEDBUTTON", 81, 0, 135, 36, 3, 6, "speed-button"));
  t.push_back(Border("TOOLBUTTON", 135, 0, 189, 36, 3, 6, "tool-button"));
  t.push_back(Border("HINT", 120, 156, 132, 180, 1, 4, "hint"));
  TImageItem channel = Border("TRACKBAR", 12, 279, 24, 291, 1, 0, "slider-channel");
  channel.Property = "SLIDERCHANNEL";
  channel.WL = 3, channel.WT = 2, channel.WR = 3, channel.WB = 2;
  t.push_back(channel);
  t.push_back(Glyph("TRACKBAR", "SLIDERMASK", 48, 118, 81, 154, 3, "slider-h"));
  t.push_back(Glyph("TRACKBAR", "SLIDERVMASK", 81, 118, 135, 140, 3, "slider-v"));
  t.push_back(Glyph("TRACKBAR", "TICKHORZ", 24, 279, 27, 289, 1, "tick-h"));
  t.push_back(Glyph("TRACKBAR", "TICKVERT", 27, 279, 32, 285, 1, "tick-v"));
  TImageItem huge = Border("BUTTON_HUGE", 0, 0, 0, 0, 3, 24, "");
  huge.Name = "BUTTONHUGE.BMP";
  t.push_back(huge);
  return t;
}

}  // namespace

const std::vector<TImageItem>& ImageTable() {
  static const std::vector<TImageItem> table = BuildTable();
  return table;
}
