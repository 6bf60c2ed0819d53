#include "skin/sSkinValues.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "framework/base/Exceptions.h"
#include "framework/base/SysUtils.h"

int32_t SkinInteger(const std::string& value, const std::string& where) {
  auto fail = [&]() -> int32_t { throw EConvertError(Format(SInvalidInteger, {value}) + where); };
  const std::string v = Trim(value);
  if (v.size() > 2 && v[0] == '0' && (v[1] == 'x' || v[1] == 'X')) {
    if (v.size() > 10) return fail();
    uint32_t n = 0;
    for (size_t i = 2; i < v.size(); ++i) {
      const char c = v[i];
      if (!std::isxdigit(static_cast<unsigned char>(c))) return fail();
      n = n * 16 + static_cast<uint32_t>(std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                                                                                    : std::toupper(c) - 'A' + 10);
    }
    return static_cast<int32_t>(n);
  }
  size_t i = 0;
  const bool negative = !v.empty() && (v[0] == '-' || v[0] == '+') && v[0] == '-';
  if (!v.empty() && (v[0] == '-' || v[0] == '+')) i = 1;
  if (i >= v.size() || v.size() - i > 10) return fail();
  int64_t n = 0;
  for (; i < v.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(v[i]))) return fail();
    n = n * 10 + (v[i] - '0');
  }
  if (negative) n = -n;
  if (n < std::numeric_limits<int32_t>::min() || n > std::numeric_limits<int32_t>::max()) return fail();
  return static_cast<int32_t>(n);
}

int32_t SkinEnumValue(const std::string& value, int first, int last, const std::string& what,
                      const std::string& where) {
  const int32_t n = SkinInteger(value, where);
  if (n < first || n > last)
    throw EConvertError(what + " " + std::to_string(n) + " is outside " + std::to_string(first) + ".." +
                        std::to_string(last) + where);
  return n;
}

bool SkinBoolean(const std::string& value) { return SameText(Trim(value), "TRUE"); }

void HoldSectionToMeaning(TsGeneralData& r) {
  for (int32_t* percent : {&r.Transparency, &r.HotTransparency, &r.GradientPercent, &r.HotGradientPercent,
                           &r.ImagePercent, &r.HotImagePercent, &r.ShadowTransparency})
    *percent = std::clamp(*percent, 0, 100);
  r.FadingIterations = std::clamp(r.FadingIterations, 1, 100);
  r.FadingIntervalIn = std::clamp(r.FadingIntervalIn, 0, 1000);
  r.FadingIntervalOut = std::clamp(r.FadingIntervalOut, 0, 1000);
  r.ShadowOffset = std::clamp(r.ShadowOffset, -100, 100);
  r.ShadowBlur = std::clamp(r.ShadowBlur, -1, 100);
}

void FinishMaskRecord(TsMaskData& mask, TsBorderWidths widths) {
  auto held = [](int v) { return std::clamp(v, -kMaxMaskCoordinate, kMaxMaskCoordinate); };
  mask.R = {held(mask.R.Left), held(mask.R.Top), held(mask.R.Right), held(mask.R.Bottom)};
  if (mask.R.Right < mask.R.Left) mask.R.Right = mask.R.Left;
  if (mask.R.Bottom < mask.R.Top) mask.R.Bottom = mask.R.Top;
  const int most = std::clamp(mask.R.Width(), 1, static_cast<int>(std::numeric_limits<int16_t>::max()));
  mask.ImageCount = static_cast<int16_t>(std::clamp<int>(mask.ImageCount, 1, most));
  mask.MaskType = static_cast<int16_t>(std::clamp<int>(mask.MaskType, 0, 1));
  const int frameWidth = std::min<int>(mask.FrameWidth(), std::numeric_limits<int16_t>::max());
  const int frameHeight = std::min<int>(mask.FrameHeight(), std::numeric_limits<int16_t>::max());
  mask.BorderWidth = static_cast<int16_t>(std::clamp<int>(mask.BorderWidth, 0, std::min(frameWidth, frameHeight)));
  // The sum is taken as stated: widths that cancel out state nothing.
  if (widths == TsBorderWidths::Complete && mask.WL + mask.WT + mask.WR + mask.WB == 0) {
    if (mask.BorderWidth != 0) {
      mask.WL = mask.WT = mask.WR = mask.WB = mask.BorderWidth;
    } else {
      mask.WL = mask.WR = static_cast<int16_t>(mask.ThirdOfFrameWidth());
      mask.WT = mask.WB = static_cast<int16_t>(mask.ThirdOfFrameHeight());
    }
  }
  for (int16_t* w : {&mask.WL, &mask.WR}) *w = static_cast<int16_t>(std::clamp<int>(*w, 0, frameWidth));
  for (int16_t* w : {&mask.WT, &mask.WB}) *w = static_cast<int16_t>(std::clamp<int>(*w, 0, frameHeight));
}
