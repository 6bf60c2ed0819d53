#include "skin/sMaskData.h"

#include <charconv>

TsFontColors ParseFontColors(const std::string& text) {
  const TsFontColors none = {0, -1, -1, -1, -1};
  TsFontColors colors{};
  size_t pos = 0;
  for (size_t i = 0; i < colors.size(); ++i) {
    if (i > 0) {
      if (pos >= text.size() || text[pos] != ' ') return none;
      ++pos;
    }
    const char* begin = text.data() + pos;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(begin, end, colors[i]);
    if (error != std::errc() || ptr == begin) return none;
    pos = static_cast<size_t>(ptr - text.data());
  }
  return pos == text.size() ? colors : none;
}

namespace {

TsGradArray GradientOf(const std::string& text) { return text == " " ? TsGradArray{} : ParseGradient(text); }

}  // namespace

void FillGeneralData(TsGeneralData& record, const TsSkinGeneral& stored) {
  record.ParentClass = stored.ParentClass;
  record.SectionName = stored.SectionName;
  record.Color = stored.Color;
  record.Bevel = stored.Bevel;
  record.FontColor = ParseFontColors(stored.FontColor);
  record.HotFontColor = ParseFontColors(stored.HotFontColor);
  record.ReservedBoolean = stored.ReservedBoolean;
  record.ShadowBlur = stored.ShadowBlur;
  record.ShadowColor = stored.ShadowColor;
  record.ShadowDontUse = false;
  record.ShadowEnabled = stored.ShadowEnabled;
  record.ShadowOffset = stored.ShadowOffset;
  record.ShadowTransparency = stored.ShadowTransparency;
  record.Transparency = stored.Transparency;
  record.GradientPercent = stored.GradientPercent;
  record.GradientData = stored.GradientData;
  record.GradientArray = GradientOf(stored.GradientData);
  record.ImagePercent = stored.ImagePercent;
  record.ShowFocus = stored.ShowFocus;
  record.FadingEnabled = stored.FadingEnabled;
  record.FadingIntervalIn = stored.FadingIntervalIn;
  record.FadingIntervalOut = stored.FadingIntervalOut;
  record.FadingIterations = stored.FadingIterations;
  record.HotColor = stored.HotColor;
  record.HotTransparency = stored.HotTransparency;
  record.HotBevel = stored.HotBevel;
  record.HotGradientPercent = stored.HotGradientPercent;
  record.HotGradientData = stored.HotGradientData;
  record.HotGradientArray = GradientOf(stored.HotGradientData);
  record.HotImagePercent = stored.HotImagePercent;
  record.BorderColor1 = stored.BorderColor1;
  record.BorderColor2 = stored.BorderColor2;
}
