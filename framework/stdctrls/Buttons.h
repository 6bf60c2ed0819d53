// TBitBtn: a push button with a picture (glyph) beside its caption.
#pragma once

#include "framework/graphics/Bitmap.h"
#include "framework/stdctrls/StdCtrls.h"

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The places of the glyph and the caption block in a button's client area.
struct TButtonGeometry {
  TRect GlyphRect;  // empty size when there is no glyph
  TRect TextRect;   // the whole caption block; empty size without a caption
};

// Places a glyph and a caption block of the given sizes in `client`: the
// layout puts the glyph on one side of the caption, `margin` is its
// distance from that edge (-1 centres the whole block) and `spacing` the
// gap between the two (-1 shares the free room evenly). Across the layout's
// axis both are centred.
TButtonGeometry PlaceGlyphAndText(const TRect& client, TSize glyph, TSize text, TButtonLayout layout, int margin,
                                  int spacing);

// The glyph is a strip of NumGlyphs frames side by side: up, disabled,
// pressed, down. A frame the strip lacks falls back to the up frame; a
// disabled button without a disabled frame shows the up frame embossed. The
// glyph's bottom-left pixel is its transparent colour.
class TBitBtn : public TButton {
 public:
  SORTARIUM_CLASS(TBitBtn)
  explicit TBitBtn(TComponent* owner);

  const TBitmap& Glyph() const { return glyph_; }
  // Copies the picture. A strip whose width is a whole multiple (up to 4)
  // of its height sets NumGlyphs to that number.
  void SetGlyph(const TBitmap& glyph);
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value);  // 1 .. 4
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  // Distance of the glyph from its edge of the button; -1 centres the
  // glyph-and-caption block.
  int Margin() const { return margin_; }
  void SetMargin(int value);  // -1 or more
  // Pixels between glyph and caption; -1 spreads the free room evenly.
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);  // -1 or more

  // The size of one glyph frame (0 x 0 without a glyph).
  TSize GlyphSize() const;
  // Lays the glyph and the caption out in `client`.
  virtual TButtonGeometry CalcLayout(const TRect& client);

 protected:
  void PaintContent(HDC dc, TPoint shift) override;
  // Draws glyph frame `frame` with its top-left at `at`.
  virtual void DrawGlyph(HDC dc, TPoint at);
  // The frame of the strip for the current state.
  int GlyphFrame() const;

  TBitmap glyph_;
  int numGlyphs_ = 1;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
};
