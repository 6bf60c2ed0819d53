// Device contexts and the drawing services on them.
//
// A device context (HDC) draws into a target bitmap: a window's framebuffer
// or any TBitmap. Coordinates go through three offsets:
//   target pixel = DeviceOrigin + (logical - WindowOrg + ViewportOrg)
// DeviceOrigin is where the DC's device space starts in the target (a
// window's client area inside its top-level framebuffer); the window and
// viewport origins are the usual logical-coordinate shifts. Clipping is the
// intersection of the system clip (what of the window is visible, fixed when
// the DC is made) and the application clip (IntersectClipRect, SelectClipRgn
// ...). Clip regions passed to SelectClipRgn are in device coordinates, as
// the platform defines them. Every drawing call clips to the target bitmap.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/base/Colors.h"
#include "framework/base/Types.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/Region.h"

enum class TBrushStyle { bsSolid, bsClear };
enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psClear };

class TDeviceContext {
 public:
  // A DC on a bitmap; `systemClip` in target coordinates (none = the whole bitmap).
  explicit TDeviceContext(TBitmap* target, TPoint deviceOrigin = {}, std::optional<TRegion> systemClip = {});

  TBitmap* Target() const { return target_; }
  TPoint DeviceOrigin() const { return deviceOrigin_; }

  // What drawing may touch, in target coordinates. Follows the target's
  // current size even when the bitmap was resized behind the DC's back.
  const TRegion& EffectiveClip() const;
  // Converts logical coordinates to target coordinates and back.
  TPoint ToTarget(TPoint logical) const;
  TRect ToTarget(const TRect& logical) const;
  TPoint FromTarget(TPoint target) const;
  TRect FromTarget(const TRect& target) const;

  struct State {
    TPoint WindowOrg;
    TPoint ViewportOrg;
    std::optional<TRegion> AppClip;  // target coordinates; none = no application clip
    TLogFont Font;
    TColor TextColor = clBlack;
    TColor BkColor = clWhite;
    int BkMode = 2;  // OPAQUE
    TColor BrushColor = clWhite;
    TBrushStyle BrushStyle = TBrushStyle::bsSolid;
    TColor PenColor = clBlack;
    int PenWidth = 1;
    TPenStyle PenStyle = TPenStyle::psSolid;
    TPoint PenPos;
    int TextAlign = 0;
  };
  State& Current() { return state_; }
  const State& Current() const { return state_; }

  int Save();
  bool Restore(int savedIndex);  // negative: relative to the top of the stack
  // Makes EffectiveClip follow a change of the clip or the system clip.
  void UpdateClip();
  void SetSystemClip(std::optional<TRegion> clip);
  const std::optional<TRegion>& SystemClip() const { return systemClip_; }

 private:
  TBitmap* target_;
  TPoint deviceOrigin_;
  std::optional<TRegion> systemClip_;
  State state_;
  std::vector<State> saved_;
  // Cached; rebuilt when the clip settings change or the target's size no
  // longer matches the size it was built for.
  mutable TRegion effectiveClip_;
  mutable TSize clipBuiltFor_{-1, -1};
};

using HDC = TDeviceContext*;

// Saves the DC state in the constructor and restores it in the destructor.
class TDCStateGuard {
 public:
  explicit TDCStateGuard(HDC dc) : dc_(dc), saved_(dc ? dc->Save() : 0) {}
  ~TDCStateGuard() {
    if (dc_) dc_->Restore(saved_);
  }
  TDCStateGuard(const TDCStateGuard&) = delete;
  TDCStateGuard& operator=(const TDCStateGuard&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// Region kinds answered by clip queries.
enum : int { ERROR_REGION = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };
enum : int { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
enum : int { TRANSPARENT = 1, OPAQUE = 2 };

// Raster operations of BitBlt and StretchBlt.
enum : uint32_t {
  SRCCOPY = 0x00CC0020, SRCPAINT = 0x00EE0086, SRCAND = 0x008800C6, SRCINVERT = 0x00660046,
  NOTSRCCOPY = 0x00330008, DSTINVERT = 0x00550009, PATCOPY = 0x00F00021,
  BLACKNESS = 0x00000042, WHITENESS = 0x00FF0062,
};

// --- state ---
int SaveDC(HDC dc);
bool RestoreDC(HDC dc, int savedIndex);
bool SetWindowOrgEx(HDC dc, int x, int y, TPoint* old = nullptr);
bool GetWindowOrgEx(HDC dc, TPoint* org);
bool OffsetWindowOrgEx(HDC dc, int dx, int dy, TPoint* old = nullptr);
bool SetViewportOrgEx(HDC dc, int x, int y, TPoint* old = nullptr);
bool GetViewportOrgEx(HDC dc, TPoint* org);
bool OffsetViewportOrgEx(HDC dc, int dx, int dy, TPoint* old = nullptr);
// Shifts the logical origin so that (dx, dy) becomes (0, 0).
void MoveWindowOrg(HDC dc, int dx, int dy);

// --- clipping ---
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
// `rgn` in device coordinates; nullptr removes the application clip.
int SelectClipRgn(HDC dc, const TRegion* rgn);
int ExtSelectClipRgn(HDC dc, const TRegion* rgn, int mode);
// The application clip in device coordinates: 1 with a clip, 0 without.
int GetClipRgn(HDC dc, TRegion* rgn);
// The bounding box of what can be drawn, in logical coordinates.
int GetClipBox(HDC dc, TRect* rect);
bool RectVisible(HDC dc, const TRect& rect);
bool PtVisible(HDC dc, int x, int y);

// --- solid drawing ---
void FillRect(HDC dc, const TRect& rect, TColor color);
void FillRgn(HDC dc, const TRegion& rgn, TColor color);  // rgn in logical coordinates
void FrameRect(HDC dc, const TRect& rect, TColor color);
void InvertRect(HDC dc, const TRect& rect);
// The dotted focus rectangle; drawing it twice restores the pixels.
void DrawFocusRect(HDC dc, const TRect& rect);
TColor SetPixel(HDC dc, int x, int y, TColor color);
TColor GetPixel(HDC dc, int x, int y);  // clNone outside the target

// --- pens and brushes (current objects of the DC) ---
void SetPen(HDC dc, TColor color, int width = 1, TPenStyle style = TPenStyle::psSolid);
void SetBrush(HDC dc, TColor color, TBrushStyle style = TBrushStyle::bsSolid);
bool MoveToEx(HDC dc, int x, int y, TPoint* old = nullptr);
bool LineTo(HDC dc, int x, int y);  // excludes the end point
// Lines through the points; the last point is left out, the pen position
// is not used or changed.
bool Polyline(HDC dc, const std::vector<TPoint>& points);
// The pen's outline lies inside the rectangle, the brush fills the rest;
// with a clear pen the brush fills the whole rectangle.
bool Rectangle(HDC dc, int left, int top, int right, int bottom);
// The ellipse filling the rectangle: pixels whose centres lie inside it.
// Dash styles draw its outline solid.
bool Ellipse(HDC dc, int left, int top, int right, int bottom);
// Filled by the even-odd rule, outlined through every corner.
bool Polygon(HDC dc, const std::vector<TPoint>& points);

// --- block transfers ---
bool BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, uint32_t rop);
// Nearest-neighbour stretching. Each rectangle is its two corners (x, y) and
// (x + width, y + height), so a negative size covers the pixels before x;
// opposite signs of the two sizes mirror along that axis.
bool StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, uint32_t rop);
// Copies (stretching like StretchBlt) leaving out source pixels of
// `transparent` colour.
bool TransparentBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                    int srcHeight, TColor transparent);
// Copies a bitmap's rectangle without a source DC.
void DrawBitmap(HDC dest, int x, int y, const TBitmap& src, const TRect& srcRect);

// --- 3-D edges and frame controls for the framework's plain look ---
enum : unsigned {
  BDR_RAISEDOUTER = 0x1, BDR_SUNKENOUTER = 0x2, BDR_RAISEDINNER = 0x4, BDR_SUNKENINNER = 0x8,
  EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER, EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
  EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER, EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER,
};
enum : unsigned {
  BF_LEFT = 0x1, BF_TOP = 0x2, BF_RIGHT = 0x4, BF_BOTTOM = 0x8, BF_RECT = 0xF,
  BF_MIDDLE = 0x800, BF_SOFT = 0x1000, BF_ADJUST = 0x2000, BF_FLAT = 0x4000, BF_MONO = 0x8000,
};
bool DrawEdge(HDC dc, TRect& rect, unsigned edge, unsigned flags);

enum : unsigned { DFC_CAPTION = 1, DFC_BUTTON = 4 };
enum : unsigned {
  DFCS_CAPTIONCLOSE = 0x0, DFCS_CAPTIONMIN = 0x1, DFCS_CAPTIONMAX = 0x2, DFCS_CAPTIONRESTORE = 0x3,
  DFCS_CAPTIONHELP = 0x4,
  DFCS_BUTTONCHECK = 0x0, DFCS_BUTTONRADIO = 0x4, DFCS_BUTTONPUSH = 0x10,
  DFCS_INACTIVE = 0x100, DFCS_PUSHED = 0x200, DFCS_CHECKED = 0x400, DFCS_HOT = 0x1000, DFCS_FLAT = 0x4000,
};
bool DrawFrameControl(HDC dc, const TRect& rect, unsigned type, unsigned state);

// --- text ---
// Text is UTF-8. The DC's font, text colour, background mode and colour apply.
enum : unsigned {
  DT_TOP = 0x0, DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4, DT_BOTTOM = 0x8,
  DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40, DT_TABSTOP = 0x80, DT_NOCLIP = 0x100,
  DT_EXTERNALLEADING = 0x200, DT_CALCRECT = 0x400, DT_NOPREFIX = 0x800, DT_END_ELLIPSIS = 0x8000,
  DT_RTLREADING = 0x20000,
};

struct TTextMetric {
  int Height = 0;  // ascent + descent
  int Ascent = 0;
  int Descent = 0;
  int InternalLeading = 0;
  int ExternalLeading = 0;
  int AveCharWidth = 0;
  int MaxCharWidth = 0;
};

void SelectFont(HDC dc, const TLogFont& font);
TColor SetTextColor(HDC dc, TColor color);
TColor SetBkColor(HDC dc, TColor color);
int SetBkMode(HDC dc, int mode);
bool GetTextMetrics(HDC dc, TTextMetric* tm);
TSize GetTextExtent(HDC dc, std::string_view text);
// Draws one line with its cell's top-left at (x, y).
bool TextOut(HDC dc, int x, int y, std::string_view text);
// Like TextOut, clipped to `clip` and, with `opaque`, filling it with the
// background colour first.
bool ExtTextOut(HDC dc, int x, int y, const TRect* clip, bool opaque, std::string_view text);
// Formats text into a rectangle. Returns the height of the text; with
// DT_CALCRECT nothing is drawn and `rect` is set to the text's bounds
// (Right = Left + widest line, Bottom = Top + height).
int DrawText(HDC dc, std::string_view text, TRect& rect, unsigned format);

// Metrics without a DC (same engine).
TTextMetric FontMetrics(const TLogFont& font);
TSize TextExtent(const TLogFont& font, std::string_view text);

// --- gradient fills ---
// Vertices in logical coordinates with 16-bit colour channels (a byte value
// b is given as b * 256). Targets are 24-bit, so Alpha is ignored.
struct TRIVERTEX {
  int32_t x = 0;
  int32_t y = 0;
  uint16_t Red = 0;
  uint16_t Green = 0;
  uint16_t Blue = 0;
  uint16_t Alpha = 0;
};
// Indexes into the vertex array.
struct GRADIENT_TRIANGLE {
  uint32_t Vertex1 = 0;
  uint32_t Vertex2 = 0;
  uint32_t Vertex3 = 0;
};
struct GRADIENT_RECT {
  uint32_t UpperLeft = 0;
  uint32_t LowerRight = 0;
};
enum : uint32_t { GRADIENT_FILL_RECT_H = 0, GRADIENT_FILL_RECT_V = 1, GRADIENT_FILL_TRIANGLE = 2 };
// Fills `nmesh` triangles (GRADIENT_TRIANGLE) or rectangles (GRADIENT_RECT)
// with colours interpolated linearly between their vertices, through the DC's
// coordinate transform and clip. A pixel belongs to a shape when its centre
// lies inside, or on a top or left edge, so shapes that share edges (a
// rectangle cut into triangles) cover every pixel exactly once. Rectangles
// shade from their left to right edge (_H) or top to bottom edge (_V).
// False, with nothing drawn, for a null DC or array, an unknown mode or a
// vertex index past `nv`.
bool GradientFill(HDC dc, const TRIVERTEX* v, uint32_t nv, const void* mesh, uint32_t nmesh, uint32_t mode);
