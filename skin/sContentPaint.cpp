#include "skin/sContentPaint.h"

#include <algorithm>
#include <cstdint>

#include "skin/sCommonData.h"
#include "skin/sSkinManager.h"
#include "skin/pixels/sGraphUtils.h"
#include "skin/pixels/sMaskData.h"

namespace {

// Text without a background box, so each layer (contours, engraving) shows
// around the next.
void DrawIn(TCanvas& canvas, const std::string& text, TRect rect, unsigned flags, TColor color) {
  canvas.Font()->SetColor(color);
  HDC dc = canvas.Handle();
  SetBkMode(dc, TRANSPARENT);
  DrawText(dc, text, rect, flags | DT_NOCLIP);
}

// Fits `rect` around the text as the alignment flags place it, one pixel
// to spare on every side.
TRect FitAroundText(TCanvas& canvas, const std::string& text, TRect rect, unsigned flags) {
  TRect extent{0, 0, rect.Width(), rect.Height()};
  DrawText(canvas.Handle(), text, extent, (flags & ~(DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM)) | DT_CALCRECT);
  const int dw = rect.Width() - extent.Width();
  const int dh = rect.Height() - extent.Height();
  // Vertically the text always sits in the middle.
  rect.Top += dh / 2;
  rect.Bottom = rect.Top + extent.Height();
  if (flags & DT_CENTER) {
    rect.Left += dw / 2;
    rect.Right = rect.Left + extent.Width();
  } else if (flags & DT_RIGHT) {
    rect.Left = rect.Right - extent.Width();
  } else {
    rect.Right = rect.Left + extent.Width();
  }
  return rect.Inflate(1, 1);
}

}  // namespace

int ScaledFontHeight(int height, int percent) {
  if (percent == 100 || height == 0) return height;
  const int64_t scaled = (static_cast<int64_t>(height) * percent + (height < 0 ? -50 : 50)) / 100;
  if (scaled == 0) return height < 0 ? -1 : 1;
  return static_cast<int>(scaled);
}

TFont CaptionFont(const TFont& font, const TsCommonData& data) {
  TFont scaled = font;
  const TsSkinManager* manager = data.Skinned() ? data.Manager() : nullptr;
  if (manager && manager->CommonSkinData.FontScale != 100)
    scaled.SetHeight(ScaledFontHeight(font.Height(), manager->CommonSkinData.FontScale));
  return scaled;
}

void WriteTextEx(TCanvas& canvas, const std::string& text, TContentLook look, const TsCommonData& data,
                 unsigned flags, TRect rect) {
  const bool hot = look.Hot;
  if (const TControl* owner = data.OwnerControl)
    *canvas.Font() = look.FontSize == TCaptionFontSize::SkinScaled ? CaptionFont(*owner->Font(), data) : *owner->Font();
  const TsGeneralData* section = data.Skinned() ? data.Section() : nullptr;
  if (hot && data.SkinSection() == "WEBBUTTON") {
    TFontStyles style = canvas.Font()->Style();
    style.Include(fsUnderline);
    canvas.Font()->SetStyle(style);
  }
  HDC dc = canvas.Handle();
  if (!dc) return;
  TDCStateGuard state(dc);
  IntersectClipRect(dc, rect.Left, rect.Top, rect.Right, rect.Bottom);
  if (!(flags & DT_WORDBREAK)) rect = FitAroundText(canvas, text, rect, flags);
  canvas.Brush()->SetStyle(TBrushStyle::bsClear);

  if (!look.Enabled) {
    DrawIn(canvas, text, rect.Offset(1, 1), flags, clBtnHighlight);
    DrawIn(canvas, text, rect, flags, clBtnShadow);
    return;
  }
  if (!section) {
    DrawIn(canvas, text, rect, flags, canvas.Font()->Color());
    return;
  }
  TColor color = canvas.Font()->Color();
  if (!data.CustomFont()) {
    const TsFontColors& colors = hot ? section->HotFontColor : section->FontColor;
    const struct {
      int Index, Dx, Dy;
    } contour[] = {{TCLEFT, -1, 0}, {TCTOP, 0, -1}, {TCRIGHT, 1, 0}, {TCBOTTOM, 0, 1}};
    for (const auto& c : contour)
      if (colors[static_cast<size_t>(c.Index)] != -1)
        DrawIn(canvas, text, rect.Offset(c.Dx, c.Dy), flags, colors[static_cast<size_t>(c.Index)]);
    color = colors[TCMAIN];
  }
  DrawIn(canvas, text, rect, flags, color);
}

void DrawFocusRectEx(TCanvas& canvas, const TRect& rect, TContentLook look, const TsCommonData& data) {
  if (rect.Width() < 1 || rect.Height() < 1) return;
  const TsGeneralData* section = data.Skinned() ? data.Section() : nullptr;
  if (!section) {
    canvas.DrawFocusRect(rect);
    return;
  }
  const TColor color = (look.Hot ? section->HotFontColor : section->FontColor)[TCMAIN];
  // Every other pixel along the outline, starting at the top-left corner.
  int step = 0;
  auto dot = [&](int x, int y) {
    if (step++ % 2 == 0) canvas.SetPixel(x, y, color);
  };
  for (int x = rect.Left; x < rect.Right; ++x) dot(x, rect.Top);
  for (int y = rect.Top + 1; y < rect.Bottom; ++y) dot(rect.Right - 1, y);
  if (rect.Height() > 1)
    for (int x = rect.Right - 2; x >= rect.Left; --x) dot(x, rect.Bottom - 1);
  if (rect.Width() > 1)
    for (int y = rect.Bottom - 2; y > rect.Top; --y) dot(rect.Left, y);
}

void DrawGlyphEx(const TBitmap& glyph, TBitmap& target, const TRect& rect, const TGlyphLook& look) {
  if (glyph.Width() < 1 || glyph.Height() < 1) return;
  const bool enabled = look.Look.Enabled, hot = look.Look.Hot;
  const int blend = look.Blend;
  const TColor key = glyph.Pixel(0, glyph.Height() - 1);
  const double factor = blend / 100.0;
  const TCacheInfo noCache;
  TBitmap work;  // greying changes the picture; the caller's glyph stays as it is
  work.Assign(glyph);
  auto copy = [&](const TRect& part) {
    CopyTransparent(target, work, rect.Left, rect.Top, key, part, TKeyPixels::Keep, noCache);
  };
  auto mix = [&](const TRect& part, double f) { BlendTransparent(target, rect.Left, rect.Top, key, f, part, work); };

  if (look.GlyphCount == 1) {
    const TRect whole{0, 0, work.Width(), work.Height()};
    if (enabled) {
      if (!hot && look.Grayed) Grayscale(work, key);
      if (hot || blend < 1)
        copy(whole);
      else
        mix(whole, factor);
    } else {
      if (look.DisabledKind & kGlyphDisabledGray) Grayscale(work, key);
      if (look.DisabledKind & kGlyphDisabledBlend)
        mix(whole, 0.5);
      else
        copy(whole);
    }
  } else if (look.GlyphCount == 2) {
    const int frame = work.Width() / 2;
    if (frame < 1) return;
    if (enabled) {
      const TRect first{0, 0, frame, work.Height()};
      if (!hot && blend > 0)
        mix(first, factor);
      else
        copy(first);
    } else {
      copy(TRect{frame, 0, 2 * frame, work.Height()});
    }
  }
}
