// Pictures for people: the two art bitmaps as stored and as the engine shows
// them (masks applied over a checkerboard), and a mock window assembled from
// the pieces at real proportions, to judge the art in use.
#include <algorithm>
#include <sstream>

#include "SkinArt.h"

namespace {

struct TImage {
  int Width, Height;
  std::vector<int> Pixels;
  TImage(int w, int h, int fill) : Width(w), Height(h), Pixels(static_cast<size_t>(w) * h, fill) {}
  int& At(int x, int y) { return Pixels[static_cast<size_t>(y) * static_cast<size_t>(Width) + static_cast<size_t>(x)]; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }
};

int Channel(int color, int c) { return (color >> (8 * c)) & 0xFF; }

// The engine's masked blend: each channel of the mask is the transparency of
// that channel of the picture.
int MaskBlend(int dest, int src, int mask) {
  int out = 0;
  for (int c = 0; c < 3; ++c) {
    const int d = Channel(dest, c), s = Channel(src, c), m = Channel(mask, c);
    out |= ((((d - s) * m + 256 * s) >> 8) & 0xFF) << (8 * c);
  }
  return out;
}

int Blend(int a, int b, int percentOfB) {
  int out = 0;
  for (int c = 0; c < 3; ++c)
    out |= ((Channel(a, c) * (100 - percentOfB) + Channel(b, c) * percentOfB) / 100) << (8 * c);
  return out;
}

int Checker(int x, int y) { return ((x / 4 + y / 4) % 2) ? 0xFFFFFF : 0xCCCCCC; }

TImage Raw(const TBitmap& bitmap) {
  TImage out(bitmap.Width(), bitmap.Height(), 0);
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) out.At(x, y) = bitmap.Pixel(x, y);
  return out;
}

// The engine reads the mask of a border's edges and middle lighter: every
// grey lifted by 100.
int Lighter(int mask) {
  const int grey = std::min((mask & 0xFF) + 100, 255);
  return grey | (grey << 8) | (grey << 16);
}

bool InCorner(int x, int y, int w, int h, const TImageItem& s) {
  return (x < s.WL || x >= w - s.WR) && (y < s.WT || y >= h - s.WB);
}

// Draws one picture frame of item `s` from (left, top) at (dx, dy), as the
// engine does.
void DrawFrame(TImage& target, const TBitmap& source, const TImageItem& s, int left, int top, int dx, int dy) {
  const int fw = s.FrameWidth(), fh = s.FrameHeight();
  const bool border = s.ImgType == TsImgType::itisaBorder;
  for (int y = 0; y < fh; ++y)
    for (int x = 0; x < fw; ++x) {
      if (!target.Inside(dx + x, dy + y)) continue;
      const int c = source.Pixel(left + x, top + y);
      if (c == skin_colors::Magenta) continue;
      int& d = target.At(dx + x, dy + y);
      if (s.MaskType != 1) {
        d = c;
        continue;
      }
      const int mask = source.Pixel(left + x, top + fh + y);
      d = MaskBlend(d, c, border && !InCorner(x, y, fw, fh, s) ? Lighter(mask) : mask);
    }
}

TImage Masked(const TBitmap& bitmap, const std::vector<TImageItem>& items) {
  TImage out(bitmap.Width(), bitmap.Height(), 0);
  for (int y = 0; y < out.Height; ++y)
    for (int x = 0; x < out.Width; ++x) out.At(x, y) = Checker(x, y);
  for (const TImageItem& s : items)
    for (int f = 0; f < s.ImageCount; ++f)
      DrawFrame(out, bitmap, s, s.Left + f * s.FrameWidth(), s.Top, s.Left + f * s.FrameWidth(), s.Top);
  return out;
}

void Paste(TImage& target, const TImage& source, int x0, int y0, int scale) {
  for (int y = 0; y < source.Height * scale; ++y)
    for (int x = 0; x < source.Width * scale; ++x)
      if (target.Inside(x0 + x, y0 + y))
        target.At(x0 + x, y0 + y) =
            source.Pixels[static_cast<size_t>(y / scale) * static_cast<size_t>(source.Width) +
                          static_cast<size_t>(x / scale)];
}

void Save(const TImage& image, const std::string& fileName) {
  TBitmap out(image.Width, image.Height);
  for (int y = 0; y < image.Height; ++y)
    for (int x = 0; x < image.Width; ++x)
      out.SetPixel(x, y, image.Pixels[static_cast<size_t>(y) * static_cast<size_t>(image.Width) + static_cast<size_t>(x)]);
  SavePng(out, fileName);
}

std::vector<TImageItem> MasterRects() {
  std::vector<TImageItem> items;
  for (const TImageItem& s : ImageTable())
    if (s.Name.empty()) items.push_back(s);
  return items;
}

const TImageItem& Item(const std::string& section, const std::string& property) {
  for (const TImageItem& s : ImageTable())
    if (s.Section == section && s.Property == property) return s;
  throw std::logic_error("no image " + section + "." + property);
}

// --- The mock window ---

struct TRect4 {
  int L, T, R, B;
};

// A vertical gradient in the stored form: groups of five numbers, each
// "from;to;percent;..;..", the percents splitting the height.
void FillGradient(TImage& target, TRect4 r, const std::string& data) {
  std::vector<int> n;
  std::stringstream in(data);
  for (std::string item; std::getline(in, item, ';');) n.push_back(std::stoi(item));
  const int h = r.B - r.T;
  int y = r.T;
  for (size_t i = 0; i + 4 < n.size(); i += 5) {
    const int rows = n[i + 2] * h / 100;
    for (int k = 0; k < rows && y < r.B; ++k, ++y)
      for (int x = r.L; x < r.R; ++x) target.At(x, y) = Blend(n[i], n[i + 1], rows > 1 ? 100 * k / (rows - 1) : 0);
  }
  for (; y < r.B; ++y)
    for (int x = r.L; x < r.R; ++x) target.At(x, y) = n.size() >= 2 ? n[n.size() - 4] : 0;
}

// A control's background: its gradient mixed with what is under it by its
// transparency.
void Background(TImage& target, TRect4 r, const std::string& gradient, int color, int transparency) {
  TImage own(target.Width, target.Height, color);
  if (gradient != " ") FillGradient(own, r, gradient);
  for (int y = r.T; y < r.B; ++y)
    for (int x = r.L; x < r.R; ++x) target.At(x, y) = Blend(own.At(x, y), target.At(x, y), transparency);
}

// Nine-slice: corners copied, edges stretched, the middle left alone.
void DrawBorder(TImage& target, const TBitmap& source, const TImageItem& s, int state, TRect4 r) {
  const int fw = s.FrameWidth(), fh = s.FrameHeight();
  const int left = s.Name.empty() ? s.Left + state * fw : state * fw, top = s.Name.empty() ? s.Top : 0;
  const int w = r.R - r.L, h = r.B - r.T;
  auto map = [](int d, int size, int a, int b, int frame) {
    if (d < a) return d;
    if (d >= size - b) return frame - (size - d);
    const int middle = frame - a - b, span = size - a - b;
    return a + (d - a) * middle / std::max(span, 1);
  };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool middle = x >= s.WL && x < w - s.WR && y >= s.WT && y < h - s.WB;
      if (middle) continue;
      const int sx = left + map(x, w, s.WL, s.WR, fw), sy = top + map(y, h, s.WT, s.WB, fh);
      const int src = source.Pixel(sx, sy);
      if (src == skin_colors::Magenta || !target.Inside(r.L + x, r.T + y)) continue;
      int& d = target.At(r.L + x, r.T + y);
      if (s.MaskType != 1) {
        d = src;
        continue;
      }
      const int mask = source.Pixel(sx, sy + fh);
      d = MaskBlend(d, src, InCorner(x, y, w, h, s) ? mask : Lighter(mask));
    }
}

void DrawGlyph(TImage& target, const TBitmap& master, const TImageItem& s, int state, int x, int y) {
  DrawFrame(target, master, s, s.Left + state * s.FrameWidth(), s.Top, x, y);
}

}  // namespace

void WritePreview(const TBitmap& master, const TBitmap& huge, const std::string& fileName) {
  constexpr int kScale = 3, kGap = 12;
  const int masterW = kMasterWidth * kScale, masterH = kMasterHeight * kScale;
  const int hugeW = kHugeWidth * kScale, hugeH = kHugeHeight * kScale;
  TImage sheet(2 * masterW + hugeW + 2 * kGap, std::max(masterH, 2 * hugeH + kGap), 0x404040);
  Paste(sheet, Raw(master), 0, 0, kScale);
  Paste(sheet, Masked(master, MasterRects()), masterW + kGap, 0, kScale);
  TImageItem hugeItem = Item("BUTTON_HUGE", "BORDERSMASK");
  hugeItem.Right = kHugeWidth, hugeItem.Bottom = kHugeHeight;
  Paste(sheet, Raw(huge), 2 * (masterW + kGap), 0, kScale);
  Paste(sheet, Masked(huge, {hugeItem}), 2 * (masterW + kGap), hugeH + kGap, kScale);
  Save(sheet, fileName);
}

void WriteDemo(const TBitmap& master, const TBitmap& huge, const std::string& fileName) {
  const int w = 460, h = 330;
  TImage win(w, h, 14998481);
  // Title bar inside the frame, caption buttons at its right.
  const TRect4 title{5, 5, w - 5, 35};
  const std::string titleGradient =
      "15985380;15322048;23;0;0;15322048;11107158;63;0;0;11107158;12550976;13;0;0;12550976;12550976;0;0;0";
  FillGradient(win, title, titleGradient);
  DrawBorder(win, master, Item("FORMTITLE", "BORDERSMASK"), 0, title);
  const char* captions[] = {"BICONCLOSE", "BICONMAX", "BICONMIN", "BICONHELP"};
  for (int i = 0; i < 4; ++i)
    for (int state = 0; state < 3; ++state)
      DrawGlyph(win, master, Item("FORM", captions[i]), state, w - 28 - 19 * i - 80 * state, 12);
  DrawGlyph(win, master, Item("FORM", "TITLEBUTTON"), 0, 60, 12);
  DrawGlyph(win, master, Item("FORM", "TITLEBUTTON"), 1, 80, 12);
  // The client: a panel with buttons in three states, a group box with radios.
  const TRect4 panel{15, 45, 215, 315};
  Background(win, panel, "14396279;14730921;99;0;0;14730921;14730921;0;0;0", 15390916, 0);
  DrawBorder(win, master, Item("PANEL", "BORDERSMASK"), 0, panel);
  const std::string button = "16777215;11237449;99;0;0;11237449;11237449;0;0;0";
  const std::string buttonHot = "16777215;13732910;99;0;0;13732910;13732910;0;0;0";
  for (int state = 0; state < 3; ++state) {
    const TRect4 r{35, 65 + 55 * state, 195, 105 + 55 * state};
    Background(win, r, state == 1 ? buttonHot : button, clWhite, 50);
    DrawBorder(win, master, Item("BUTTON", "BORDERSMASK"), state, r);
  }
  for (int state = 0; state < 3; ++state) {
    const TRect4 r{35 + 55 * state, 235, 80 + 55 * state, 260};
    Background(win, r, state == 1 ? buttonHot : button, clWhite, 50);
    DrawBorder(win, master, Item("BUTTON", "BORDERSMASK"), state, r);
  }
  const TRect4 group{230, 45, 445, 175};
  DrawBorder(win, master, Item("GROUPBOX", "BORDERSMASK"), 0, group);
  for (int state = 0; state < 3; ++state) {
    DrawGlyph(win, master, Item("GLOBALINFO", "RADIOUNCHECKED"), state, 245, 60 + 22 * state);
    DrawGlyph(win, master, Item("GLOBALINFO", "RADIOCHECKED"), state, 275, 60 + 22 * state);
    DrawGlyph(win, master, Item("GLOBALINFO", "BOXUNCHECKED"), state, 305, 60 + 22 * state);
    DrawGlyph(win, master, Item("GLOBALINFO", "BOXCHECKED"), state, 335, 60 + 22 * state);
    DrawGlyph(win, master, Item("GLOBALINFO", "BOXGRAYED"), state, 365, 60 + 22 * state);
  }
  TImageItem hugeItem = Item("BUTTON_HUGE", "BORDERSMASK");
  hugeItem.Right = kHugeWidth, hugeItem.Bottom = kHugeHeight;
  for (int state = 0; state < 3; ++state) {
    const TRect4 r{230 + 72 * state, 190, 296 + 72 * state, 310};
    Background(win, r, state == 1 ? buttonHot : button, clWhite, 50);
    DrawBorder(win, huge, hugeItem, state, r);
  }
  DrawBorder(win, master, Item("FORM", "BORDERSMASK"), 0, {0, 0, w, h});
  TImage scaled(w * 3, h * 3, 0);
  Paste(scaled, win, 0, 0, 3);
  Save(scaled, fileName);
}
