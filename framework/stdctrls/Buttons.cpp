#include "framework/stdctrls/Buttons.h"

#include <algorithm>

#include "framework/graphics/Canvas.h"

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

void TBitBtn::SetGlyph(const TBitmap& glyph) {
  glyph_.Assign(glyph);
  if (glyph_.Height() > 0 && glyph_.Width() % glyph_.Height() == 0) {
    const int frames = glyph_.Width() / glyph_.Height();
    if (frames >= 1 && frames <= 4) numGlyphs_ = frames;
  }
  Invalidate();
}

void TBitBtn::SetNumGlyphs(int value) {
  value = std::clamp(value, 1, 4);
  if (numGlyphs_ == value) return;
  numGlyphs_ = value;
  Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout value) {
  if (layout_ == value) return;
  layout_ = value;
  Invalidate();
}

void TBitBtn::SetMargin(int value) {
  value = std::max(-1, value);
  if (margin_ == value) return;
  margin_ = value;
  Invalidate();
}

void TBitBtn::SetSpacing(int value) {
  value = std::max(-1, value);
  if (spacing_ == value) return;
  spacing_ = value;
  Invalidate();
}

TSize TBitBtn::GlyphSize() const {
  if (glyph_.Empty()) return {};
  return {glyph_.Width() / numGlyphs_, glyph_.Height()};
}

TButtonGeometry TBitBtn::CalcLayout(const TRect& client) {
  const TSize g = GlyphSize();
  const bool sideways = layout_ == TButtonLayout::blGlyphLeft || layout_ == TButtonLayout::blGlyphRight;
  // Beside a glyph the caption gets what the glyph and the margins leave.
  int available = client.Width();
  if (sideways && g.cx > 0) available -= g.cx + std::max(0, spacing_);
  if (sideways && margin_ > 0) available -= 2 * margin_;
  return PlaceGlyphAndText(client, g, TextBlockSize(std::max(0, available)), layout_, margin_, spacing_);
}

TButtonGeometry PlaceGlyphAndText(const TRect& client, TSize g, TSize t, TButtonLayout layout, int margin,
                                  int spacing) {
  const int cw = client.Width(), ch = client.Height();
  const bool sideways = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
  // Along the layout's axis: the glyph's and the caption's extents, the
  // room there is, and where the block starts.
  const int glyphLen = sideways ? g.cx : g.cy;
  const int textLen = sideways ? t.cx : t.cy;
  const int room = sideways ? cw : ch;
  // Across the axis everything is centred; downwards the odd pixel goes below.
  const int round = sideways ? 0 : 1;
  int gap = (glyphLen == 0 || textLen == 0) ? 0 : spacing;
  if (margin < 0) {
    if (gap < 0) {
      // Glyph, caption and the three free bands between and beside them
      // share the room equally.
      margin = (room - glyphLen - textLen) / 3;
      gap = margin;
    } else {
      margin = (room - glyphLen - gap - textLen + round) / 2;
    }
  } else if (gap < 0) {
    // The caption is centred in what the glyph leaves.
    gap = (room - margin - glyphLen - textLen) / 2;
  }

  int glyphPos = 0, textPos = 0;
  const bool glyphFirst = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphTop;
  if (glyphFirst) {
    glyphPos = margin;
    textPos = glyphPos + glyphLen + gap;
  } else {
    glyphPos = room - margin - glyphLen;
    textPos = glyphPos - gap - textLen;
  }
  if (glyphLen == 0) textPos = glyphFirst ? margin : room - margin - textLen;

  TButtonGeometry r;
  if (sideways) {
    r.GlyphRect = Bounds(glyphPos, (ch - g.cy + 1) / 2, g.cx, g.cy);
    r.TextRect = Bounds(textPos, (ch - t.cy + 1) / 2, t.cx, t.cy);
  } else {
    r.GlyphRect = Bounds((cw - g.cx) / 2, glyphPos, g.cx, g.cy);
    r.TextRect = Bounds((cw - t.cx) / 2, textPos, t.cx, t.cy);
  }
  r.GlyphRect = r.GlyphRect.Offset(client.Left, client.Top);
  r.TextRect = r.TextRect.Offset(client.Left, client.Top);
  return r;
}

int TBitBtn::GlyphFrame() const {
  int frame = 0;
  if (!enabled_)
    frame = 1;
  else if (pressed_)
    frame = 2;
  return frame < numGlyphs_ ? frame : 0;
}

void TBitBtn::DrawGlyph(HDC dc, TPoint at) {
  const TSize g = GlyphSize();
  if (g.cx <= 0 || g.cy <= 0) return;
  const int frame = GlyphFrame();
  const TColor key = ColorToRGB(glyph_.TransparentColor());
  if (enabled_ || frame == 1) {
    TransparentBlt(dc, at.X, at.Y, g.cx, g.cy, glyph_.Canvas()->Handle(), frame * g.cx, 0, g.cx, g.cy, key);
    return;
  }
  // No disabled frame: the dark pixels of the up frame, embossed. A light
  // copy one pixel down and right goes under the shadow-coloured one.
  constexpr TColor kHole = RGB(255, 0, 255);
  TBitmap mask(g.cx, g.cy);
  auto paintMask = [&](TColor ink) {
    const TColor inkRgb = ColorToRGB(ink);
    const uint8_t ib = GetBValue(inkRgb), ig = GetGValue(inkRgb), ir = GetRValue(inkRgb);
    for (int y = 0; y < g.cy; ++y) {
      const uint8_t* __restrict src = glyph_.ScanLine(y);
      uint8_t* __restrict dst = mask.ScanLine(y);
      for (int x = 0; x < g.cx; ++x) {
        const uint8_t* p = src + 3 * x;
        const TColor c = RGB(p[2], p[1], p[0]);
        const int luminance = (p[2] * 30 + p[1] * 59 + p[0] * 11) / 100;
        const bool ink = c != key && luminance < 192;
        dst[3 * x] = ink ? ib : 255;
        dst[3 * x + 1] = ink ? ig : 0;
        dst[3 * x + 2] = ink ? ir : 255;
      }
    }
    mask.Touch();
  };
  paintMask(clBtnHighlight);
  TransparentBlt(dc, at.X + 1, at.Y + 1, g.cx, g.cy, mask.Canvas()->Handle(), 0, 0, g.cx, g.cy, kHole);
  paintMask(clBtnShadow);
  TransparentBlt(dc, at.X, at.Y, g.cx, g.cy, mask.Canvas()->Handle(), 0, 0, g.cx, g.cy, kHole);
}

void TBitBtn::PaintContent(HDC dc, TPoint shift) {
  const TButtonGeometry geometry = CalcLayout(ClientRect());
  if (!glyph_.Empty()) DrawGlyph(dc, {geometry.GlyphRect.Left + shift.X, geometry.GlyphRect.Top + shift.Y});
  if (!text_.empty()) DrawCaption(dc, geometry.TextRect.Offset(shift), CaptionFormat());
}
