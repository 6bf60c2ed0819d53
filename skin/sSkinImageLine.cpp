#include "skin/sSkinImageLine.h"

#include <algorithm>
#include <limits>

#include "framework/base/Exceptions.h"
#include "framework/base/Streams.h"
#include "framework/base/SysUtils.h"
#include "framework/graphics/BmpCodec.h"
#include "framework/graphics/JpegImage.h"
#include "skin/sSkinFolder.h"
#include "skin/sSkinValues.h"

namespace {

int16_t Narrow(int32_t v) {
  return static_cast<int16_t>(std::clamp<int32_t>(v, std::numeric_limits<int16_t>::min(),
                                                  std::numeric_limits<int16_t>::max()));
}

bool IsTextureRole(const std::string& property) { return property == "PATTERN" || property == "HOTPATTERN"; }

// Characters `first`..`first + length - 1` (from 1) of a fixed-position
// value as a number; a value too short for the field is an error.
int32_t FixedField(const std::string& value, size_t first, size_t length, const std::string& where) {
  if (value.size() < first + length - 1)
    throw EConvertError("the value \"" + value + "\" is too short: it needs " + std::to_string(first + length - 1) +
                        " characters" + where);
  return SkinInteger(value.substr(first - 1, length), where);
}

TRect FixedRect(const std::string& value, const std::string& where) {
  return {FixedField(value, 2, 4, where), FixedField(value, 7, 4, where), FixedField(value, 12, 4, where),
          FixedField(value, 17, 4, where)};
}

int16_t StretchModeOf(int32_t v, const std::string& where) {
  const bool known = (v >= 0 && v <= 7) || v == static_cast<int32_t>(TTextureMode::Overlay);
  if (!known) throw EConvertError("stretch mode " + std::to_string(v) + " is not known" + where);
  return static_cast<int16_t>(v);
}

std::vector<std::string> SplitOn(const std::string& text, const std::string& separators) {
  std::vector<std::string> words;
  std::string word;
  for (char c : text) {
    if (separators.find(c) != std::string::npos) {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

// The own bitmap a line names, 24-bit; nothing for a missing or unreadable
// file or one without pixels.
std::shared_ptr<TBitmap> LoadOwnBitmap(const TsImageLineContext& context, const std::string& name) {
  const std::optional<std::vector<uint8_t>> bytes = context.Folder->Read(name);
  if (!bytes) return nullptr;
  auto bmp = std::make_shared<TBitmap>();
  try {
    ReadBmp(bytes->data(), bytes->size(), *bmp);
  } catch (const Exception&) {
    return nullptr;
  }
  if (bmp->Width() < 1 || bmp->Height() < 1) return nullptr;
  bmp->SetPixelFormat(TPixelFormat::pf24bit);
  bmp->SetPalette({});
  return bmp;
}

TsMaskData OwnBitmapMask(std::shared_ptr<TBitmap> bmp) {
  TsMaskData mask;
  mask.R = {0, 0, bmp->Width(), bmp->Height()};
  mask.Bmp = std::move(bmp);
  return mask;
}

void ReadJpeg(const std::string& section, const std::string& property, const std::string& name,
              const TsImageLineContext& context, TsImageLineResult& result) {
  const std::optional<std::vector<uint8_t>> bytes = context.Folder->Read(name);
  if (!bytes) return;
  auto jpeg = std::make_unique<TJPEGImage>();
  try {
    TReadOnlyMemoryStream stream(bytes->data(), bytes->size());
    jpeg->LoadFromStream(stream);
  } catch (const Exception&) {
    return;  // an unreadable picture is skipped like a missing one
  }
  if (jpeg->Empty()) return;
  const long long pixels = static_cast<long long>(jpeg->Width()) * jpeg->Height();
  if (context.Rules == TsImageLineRules::Overlay || pixels > kLargestJpegTexture) {
    result.HasPattern = true;
    result.Pattern.Img = std::make_shared<TPicture>();
    result.Pattern.Img->Assign(std::unique_ptr<TGraphic>(std::move(jpeg)));
    result.Pattern.SectionName = UpperCase(section);
    result.Pattern.PropertyName = UpperCase(property);
    return;
  }
  auto bmp = std::make_shared<TBitmap>();
  bmp->Assign(jpeg->Bitmap());
  bmp->SetPixelFormat(TPixelFormat::pf24bit);
  result.HasMask = true;
  result.Mask = OwnBitmapMask(std::move(bmp));
  result.Mask.ImgType = TsImgType::itisaTexture;
  result.Mask.ImageCount = 1;
}

// !FILE.BMP!count!maskType!imgType[!WL!WT!WR!WB]
bool ReadBangLine(const std::string& value, const TsImageLineContext& context, TsMaskData& mask) {
  const std::vector<std::string> words = SplitOn(value.substr(1), "!");
  // The name must say ".BMP" as written: a lower-case name is not a bitmap
  // line of this form at all, and adds nothing.
  if (words.empty() || words[0].find(".BMP") == std::string::npos) return false;
  if (words.size() < 4)
    throw EConvertError("the value \"" + value + "\" needs a file, a count, a mask type and a kind" +
                        context.Where);
  const int32_t count = SkinInteger(words[1], context.Where);
  const int32_t maskType = SkinInteger(words[2], context.Where);
  const auto type = static_cast<TsImgType>(SkinEnumValue(words[3], 0, 2, "image kind", context.Where));
  int32_t widths[4] = {0, 0, 0, 0};
  for (size_t i = 4; i < words.size() && i < 8; ++i) widths[i - 4] = SkinInteger(words[i], context.Where);
  // A ninth word, the stretch mode, is this program's addition: without it
  // an own bitmap could not say how its middle is drawn.
  const int16_t stretch = words.size() > 8 ? StretchModeOf(SkinInteger(words[8], context.Where), context.Where) : 0;
  std::shared_ptr<TBitmap> bmp = LoadOwnBitmap(context, words[0]);
  if (!bmp) return false;
  mask = OwnBitmapMask(std::move(bmp));
  mask.ImageCount = Narrow(count);
  mask.MaskType = Narrow(maskType);
  mask.ImgType = type;
  mask.StretchMode = stretch;
  // With fewer than five words the widths are always derived.
  if (words.size() >= 5) {
    mask.WL = Narrow(widths[0]), mask.WT = Narrow(widths[1]), mask.WR = Narrow(widths[2]),
    mask.WB = Narrow(widths[3]);
  }
  return true;
}

// FIRST [L,T,R,B] [count,maskType,borderWidth,stretch]
void ReadBracketLine(const std::string& property, const std::string& value, const TsImageLineContext& context,
                     TsMaskData& mask) {
  const std::vector<std::string> words = SplitOn(value, " ,[]()");
  if (words.size() < 7)
    throw EConvertError("the value \"" + value + "\" needs a rectangle, a count and a mask type" + context.Where);
  auto number = [&](size_t i) { return SkinInteger(words[i], context.Where); };
  mask.R = {number(1), number(2), number(3), number(4)};
  mask.ImageCount = Narrow(number(5));
  mask.MaskType = Narrow(std::max(0, number(6)));
  mask.BorderWidth = Narrow(words.size() > 7 ? std::max(0, number(7)) : 0);
  mask.StretchMode = words.size() > 8 ? StretchModeOf(number(8), context.Where) : 1;
  mask.ImgType = TsImgType::itisaBorder;
  if (IsTextureRole(property)) {
    mask.ImgType = TsImgType::itisaTexture;
    mask.StretchMode = 0;
  }
}

}  // namespace

TsImageLineResult ReadImageLine(const std::string& section, const std::string& property, const std::string& value,
                                const TsImageLineContext& context) {
  TsImageLineResult result;
  if (value.empty() || value == "#") return result;
  const std::string upper = UpperCase(value);
  const bool overlay = context.Rules == TsImageLineRules::Overlay;
  TsMaskData& mask = result.Mask;
  const char form = overlay ? 0 : value[0];
  bool derivedWidths = true;
  if (form == '!') {
    if (!ReadBangLine(value, context, mask)) return result;
  } else if (form == '@') {
    mask.R = FixedRect(value, context.Where);
    mask.ImageCount = Narrow(FixedField(value, 22, 1, context.Where));
    mask.MaskType = Narrow(FixedField(value, 24, 1, context.Where));
    mask.ImgType = TsImgType::itisaGlyph;
  } else if (form == '^') {
    mask.R = FixedRect(value, context.Where);
    mask.WL = Narrow(FixedField(value, 22, 4, context.Where));
    mask.WT = Narrow(FixedField(value, 27, 4, context.Where));
    mask.WR = Narrow(FixedField(value, 32, 4, context.Where));
    mask.WB = Narrow(FixedField(value, 37, 4, context.Where));
    mask.ImageCount = Narrow(FixedField(value, 42, 1, context.Where));
    mask.MaskType = Narrow(FixedField(value, 44, 1, context.Where));
    mask.StretchMode = StretchModeOf(FixedField(value, 46, 1, context.Where), context.Where);
    mask.BorderWidth = Narrow(FixedField(value, 48, 1, context.Where));
    mask.ImgType = TsImgType::itisaBorder;
  } else if (form == '~') {
    mask.R = FixedRect(value, context.Where);
    mask.ImageCount = 1;
    mask.StretchMode = StretchModeOf(FixedField(value, 22, 2, context.Where), context.Where);
    mask.MaskType = value.size() >= 25 ? Narrow(FixedField(value, 25, 1, context.Where)) : 0;
    mask.ImgType = TsImgType::itisaTexture;
  } else if (upper.find(".JPG") != std::string::npos || upper.find(".JPEG") != std::string::npos) {
    ReadJpeg(section, property, value, context, result);
    if (!result.HasMask) return result;
  } else if (value.find('#') != std::string::npos) {
    if (overlay && !context.MasterLoaded) return result;
    ReadBracketLine(property, value, context, mask);
  } else {
    // A plain file name. Such a line states no frames; it is read as one
    // state frame without a mask, the picture as a whole.
    std::shared_ptr<TBitmap> bmp = LoadOwnBitmap(context, overlay ? upper : value);
    if (!bmp) return result;
    mask = OwnBitmapMask(std::move(bmp));
    mask.ImageCount = 1;
    mask.MaskType = 0;
    derivedWidths = !overlay;
  }
  result.HasMask = true;
  mask.SectionName = UpperCase(section);
  mask.PropertyName = UpperCase(property);
  mask.Manager = context.Manager;
  FinishMaskRecord(mask, derivedWidths ? TsBorderWidths::Complete : TsBorderWidths::AsStated);
  return result;
}
