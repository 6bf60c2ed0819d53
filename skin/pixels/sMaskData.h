// The run-time records of an active skin: one TsGeneralData per section, one
// TsMaskData per image and one TsPatternData per pattern. The skin manager
// builds the three tables from a stored skin (or a skin folder); a record's
// position in its table is the skin index, mask index or pattern index that
// controls keep (-1 means none).
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/base/Types.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Picture.h"
#include "skin/pixels/sDrawModes.h"
#include "skin/pixels/sGradient.h"
#include "skin/pixels/sSkinEnums.h"

class TsSkinManager;

// A five-number colour string, split: the text colour, then the contour
// colours drawn on the left, top, right and bottom of the glyphs (-1: no
// contour on that side).
enum { TCMAIN = 0, TCLEFT = 1, TCTOP = 2, TCRIGHT = 3, TCBOTTOM = 4 };
using TsFontColors = std::array<int32_t, 5>;

// "0 6308382 -1 -1 -1" → {0, 6308382, -1, -1, -1}. Exactly five decimal
// integers separated by single spaces; anything else reads as black text
// without contours, which is how a skin with a damaged entry still shows.
TsFontColors ParseFontColors(const std::string& text);

struct TsGeneralData {
  std::string ParentClass;
  std::string SectionName;  // as stored, not upper-cased
  int32_t Color = 0;
  TsControlBevel Bevel = TsControlBevel::cbNone;
  TsFontColors FontColor = {0, -1, -1, -1, -1};
  TsFontColors HotFontColor = {0, -1, -1, -1, -1};
  bool ReservedBoolean = false;
  int32_t ShadowBlur = 0;
  int32_t ShadowColor = 0;
  bool ShadowDontUse = false;  // never loaded
  bool ShadowEnabled = false;
  int32_t ShadowOffset = 0;
  int32_t ShadowTransparency = 0;
  int32_t Transparency = 0;
  int32_t GradientPercent = 0;
  std::string GradientData;
  TsGradArray GradientArray;
  int32_t ImagePercent = 0;
  bool ShowFocus = false;
  bool FadingEnabled = false;
  int32_t FadingIntervalIn = 0;
  int32_t FadingIntervalOut = 0;
  int32_t FadingIterations = 0;
  int32_t HotColor = 0;
  int32_t HotTransparency = 0;
  TsControlBevel HotBevel = TsControlBevel::cbNone;
  int32_t HotGradientPercent = 0;
  std::string HotGradientData;
  TsGradArray HotGradientArray;
  int32_t HotImagePercent = 0;
  int32_t BorderColor1 = 0;
  int32_t BorderColor2 = 0;
};
using TsGeneralDataArray = std::vector<TsGeneralData>;

// Image rectangles are held to this range, so that their widths and
// heights can be worked out without overflow whatever a skin file says.
inline constexpr int kMaxMaskCoordinate = 1 << 20;

struct TsMaskData {
  // The image's own 24-bit bitmap; none: R is cut from the master bitmap.
  std::shared_ptr<TBitmap> Bmp;
  std::string SectionName;   // upper case
  std::string PropertyName;  // upper case
  TRect R;                   // right and bottom exclusive; within +-kMaxMaskCoordinate
  int16_t ImageCount = 1;    // state frames side by side
  int16_t MaskType = 0;      // 1: the mask half lies below the picture half
  int16_t BorderWidth = 0;
  int16_t StretchMode = 0;   // a TTextureMode for textures
  TsImgType ImgType = TsImgType::itisaBorder;
  // The manager whose table holds the entry. Drawing never goes through it:
  // whoever draws an entry hands over the master bitmap it is cut from.
  TsSkinManager* Manager = nullptr;
  int16_t WL = 0, WT = 0, WR = 0, WB = 0;

  // One state frame: width(R) / ImageCount by height(R) / (MaskType + 1);
  // damaged counts give no frame (or no mask half) instead of a fault.
  int FrameWidth() const { return ImageCount > 0 ? R.Width() / ImageCount : 0; }
  int FrameHeight() const { return R.Height() / (std::max<int>(0, MaskType) + 1); }
  // The border of an image that states none: a third of one state frame
  // across, and a third of the picture half (above the mask half) down.
  // Damaged counts are read as one frame without a mask.
  int ThirdOfFrameWidth() const { return R.Width() / (std::max<int>(1, ImageCount) * 3); }
  int ThirdOfFrameHeight() const { return R.Height() / (std::max<int>(0, MaskType) * 3 + 3); }
  TTextureMode TextureMode() const { return static_cast<TTextureMode>(StretchMode); }
};
using TsMaskArray = std::vector<TsMaskData>;

struct TsPatternData {
  std::shared_ptr<TPicture> Img;
  std::string SectionName;   // upper case
  std::string PropertyName;  // upper case
};
using TsPatternArray = std::vector<TsPatternData>;
