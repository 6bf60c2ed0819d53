// Building the manager's run-time tables from a stored skin (or the skin a
// folder gave), laying the overlay on it, and the skin's
// recolouring by hue and saturation.
#include <algorithm>
#include <limits>

#include "framework/base/Exceptions.h"
#include "framework/base/SysUtils.h"
#include "skin/pixels/sGraphUtils.h"
#include "skin/sSkinFile.h"
#include "skin/sSkinFolder.h"
#include "skin/sSkinManager.h"
#include "skin/sSkinOverlay.h"
#include "skin/sSkinValues.h"

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

int16_t Narrow(int32_t v) {
  return static_cast<int16_t>(std::clamp<int32_t>(v, std::numeric_limits<int16_t>::min(),
                                                  std::numeric_limits<int16_t>::max()));
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

namespace {

TsLoadedSkin ReadStoredSkin(const TsStoredSkin& skin, TsSkinManager* manager) {
  TsLoadedSkin loaded;
  loaded.Master = PrepareMasterBitmap(skin.MasterBitmap);
  loaded.Masks.reserve(static_cast<size_t>(skin.Images.Count()));
  for (int i = 0; i < skin.Images.Count(); ++i) {
    const TsSkinImage& image = *skin.Images[i];
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
    mask.ImageCount = Narrow(image.ImageCount);
    mask.MaskType = Narrow(image.MaskType);
    if (mask.ImageCount == 0) {
      mask.MaskType = 1;
      mask.ImageCount = 3;
    }
    mask.BorderWidth = Narrow(image.BorderWidth);
    if (IsTextureRole(mask.PropertyName)) {
      // Textures are always tiled or stretched; only an image stored as a
      // texture says how.
      mask.StretchMode = Narrow(image.ImgType == TsImgType::itisaTexture ? image.StretchMode : 0);
      mask.ImgType = TsImgType::itisaTexture;
    } else {
      mask.StretchMode = Narrow(image.StretchMode);
      mask.ImgType = image.ImgType;
    }
    mask.WL = Narrow(image.WL);
    mask.WT = Narrow(image.WT);
    mask.WR = Narrow(image.WR);
    mask.WB = Narrow(image.WB);
    FinishMaskRecord(mask, TsBorderWidths::Complete);
    mask.Manager = manager;
    loaded.Masks.push_back(std::move(mask));
  }

  for (int i = 0; i < skin.Patterns.Count(); ++i) {
    const TsSkinPattern& item = *skin.Patterns[i];
    // A pattern stored without a picture shares that of the first pattern
    // of the same name that has one.
    const TPicture* source = &item.Image;
    if (source->Empty())
      for (int j = 0; j < skin.Patterns.Count(); ++j)
        if (skin.Patterns[j]->Name == item.Name && !skin.Patterns[j]->Image.Empty()) {
          source = &skin.Patterns[j]->Image;
          break;
        }
    TsPatternData pattern;
    pattern.Img = std::make_shared<TPicture>();
    pattern.Img->Assign(*source);
    pattern.SectionName = UpperCase(item.SectionName);
    pattern.PropertyName = UpperCase(item.PropertyName);
    loaded.Patterns.push_back(std::move(pattern));
  }

  loaded.Header = {skin.Version,      skin.Author,        skin.Description,       skin.Shadow1Color,
                   skin.Shadow1Offset, skin.Shadow1Blur, skin.Shadow1Transparency, kDefaultFontScale};
  loaded.Sections.reserve(static_cast<size_t>(skin.GeneralData.Count()));
  for (int i = 0; i < skin.GeneralData.Count(); ++i) {
    loaded.Sections.emplace_back();
    // A damaged gradient keeps the record as far as it was filled; the
    // section still shows with its plain colours.
    try {
      FillGeneralData(loaded.Sections.back(), *skin.GeneralData[i]);
    } catch (const Exception&) {
    }
    HoldSectionToMeaning(loaded.Sections.back());
  }
  return loaded;
}

}  // namespace

std::unique_ptr<TsLoadedSkin> TsSkinManager::LoadStoredSkin() {
  const TsStoredSkin* skin = ActiveStoredSkin();
  if (!skin) return nullptr;
  auto loaded = std::make_unique<TsLoadedSkin>(ReadStoredSkin(*skin, this));
  if (commonSections_.Count() == 0) return loaded;
  // Without a skin folder the overlay's files are looked for in the current
  // folder.
  auto overlaid = std::make_unique<TsLoadedSkin>(ReadStoredSkin(*skin, this));
  try {
    LayOverlay(*overlaid, commonSections_.ToVector(), TsSkinFolder(""), this);
  } catch (const Exception& e) {
    ReportSkinError(skinName_, e.Message());
    return loaded;
  }
  lastSkinError_.clear();
  return overlaid;
}

// Each Build* takes its part of the skin ReadActiveSkin read; called on its
// own it reads the stored skin first, as the tables were always built.
bool TsSkinManager::PreparePendingSkin() {
  if (!pending_) pending_ = LoadStoredSkin();
  return pending_ != nullptr;
}

void TsSkinManager::BuildMaskTable() {
  if (!PreparePendingSkin()) return;
  ClearMaskTable();
  masterBitmap_ = std::move(pending_->Master);
  ma_ = std::move(pending_->Masks);
}

void TsSkinManager::BuildPatternTable() {
  if (!PreparePendingSkin()) return;
  ClearPatternTable();
  pa_ = std::move(pending_->Patterns);
}

void TsSkinManager::BuildSectionTable() {
  if (!PreparePendingSkin()) return;
  gd_ = std::move(pending_->Sections);
  const TsSkinHeader& h = pending_->Header;
  CommonSkinData.Version = h.Version;
  CommonSkinData.Author = h.Author;
  CommonSkinData.Description = h.Description;
  CommonSkinData.Shadow1Color = h.Shadow1Color;
  CommonSkinData.Shadow1Offset = h.Shadow1Offset;
  CommonSkinData.Shadow1Blur = h.Shadow1Blur;
  CommonSkinData.Shadow1Transparency = h.Shadow1Transparency;
  CommonSkinData.FontScale = h.FontScale;
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
