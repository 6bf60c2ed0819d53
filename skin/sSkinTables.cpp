// Building the manager's run-time tables from a stored skin, and the skin's
// recolouring by hue and saturation.
#include <algorithm>

#include "framework/base/Exceptions.h"
#include "framework/base/SysUtils.h"
#include "skin/pixels/sGraphUtils.h"
#include "skin/sSkinManager.h"

namespace {

bool IsTextureRole(const std::string& property) { return property == "PATTERN" || property == "HOTPATTERN"; }

// A working 24-bit copy: the engine's pixel code reads three bytes a pixel.
std::shared_ptr<TBitmap> Copy24(const TBitmap& source) {
  auto copy = std::make_shared<TBitmap>();
  copy->Assign(source);
  copy->SetPixelFormat(TPixelFormat::pf24bit);
  copy->SetPalette({});
  return copy;
}

// Border widths of an image stored without any: the stated border width on
// every side, else a third of the frame.
void CompleteBorderWidths(TsMaskData& mask) {
  if (mask.WL + mask.WT + mask.WR + mask.WB != 0) return;
  if (mask.BorderWidth != 0) {
    mask.WL = mask.WT = mask.WR = mask.WB = mask.BorderWidth;
    return;
  }
  mask.WL = mask.WR = static_cast<int16_t>(mask.ThirdOfFrameWidth());
  mask.WT = mask.WB = static_cast<int16_t>(mask.ThirdOfFrameHeight());
}

template <class Change>
void RecolourSkin(TsSkinManager& manager, TBitmap* master, TsMaskArray& masks, TsGeneralDataArray& sections,
                  void (*recolourBitmap)(TBitmap&, int), int amount, Change change) {
  if (master) recolourBitmap(*master, amount);
  for (TsMaskData& mask : masks)
    if (mask.Bmp) recolourBitmap(*mask.Bmp, amount);
  for (TsGeneralData& s : sections) {
    s.Color = change(s.Color);
    s.HotColor = change(s.HotColor);
    for (TsFontColors* colors : {&s.FontColor, &s.HotFontColor})
      for (int32_t& c : *colors)
        if (c != -1) c = change(c);
    for (TsGradArray* gradient : {&s.GradientArray, &s.HotGradientArray})
      for (TsGradPie& segment : *gradient) {
        segment.Color1 = change(segment.Color1);
        segment.Color2 = change(segment.Color2);
      }
  }
  manager.CommonSkinData.Shadow1Color = change(manager.CommonSkinData.Shadow1Color);
}

}  // namespace

const TsStoredSkin* TsSkinManager::ActiveStoredSkin() const {
  const int index = internalSkins_.FindStoredSkin(skinName_);
  return index < 0 ? nullptr : internalSkins_[index];
}

void TsSkinManager::BuildMaskTable() {
  const TsStoredSkin* skin = ActiveStoredSkin();
  if (!skin) return;
  ClearMaskTable();
  masterBitmap_.reset(new TBitmap());
  masterBitmap_->Assign(skin->MasterBitmap);
  masterBitmap_->SetPixelFormat(TPixelFormat::pf24bit);
  masterBitmap_->SetPalette({});
  masterBitmap_->SetTransparentColor(0xFF00FF);
  masterBitmap_->SetTransparent(true);

  ma_.reserve(static_cast<size_t>(skin->Images.Count()));
  for (int i = 0; i < skin->Images.Count(); ++i) {
    const TsSkinImage& image = *skin->Images[i];
    TsMaskData mask;
    if (!image.Name.empty()) {
      mask.Bmp = Copy24(image.Image);
      mask.R = {0, 0, image.Image.Width(), image.Image.Height()};
    } else {
      auto held = [](int v) { return std::clamp(v, -kMaxMaskCoordinate, kMaxMaskCoordinate); };
      mask.R = {held(image.Left), held(image.Top), held(image.Right), held(image.Bottom)};
    }
    mask.PropertyName = UpperCase(image.PropertyName);
    mask.SectionName = UpperCase(image.SectionName);
    mask.ImageCount = static_cast<int16_t>(image.ImageCount);
    mask.MaskType = static_cast<int16_t>(image.MaskType);
    if (mask.ImageCount == 0) {
      mask.MaskType = 1;
      mask.ImageCount = 3;
    }
    mask.BorderWidth = static_cast<int16_t>(image.BorderWidth);
    if (IsTextureRole(mask.PropertyName)) {
      // Textures are always tiled or stretched; only an image stored as a
      // texture says how.
      mask.StretchMode = static_cast<int16_t>(image.ImgType == TsImgType::itisaTexture ? image.StretchMode : 0);
      mask.ImgType = TsImgType::itisaTexture;
    } else {
      mask.StretchMode = static_cast<int16_t>(image.StretchMode);
      mask.ImgType = image.ImgType;
    }
    mask.WL = static_cast<int16_t>(image.WL);
    mask.WT = static_cast<int16_t>(image.WT);
    mask.WR = static_cast<int16_t>(image.WR);
    mask.WB = static_cast<int16_t>(image.WB);
    CompleteBorderWidths(mask);
    mask.Manager = this;
    ma_.push_back(std::move(mask));
  }
  // FIXME: the image entries of CommonSections are not laid over yet.
}

void TsSkinManager::BuildPatternTable() {
  const TsStoredSkin* skin = ActiveStoredSkin();
  if (!skin) return;
  ClearPatternTable();
  for (int i = 0; i < skin->Patterns.Count(); ++i) {
    const TsSkinPattern& item = *skin->Patterns[i];
    // A pattern stored without a picture shares that of the first pattern
    // of the same name that has one.
    const TPicture* source = &item.Image;
    if (source->Empty())
      for (int j = 0; j < skin->Patterns.Count(); ++j)
        if (skin->Patterns[j]->Name == item.Name && !skin->Patterns[j]->Image.Empty()) {
          source = &skin->Patterns[j]->Image;
          break;
        }
    TsPatternData pattern;
    pattern.Img = std::make_shared<TPicture>();
    pattern.Img->Assign(*source);
    pattern.SectionName = UpperCase(item.SectionName);
    pattern.PropertyName = UpperCase(item.PropertyName);
    pa_.push_back(std::move(pattern));
  }
}

void TsSkinManager::BuildSectionTable() {
  const TsStoredSkin* skin = ActiveStoredSkin();
  if (!skin) return;
  gd_.clear();
  CommonSkinData.Version = skin->Version;
  CommonSkinData.Author = skin->Author;
  CommonSkinData.Description = skin->Description;
  CommonSkinData.Shadow1Color = skin->Shadow1Color;
  CommonSkinData.Shadow1Offset = skin->Shadow1Offset;
  CommonSkinData.Shadow1Blur = skin->Shadow1Blur;
  CommonSkinData.Shadow1Transparency = skin->Shadow1Transparency;
  gd_.reserve(static_cast<size_t>(skin->GeneralData.Count()));
  for (int i = 0; i < skin->GeneralData.Count(); ++i) {
    gd_.emplace_back();
    // A damaged gradient keeps the record as far as it was filled; the
    // section still shows with its plain colours.
    try {
      FillGeneralData(gd_.back(), *skin->GeneralData[i]);
    } catch (const Exception&) {
    }
  }
  // FIXME: the sections of CommonSections are not laid over yet.
  RotateHue(hueOffset_);
  AdjustSaturation(saturation_);
}

void TsSkinManager::ClearMaskTable() {
  // Last to first, as the records were made.
  while (!ma_.empty()) ma_.pop_back();
  masterBitmap_.reset();
}

void TsSkinManager::ClearPatternTable() {
  while (!pa_.empty()) pa_.pop_back();
}

void TsSkinManager::RotateHue(int offset) {
  if (offset == 0) return;
  RecolourSkin(*this, masterBitmap_.get(), ma_, gd_, &RotateHueBitmap, offset,
               [offset](int32_t c) { return RotateHueColor(c, offset); });
}

void TsSkinManager::AdjustSaturation(int amount) {
  if (amount == 0) return;
  RecolourSkin(*this, masterBitmap_.get(), ma_, gd_, &ChangeSaturationBitmap, amount,
               [amount](int32_t c) { return ChangeSaturationColor(c, amount); });
}
