#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/base/SysUtils.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/FontEngine.h"
#include "framework/graphics/Gdi.h"

namespace {

TLogFont LogFont(int height, TFontStyles style = {}) {
  TLogFont s;
  s.Height = height;
  s.Style = style;
  return s;
}

// A white bitmap with a DC drawing black text in `font`, transparently.
struct TSurface {
  TBitmap Bitmap;
  TDeviceContext Dc;
  TSurface(int w, int h, const TLogFont& font) : Bitmap(w, h), Dc(&Bitmap) {
    Bitmap.Fill(clWhite);
    SelectFont(&Dc, font);
    SetTextColor(&Dc, clBlack);
    SetBkMode(&Dc, TRANSPARENT);
  }
  // The bounding box of pixels that are no longer `background`, within `area`.
  TRect Ink(TColor background = clWhite, TRect area = {}) const {
    if (area.IsEmpty()) area = {0, 0, Bitmap.Width(), Bitmap.Height()};
    TRect box;
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x)
        if (Bitmap.Pixel(x, y) != background) box = box.Union({x, y, x + 1, y + 1});
    return box;
  }
};

// Where the ink of `text` falls relative to its cell's top-left corner.
TRect ReferenceInk(const TLogFont& font, const std::string& text) {
  TSurface s(600, 200, font);
  TextOut(&s.Dc, 100, 50, text);
  return s.Ink().Offset(-100, -50);
}

TRect CalcRect(const TLogFont& font, const std::string& text, TRect rect, unsigned format) {
  TSurface s(1, 1, font);
  DrawText(&s.Dc, text, rect, format | DT_CALCRECT);
  return rect;
}

// --- measuring ---

TEST(TextTest, CalcRectGeometry) {
  const TLogFont font = LogFont(-16);
  const TTextMetric tm = FontMetrics(font);
  const auto w = [&](const std::string& s) { return TextExtent(font, s).cx; };
  struct TCase {
    const char* what;
    std::string text;
    int rectWidth;
    unsigned format;
    int width;
    int lines;
  };
  const int twoWords = w("aaa bbb");
  const TCase cases[] = {
      {"one line", "Hello", 200, 0, w("Hello"), 1},
      {"every kind of break", "a\r\nbb\nccc\rdddd", 200, 0, w("dddd"), 4},
      {"a trailing break opens no line", "abc\r\n", 200, 0, w("abc"), 1},
      {"an empty line in the middle counts", "a\n\nb", 200, 0, w("a"), 3},
      {"single line ignores breaks", "ab\r\ncd", 200, DT_SINGLELINE, w("abcd"), 1},
      {"no text, several lines", "", 200, 0, 0, 0},
      {"no text, single line", "", 200, DT_SINGLELINE, 0, 1},
      {"two words fit exactly", "aaa bbb ccc", twoWords, DT_WORDBREAK, twoWords, 2},
      {"one word per line", "aaa aaa aaa", w("aaa aaa") - 1, DT_WORDBREAK, w("aaa"), 3},
      {"a word wider than the rect stays whole", "Заполнитьмассив да", 20, DT_WORDBREAK, w("Заполнитьмассив"), 2},
      {"word break keeps explicit breaks", "aaa bbb\nccc", twoWords, DT_WORDBREAK, twoWords, 2},
      {"word break off: one long line", "aaa bbb ccc", twoWords, 0, w("aaa bbb ccc"), 1},
      {"single line does not wrap", "aaa bbb ccc", twoWords, DT_SINGLELINE | DT_WORDBREAK, w("aaa bbb ccc"), 1},
      {"prefix is not measured", "&File", 200, 0, w("File"), 1},
      {"double ampersand is one", "A&&B", 200, 0, w("A&B"), 1},
      {"no prefix keeps ampersands", "&File", 200, DT_NOPREFIX, w("&File"), 1},
      {"tabs without expansion take no room", "a\tb", 200, 0, w("ab"), 1},
      {"tabs expand to eight average widths", "a\tb", 200, DT_EXPANDTABS, 8 * tm.AveCharWidth + w("b"), 1},
      {"two tabs", "\t\tb", 300, DT_EXPANDTABS, 16 * tm.AveCharWidth + w("b"), 1},
  };
  for (const TCase& c : cases) {
    const TRect r = CalcRect(font, c.text, {10, 20, 10 + c.rectWidth, 30}, c.format);
    EXPECT_EQ(r.Left, 10) << c.what;
    EXPECT_EQ(r.Top, 20) << c.what;
    EXPECT_EQ(r.Width(), c.width) << c.what;
    EXPECT_EQ(r.Height(), c.lines * tm.Height) << c.what;
  }
  // Centred and right-aligned text keeps the left edge.
  for (unsigned align : {unsigned{DT_CENTER}, unsigned{DT_RIGHT}}) {
    const TRect r = CalcRect(font, "Hello", {5, 5, 300, 50}, align);
    EXPECT_EQ(r.Left, 5);
    EXPECT_EQ(r.Right, 5 + w("Hello"));
  }
  // With DT_TABSTOP the second byte of the format is the tab length (so
  // DT_CALCRECT cannot go with it): the "b" is drawn four averages along.
  TSurface tabs(300, 40, font);
  TRect line{0, 0, 300, 40};
  DrawText(&tabs.Dc, "\tb", line, DT_EXPANDTABS | DT_TABSTOP | (4u << 8));
  EXPECT_EQ(tabs.Ink(), ReferenceInk(font, "b").Offset(4 * tm.AveCharWidth, 0));
  // External leading is added per line when asked for.
  const TLogFont big = LogFont(-64);
  const TTextMetric btm = FontMetrics(big);
  ASSERT_GT(btm.ExternalLeading, 0);
  EXPECT_EQ(CalcRect(big, "a\nb", {0, 0, 500, 0}, DT_EXTERNALLEADING).Height(), 2 * (btm.Height + btm.ExternalLeading));
}

TEST(TextTest, DrawTextReturnsTheTextHeight) {
  TSurface s(100, 100, LogFont(-13));
  const int h = FontMetrics(LogFont(-13)).Height;
  TRect r{0, 0, 100, 100};
  EXPECT_EQ(DrawText(&s.Dc, "one\ntwo\nthree", r, 0), 3 * h);
  EXPECT_EQ(r, TRect(0, 0, 100, 100)) << "only DT_CALCRECT changes the rectangle";
  EXPECT_EQ(DrawText(&s.Dc, "x", r, DT_SINGLELINE | DT_VCENTER), h);
}

TEST(TextTest, EndEllipsisFitsTheRect) {
  const TLogFont font = LogFont(-13);
  const std::string text = "A rather long caption that cannot fit";
  const TRect r = CalcRect(font, text, {0, 0, 80, 20}, DT_SINGLELINE | DT_END_ELLIPSIS);
  EXPECT_LE(r.Width(), 80);
  EXPECT_GT(r.Width(), TextExtent(font, "...").cx);
  // Text that fits is left alone.
  EXPECT_EQ(CalcRect(font, "Short", {0, 0, 80, 20}, DT_SINGLELINE | DT_END_ELLIPSIS).Width(), TextExtent(font, "Short").cx);
  // The dots are drawn: the ink reaches into the rect's right part.
  TSurface s(100, 30, font);
  TRect box{0, 0, 80, 20};
  DrawText(&s.Dc, text, box, DT_SINGLELINE | DT_END_ELLIPSIS);
  const TRect ink = s.Ink();
  EXPECT_LE(ink.Right, 80);
  EXPECT_GT(ink.Right, 60);
}

// --- drawing ---

TEST(TextTest, TextOutPutsTheCellTopLeftAtThePoint) {
  // "H" stands on the baseline, Ascent rows below the point.
  const TLogFont font = LogFont(-32);
  const TTextMetric tm = FontMetrics(font);
  TSurface s(200, 100, font);
  EXPECT_TRUE(TextOut(&s.Dc, 30, 10, "H"));
  const TRect ink = s.Ink();
  EXPECT_EQ(ink.Bottom, 10 + tm.Ascent);
  EXPECT_GE(ink.Top, 10);
  EXPECT_GE(ink.Left, 30);
  EXPECT_LE(ink.Right, 30 + TextExtent(font, "H").cx);
  // The window origin shifts logical coordinates.
  TSurface t(200, 100, font);
  SetWindowOrgEx(&t.Dc, 10, 5);
  TextOut(&t.Dc, 40, 15, "H");
  EXPECT_EQ(t.Ink(), ink);
}

TEST(TextTest, CyrillicDraws) {
  const TLogFont font = LogFont(-16);
  const TSize extent = TextExtent(font, "Заполнить массив");
  EXPECT_GT(extent.cx, 50);
  TSurface s(300, 50, font);
  TextOut(&s.Dc, 5, 5, "Заполнить массив");
  const TRect ink = s.Ink();
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_TRUE(TRect(5, 5, 5 + extent.cx, 5 + extent.cy).Contains(ink)) << "ink outside the text cell";
  EXPECT_GT(ink.Width(), extent.cx - 4);
}

TEST(TextTest, BlendFollowsCoverageExactly) {
  // Every pixel is background + (colour - background) * coverage / 255, rounded.
  const TLogFont font = LogFont(-24);
  TBitmap bm(80, 60);
  bm.Fill(RGB(128, 40, 250));
  TDeviceContext dc(&bm);
  SelectFont(&dc, font);
  SetTextColor(&dc, RGB(10, 200, 255));
  SetBkMode(&dc, TRANSPARENT);
  TextOut(&dc, 20, 10, "g");
  auto instance = font_engine::Instance(font);
  const auto* g = instance->Glyph(U'g');
  ASSERT_NE(g, nullptr);
  const int gx = 20 + g->Left, gy = 10 + instance->Metrics().Ascent - g->Top;
  const auto blend = [](int d, int c, int a) { return static_cast<int>(std::lround(d + (c - d) * a / 255.0)); };
  int partial = 0;
  for (int y = 0; y < bm.Height(); ++y) {
    for (int x = 0; x < bm.Width(); ++x) {
      int a = 0;
      if (x >= gx && x < gx + g->Width && y >= gy && y < gy + g->Height)
        a = g->Coverage[(y - gy) * g->Width + (x - gx)];
      if (a > 0 && a < 255) ++partial;
      const TColor expected = RGB(blend(128, 10, a), blend(40, 200, a), blend(250, 255, a));
      ASSERT_EQ(bm.Pixel(x, y), expected) << x << "," << y << " coverage " << a;
    }
  }
  EXPECT_GT(partial, 0) << "text must be anti-aliased";
}

TEST(TextTest, OpaqueAndTransparentBackground) {
  const TLogFont font = LogFont(-16);
  const TSize extent = TextExtent(font, "Mix");
  for (int mode : {OPAQUE, TRANSPARENT}) {
    TSurface s(100, 40, font);
    SetBkMode(&s.Dc, mode);
    SetBkColor(&s.Dc, clRed);
    TextOut(&s.Dc, 10, 5, "Mix");
    // The cell's corners show the background colour only in opaque mode.
    const TColor corner = mode == OPAQUE ? clRed : clWhite;
    EXPECT_EQ(s.Bitmap.Pixel(10, 5), corner);
    EXPECT_EQ(s.Bitmap.Pixel(10 + extent.cx - 1, 5 + extent.cy - 1), corner);
    // Nothing outside the cell changes.
    EXPECT_TRUE(TRect(10, 5, 10 + extent.cx, 5 + extent.cy).Contains(s.Ink())) << "mode " << mode;
    EXPECT_EQ(s.Ink(), s.Ink(clWhite, {10, 5, 10 + extent.cx, 5 + extent.cy}));
  }
}

TEST(TextTest, ExtTextOutClipsAndFills) {
  const TLogFont font = LogFont(-32);
  TSurface s(200, 80, font);
  SetBkColor(&s.Dc, clYellow);
  const TRect clip{20, 10, 50, 40};
  ExtTextOut(&s.Dc, 10, 5, &clip, true, "WWWW");
  EXPECT_EQ(s.Ink(), clip) << "the clip rectangle is filled and nothing outside it changes";
  EXPECT_EQ(s.Bitmap.Pixel(20, 10), clYellow);
  // Without opaque filling only the text is drawn, still clipped.
  TSurface t(200, 80, font);
  ExtTextOut(&t.Dc, 10, 5, &clip, false, "WWWW");
  EXPECT_TRUE(clip.Contains(t.Ink()));
  EXPECT_FALSE(t.Ink().IsEmpty());
}

TEST(TextTest, DrawTextAlignment) {
  const TLogFont font = LogFont(-16);
  const TTextMetric tm = FontMetrics(font);
  const std::string text = "Выбор";
  const int w = TextExtent(font, text).cx;
  const TRect ref = ReferenceInk(font, text);
  struct TCase {
    const char* what;
    unsigned format;
    TPoint cell;  // where the text cell must land
  };
  const TRect rect{10, 10, 190, 70};
  const TCase cases[] = {
      {"left top", 0, {10, 10}},
      {"centred", DT_CENTER, {(10 + 190 - w) / 2, 10}},
      {"right", DT_RIGHT, {190 - w, 10}},
      {"vertically centred", DT_SINGLELINE | DT_VCENTER | DT_CENTER, {(10 + 190 - w) / 2, (10 + 70 - tm.Height) / 2}},
      {"bottom", DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, {190 - w, 70 - tm.Height}},
      {"vertical centring needs a single line", DT_VCENTER, {10, 10}},
  };
  for (const TCase& c : cases) {
    TSurface s(200, 80, font);
    TRect r = rect;
    DrawText(&s.Dc, text, r, c.format);
    EXPECT_EQ(s.Ink(), ref.Offset(c.cell.X, c.cell.Y)) << c.what;
  }
  // The visible box itself sits where the eye expects it.
  TSurface centred(200, 80, font);
  TRect r = rect;
  DrawText(&centred.Dc, text, r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  const TRect ink = centred.Ink();
  EXPECT_LE(std::abs((ink.Left + ink.Right) - (rect.Left + rect.Right)), 2);
  TSurface right(200, 80, font);
  r = rect;
  DrawText(&right.Dc, text, r, DT_SINGLELINE | DT_RIGHT);
  EXPECT_GE(right.Ink().Right, rect.Right - 2);
  EXPECT_LE(right.Ink().Right, rect.Right);
}

TEST(TextTest, ButtonCaptionTwoLinesCentred) {
  // A 145 x 60 button caption with font height -16: two lines, each centred.
  const TLogFont font = LogFont(-16);
  const TTextMetric tm = FontMetrics(font);
  const std::string first = "Заполнить ", second = "массив";
  TSurface s(145, 60, font);
  TRect rect{0, 0, 145, 60};
  EXPECT_EQ(DrawText(&s.Dc, first + "\r\n" + second, rect, DT_CENTER | DT_WORDBREAK), 2 * tm.Height);
  const int w1 = TextExtent(font, first).cx, w2 = TextExtent(font, second).cx;
  const TRect line1 = s.Ink(clWhite, {0, 0, 145, tm.Height});
  const TRect line2 = s.Ink(clWhite, {0, tm.Height, 145, 2 * tm.Height});
  EXPECT_EQ(line1, ReferenceInk(font, first).Offset((145 - w1) / 2, 0));
  EXPECT_EQ(line2, ReferenceInk(font, second).Offset((145 - w2) / 2, tm.Height));
  EXPECT_TRUE(s.Ink(clWhite, {0, 2 * tm.Height, 145, 60}).IsEmpty());
  // The second line is centred on the rectangle within a pixel.
  EXPECT_LE(std::abs(line2.Left + line2.Right - 145), 2);
  // Measured the same way the button does, the block is two lines high and
  // as wide as the wider line.
  const TRect calc = CalcRect(font, first + "\r\n" + second, {0, 0, 145, 60}, DT_CENTER | DT_WORDBREAK);
  EXPECT_EQ(calc, TRect(0, 0, std::max(w1, w2), 2 * tm.Height));
}

TEST(TextTest, WordBreakLinesMatchTheirWidths) {
  const TLogFont font = LogFont(-13);
  const TTextMetric tm = FontMetrics(font);
  const std::string words[] = {"один", "два", "три", "четыре", "пять"};
  const int space = TextExtent(font, " ").cx;
  const int width = TextExtent(font, "один два").cx + space;
  // The expected lines by greedy filling from the word widths.
  int lines = 1, x = 0;
  std::string text;
  for (const std::string& word : words) {
    const int ww = TextExtent(font, word).cx;
    if (x > 0 && x + space + ww > width) {
      ++lines;
      x = ww;
    } else {
      x += (x > 0 ? space : 0) + ww;
    }
    text += (text.empty() ? "" : " ") + word;
  }
  ASSERT_GT(lines, 2);
  TSurface s(200, 200, font);
  TRect rect{0, 0, width, 200};
  EXPECT_EQ(DrawText(&s.Dc, text, rect, DT_WORDBREAK), lines * tm.Height);
  for (int i = 0; i < lines; ++i)
    EXPECT_FALSE(s.Ink(clWhite, {0, i * tm.Height, 200, (i + 1) * tm.Height}).IsEmpty()) << "line " << i;
  EXPECT_TRUE(s.Ink(clWhite, {0, lines * tm.Height, 200, 200}).IsEmpty());
  EXPECT_LE(s.Ink().Right, width);
}

TEST(TextTest, ClippingKeepsInkInside) {
  const TLogFont font = LogFont(-40);
  const TRect rect{20, 15, 70, 45};
  {
    TSurface s(200, 100, font);
    TRect r = rect;
    DrawText(&s.Dc, "Wide text", r, DT_SINGLELINE | DT_VCENTER);
    EXPECT_TRUE(rect.Contains(s.Ink())) << "DrawText clips to its rectangle";
  }
  {
    TSurface s(200, 100, font);
    TRect r = rect;
    DrawText(&s.Dc, "Wide text", r, DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
    EXPECT_FALSE(rect.Contains(s.Ink())) << "DT_NOCLIP draws past the rectangle";
  }
  {
    // The DC's clip: a rectangle with a hole punched in it.
    TSurface s(200, 100, font);
    IntersectClipRect(&s.Dc, 10, 10, 150, 90);
    ExcludeClipRect(&s.Dc, 40, 0, 60, 100);
    TextOut(&s.Dc, 0, 0, "WWWWWWWW");
    EXPECT_TRUE(TRect(10, 10, 150, 90).Contains(s.Ink()));
    EXPECT_TRUE(s.Ink(clWhite, {40, 0, 60, 100}).IsEmpty()) << "ink inside the excluded hole";
    EXPECT_FALSE(s.Ink(clWhite, {60, 0, 150, 100}).IsEmpty());
  }
  {
    // Text far outside the bitmap, and partly outside on every side.
    TSurface s(30, 20, LogFont(-64));
    for (TPoint p : {TPoint{-1000000000, 5}, TPoint{5, 1000000000}, TPoint{-20, -30}, TPoint{10, 5}})
      EXPECT_TRUE(TextOut(&s.Dc, p.X, p.Y, "Жgj"));
  }
}

TEST(TextTest, PrefixUnderlinesOneCharacter) {
  const TLogFont font = LogFont(-20);
  const TTextMetric tm = FontMetrics(font);
  TSurface plain(200, 40, font), marked(200, 40, font);
  TRect r{0, 0, 200, 40};
  DrawText(&plain.Dc, "Файл", r, 0);
  DrawText(&marked.Dc, "&Файл", r, 0);
  // Above the underline the pictures are the same; the underline sits under
  // the first letter only.
  const int baseline = tm.Ascent;
  const auto d = font_engine::Instance(font)->Decorations();
  const int lineTop = baseline + d.UnderlineOffset;
  for (int y = 0; y < baseline; ++y)
    for (int x = 0; x < 200; ++x) ASSERT_EQ(plain.Bitmap.Pixel(x, y), marked.Bitmap.Pixel(x, y)) << x << "," << y;
  const int f = TextExtent(font, "Ф").cx;
  EXPECT_EQ(marked.Ink(clWhite, {0, lineTop, 200, lineTop + d.UnderlineThickness}),
            TRect(0, lineTop, f, lineTop + d.UnderlineThickness));
  // "&&" draws one ampersand and nothing underlined; without prefix
  // processing the ampersand is drawn as it is.
  TSurface amp(200, 40, font), literal(200, 40, font);
  TRect a{0, 0, 200, 40};
  DrawText(&amp.Dc, "A&&B", a, 0);
  TextOut(&literal.Dc, 0, 0, "A&B");
  EXPECT_EQ(amp.Ink(), literal.Ink());
  TSurface raw(200, 40, font), rawRef(200, 40, font);
  DrawText(&raw.Dc, "&Файл", a, DT_NOPREFIX);
  TextOut(&rawRef.Dc, 0, 0, "&Файл");
  EXPECT_EQ(raw.Ink(), rawRef.Ink());
}

TEST(TextTest, UnderlineAndStrikeOutSpanTheText) {
  for (TFontStyle style : {fsUnderline, fsStrikeOut}) {
    const TLogFont font = LogFont(-20, {style});
    const TTextMetric tm = FontMetrics(font);
    const auto d = font_engine::Instance(font)->Decorations();
    const int w = TextExtent(font, "a b").cx;
    TSurface s(200, 40, font);
    TextOut(&s.Dc, 10, 5, "a b");
    const int row = 5 + tm.Ascent + (style == fsUnderline ? d.UnderlineOffset : d.StrikeOutOffset);
    for (int x = 10; x < 10 + w; ++x) ASSERT_EQ(s.Bitmap.Pixel(x, row), clBlack) << "style " << style << " x " << x;
    EXPECT_EQ(s.Bitmap.Pixel(9, row), clWhite);
    EXPECT_EQ(s.Bitmap.Pixel(10 + w, row), clWhite);
  }
}

TEST(TextTest, BadInputIsHarmless) {
  TSurface s(50, 30, LogFont(-12));
  TRect r{0, 0, 50, 30};
  // Broken UTF-8 draws replacement characters; nothing crashes.
  const std::string broken = std::string("a\xC3") + "\xFF\xFE" + "\xE2\x82" + "b";
  EXPECT_TRUE(TextOut(&s.Dc, 0, 0, broken));
  EXPECT_GT(DrawText(&s.Dc, broken, r, DT_WORDBREAK), 0);
  EXPECT_GT(GetTextExtent(&s.Dc, broken).cx, 0);
  EXPECT_TRUE(TextOut(&s.Dc, 0, 0, ""));
  EXPECT_EQ(GetTextExtent(&s.Dc, "").cx, 0);
  // A lone prefix at the end, prefixes before breaks and tabs.
  EXPECT_GT(DrawText(&s.Dc, "&\n&\r\n\t&", r, DT_EXPANDTABS), 0);
  // Absurd heights are bounded; a missing DC answers failure.
  SelectFont(&s.Dc, LogFont(INT32_MIN));
  EXPECT_LE(FontMetrics(LogFont(INT32_MIN)).Height, 2 * font_engine::kMaxPixelHeight);
  EXPECT_TRUE(TextOut(&s.Dc, 0, 0, "x"));
  EXPECT_FALSE(TextOut(nullptr, 0, 0, "x"));
  EXPECT_EQ(DrawText(nullptr, "x", r, 0), 0);
  TTextMetric tm;
  EXPECT_FALSE(GetTextMetrics(nullptr, &tm));
  // Word breaking into a rectangle of no width puts each word on its own line.
  const TRect narrow = CalcRect(LogFont(-12), "a b c", {0, 0, 0, 0}, DT_WORDBREAK);
  EXPECT_EQ(narrow.Height(), 3 * FontMetrics(LogFont(-12)).Height);
}

TEST(TextTest, SystemColoursResolveBeforeDrawing) {
  TBitmap bm(40, 30);
  bm.Fill(clWhite);
  TDeviceContext dc(&bm);
  SelectFont(&dc, LogFont(-20));
  SetTextColor(&dc, clWindowText);
  EXPECT_EQ(SetBkMode(&dc, 7), 0) << "an unknown mode is refused";
  EXPECT_EQ(SetBkMode(&dc, OPAQUE), OPAQUE);
  SetBkColor(&dc, clBtnFace);
  TextOut(&dc, 0, 0, "I");
  EXPECT_EQ(bm.Pixel(0, 0), ColorToRGB(clBtnFace));
  int solid = 0;
  for (int y = 0; y < bm.Height(); ++y)
    for (int x = 0; x < bm.Width(); ++x) solid += bm.Pixel(x, y) == ColorToRGB(clWindowText);
  EXPECT_GT(solid, 0) << "the stem of the I is drawn in the resolved window-text colour";
}

}  // namespace
