// The "Projector" skin's own art for every image the trainer's window shows:
// black outlines four pixels thick, white and yellow grounds, symbols two
// pixels wide, so that the window still reads from the back of a classroom
// through a washed-out projector.
//
// Borders are drawn without a mask. The engine lays the edges of a masked
// border through a lighter reading of its mask, so a black edge would come
// out at most 61 % dark; a picture without a mask is copied as it is. That
// asks two things of the drawings: an edge piece holds nothing but the
// outline (its border width is the outline's width, so nothing transparent
// or coloured by the control's state lies in it), and a rounded corner fits
// in its corner square (the outer radius is at most the outline's width).
// The border's own width tells the engine to leave the middle alone, where
// the control's background shows.
#include <algorithm>

#include "SkinArt.h"

namespace {

using namespace skin_colors;

const TArtRgb kInk = ArtRgb(0x000000);
const TArtRgb kPaper = ArtRgb(0xFFFFFF);
const TArtRgb kYellow = ArtRgb(0x00FFFF);     // the title's underline, a hot caption button
const TArtRgb kPaleYellow = ArtRgb(0x80FFFF);  // a button's ground under the mouse
const TArtRgb kPressedGrey = ArtRgb(0xD8D8D8);
const TArtRgb kRed = ArtRgb(0x1010D0);  // the close button under the mouse

constexpr float kButtonLine = 4;
constexpr float kGroupLine = 3;
constexpr int kPanelLine = 3;
constexpr float kWindowCorner = 5;
constexpr float kTitleUnderline = 2;

float W(const TArtCanvas& f) { return static_cast<float>(f.Width()); }
float H(const TArtCanvas& f) { return static_cast<float>(f.Height()); }

// A rounded outline `line` thick along the frame's edge. The corner radius
// equals the line, so the inner corner is square and lies inside the corner
// square of a border `line` wide.
void DrawThickOutline(TArtCanvas& f, float line) {
  f.Fill(Stroke(RoundRect(0, 0, W(f), H(f), line), line), kInk);
}

// Panels are square: three black rows and columns, nothing else.
void DrawPanel(TArtCanvas& f, int) {
  for (int y = 0; y < f.Height(); ++y)
    for (int x = 0; x < f.Width(); ++x) {
      const int ring = std::min(std::min(x, y), std::min(f.Width() - 1 - x, f.Height() - 1 - y));
      if (ring < kPanelLine) f.Put(x, y, kInk, 1);
    }
}

// The window's frame: black to its rounded outer corners; its inner rows
// lie under the client area.
void DrawForm(TArtCanvas& f, int) {
  const TSdf outline = RoundRect(0, 0, W(f), H(f), kWindowCorner);
  f.Fill(Stroke(outline, kWindowCorner), kInk);
}

// The title band is black: black to its rounded top corners, and a yellow
// line along its bottom against the white client area.
void DrawFormTitle(TArtCanvas& f, int) {
  const TSdf body = RoundRect(0, 0, W(f), H(f) + 2 * kWindowCorner, kWindowCorner);
  f.Fill(Intersect(body, Above(H(f) - kTitleUnderline)), kInk);
  f.Fill(Intersect(body, Below(H(f) - kTitleUnderline)), kYellow);
}

// Radio glyphs: a white disc in a black ring three pixels wide, a black dot
// when checked; pale yellow under the mouse, grey while pressed.
void DrawRadio(TArtCanvas& f, int state, bool checked) {
  const float cx = 8, cy = 8, r = 7.5f;
  const TArtRgb ground = state == kHot ? kPaleYellow : state == kPressed ? kPressedGrey : kPaper;
  f.Fill(Circle(cx, cy, r), ground);
  f.Fill(Stroke(Circle(cx, cy, r), 3), kInk);
  if (checked) f.Fill(Circle(cx, cy, 2.6f), kInk);
}

// Caption buttons on the black title: a white rounded frame two pixels wide
// with a white symbol; yellow with a black symbol under the mouse (red with
// a white one for close), white with a black symbol while pressed. The
// buttons stand side by side, so each keeps a column clear at its sides:
// two frames never run into one thick line.
TSdf CaptionBody() { return RoundRect(1, 0, 16, 16, 3); }

void DrawCaptionButton(TArtCanvas& f, int state, bool danger, const TSdf& symbol) {
  const TSdf body = CaptionBody();
  TArtRgb ground = kInk, ink = kPaper;
  if (state == kHot) ground = danger ? kRed : kYellow, ink = danger ? kPaper : kInk;
  if (state == kPressed) ground = kPaper, ink = kInk;
  f.Fill(body, ground);
  // Lit, the ground itself is the frame; pressed on white, the frame is black.
  f.Fill(Stroke(body, 2), state == kNormal ? kPaper : state == kPressed ? kInk : ground);
  if (symbol) f.Fill(symbol, ink);
}

TSdf MinimizeSymbol() { return RoundRect(5, 10, 12, 12.5f, 0.3f); }
TSdf MaximizeSymbol() { return Subtract(RoundRect(5, 4, 12, 12, 0.4f), RoundRect(7, 6.5f, 10, 10, 0.2f)); }
TSdf CloseSymbol() { return Union(Capsule(5.7f, 5, 11.3f, 10.6f, 2.6f), Capsule(11.3f, 5, 5.7f, 10.6f, 2.6f)); }
TSdf HelpSymbol() { return QuestionMark(5.5f, 3.5f); }

const std::vector<TArtPiece>& ProjectorPieces() {
  static const std::vector<TArtPiece> pieces = {
      {"button", [](TArtCanvas& f, int) { DrawThickOutline(f, kButtonLine); }, White},
      {"group-box", [](TArtCanvas& f, int) { DrawThickOutline(f, kGroupLine); }, White},
      {"panel", DrawPanel, White},
      {"form", DrawForm, 0x000000},
      {"form-title", DrawFormTitle, 0x000000},
      {"radio-checked", [](TArtCanvas& f, int s) { DrawRadio(f, s, true); }},
      {"radio-unchecked", [](TArtCanvas& f, int s) { DrawRadio(f, s, false); }},
      {"caption-close", [](TArtCanvas& f, int s) { DrawCaptionButton(f, s, true, CloseSymbol()); }},
      {"caption-help", [](TArtCanvas& f, int s) { DrawCaptionButton(f, s, false, HelpSymbol()); }},
      {"caption-max", [](TArtCanvas& f, int s) { DrawCaptionButton(f, s, false, MaximizeSymbol()); }},
      {"caption-min", [](TArtCanvas& f, int s) { DrawCaptionButton(f, s, false, MinimizeSymbol()); }},
      {"title-button", [](TArtCanvas& f, int s) { DrawCaptionButton(f, s, false, TSdf{}); }, 0x000000},
  };
  return pieces;
}

const TArtPiece* FindProjectorPiece(const std::string& key) {
  for (const TArtPiece& piece : ProjectorPieces())
    if (piece.Key == key) return &piece;
  return nullptr;
}

// How the Projector's borders differ from the built-in ones: no mask, and
// the border as wide as the outline (see above).
struct TProjectorBorder {
  const char* Section;
  int MaskType;
  int BorderWidth;
  int WL, WT, WR, WB;
};
const TProjectorBorder kBorders[] = {
    {"BUTTON", 0, 4, 4, 4, 4, 4},
    {"GROUPBOX", 0, 3, 3, 3, 3, 3},
    {"PANEL", 0, kPanelLine, kPanelLine, kPanelLine, kPanelLine, kPanelLine},
    // The title's middle is black like its edges and may be drawn; its
    // bottom keeps the underline whole.
    {"FORMTITLE", 0, 0, 5, 5, 5, 3},
};

const TProjectorBorder* BorderOf(const std::string& section, const std::string& property) {
  if (property != "BORDERSMASK") return nullptr;
  for (const TProjectorBorder& b : kBorders)
    if (section == b.Section) return &b;
  return nullptr;
}

}  // namespace

void DrawProjectorArt(TsStoredSkin& skin) {
  TBitmap& master = skin.MasterBitmap;
  TComposed composed(master.Width(), master.Height());
  for (int y = 0; y < master.Height(); ++y)
    for (int x = 0; x < master.Width(); ++x)
      composed.Colors[static_cast<size_t>(y) * static_cast<size_t>(master.Width()) + static_cast<size_t>(x)] =
          static_cast<int>(master.Pixel(x, y));

  for (int i = 0; i < skin.Images.Count(); ++i) {
    TsSkinImage& image = *skin.Images[i];
    if (const TProjectorBorder* b = BorderOf(image.SectionName, image.PropertyName)) {
      image.MaskType = b->MaskType;
      image.BorderWidth = b->BorderWidth;
      image.WL = b->WL, image.WT = b->WT, image.WR = b->WR, image.WB = b->WB;
    }
  }
  std::vector<std::string> drawn;
  for (const TImageItem& item : ImageTable()) {
    const TArtPiece* piece = FindProjectorPiece(item.Art);
    if (!piece || !item.Name.empty()) continue;
    const std::string place = std::to_string(item.Left) + "," + std::to_string(item.Top);
    if (std::find(drawn.begin(), drawn.end(), place) != drawn.end()) continue;
    drawn.push_back(place);
    const TProjectorBorder* b = BorderOf(item.Section, item.Property);
    const int maskType = b ? b->MaskType : item.MaskType;
    const int frameWidth = (item.Right - item.Left) / item.ImageCount;
    const int frameHeight = (item.Bottom - item.Top) / (maskType + 1);
    TCornerSquares corners;
    if (maskType == 1 && item.ImgType == TsImgType::itisaBorder) corners = {item.WL, item.WT, item.WR, item.WB};
    ComposeImage(composed, *piece, item.Left, item.Top, frameWidth, frameHeight, item.ImageCount, maskType, corners);
  }

  master.SetPalette({});
  master.SetPixelFormat(TPixelFormat::pf24bit);
  for (int y = 0; y < master.Height(); ++y)
    for (int x = 0; x < master.Width(); ++x)
      master.SetPixel(x, y,
                      static_cast<TColor>(
                          composed.Colors[static_cast<size_t>(y) * static_cast<size_t>(master.Width()) +
                                          static_cast<size_t>(x)]));
}
