#include "skin/sStoredSkin.h"

namespace {

const std::vector<std::string> kBevelNames = {"cbNone", "cbRaisedSoft", "cbLoweredSoft", "cbRaisedHard",
                                              "cbLoweredHard"};
const std::vector<std::string> kImgTypeNames = {"itisaBorder", "itisaTexture", "itisaGlyph"};

// The source of an Assign as the target's own class; anything else is the
// framework's "cannot assign" error.
template <class T>
const T& SameKind(const TPersistent& source, T& target) {
  const auto* other = dynamic_cast<const T*>(&source);
  if (!other) target.TPersistent::Assign(source);  // throws
  return *other;
}

}  // namespace

// --- TsSkinGeneral ---

const TPublishedFields<TsSkinGeneral>& TsSkinGeneral::Fields() {
  using G = TsSkinGeneral;
  static const TPublishedFields<G> fields = {
      StringField("SectionName", &G::SectionName),
      StringField("ParentClass", &G::ParentClass),
      ColorField("Color", &G::Color),
      EnumField("Bevel", &G::Bevel, kBevelNames),
      IntField("ShadowBlur", &G::ShadowBlur),
      ColorField("ShadowColor", &G::ShadowColor),
      IntField("ShadowOffset", &G::ShadowOffset),
      IntField("ShadowTransparency", &G::ShadowTransparency),
      BoolField("ShadowDontUse", &G::ShadowDontUse),
      BoolField("ShadowEnabled", &G::ShadowEnabled),
      BoolField("ReservedBoolean", &G::ReservedBoolean),
      StringField("FontColor", &G::FontColor),
      StringField("HotFontColor", &G::HotFontColor),
      IntField("Transparency", &G::Transparency),
      IntField("GradientPercent", &G::GradientPercent),
      StringField("GradientData", &G::GradientData),
      IntField("ImagePercent", &G::ImagePercent),
      BoolField("ShowFocus", &G::ShowFocus),
      BoolField("FadingEnabled", &G::FadingEnabled),
      IntField("FadingIntervalIn", &G::FadingIntervalIn),
      IntField("FadingIntervalOut", &G::FadingIntervalOut),
      IntField("FadingIterations", &G::FadingIterations),
      ColorField("HotColor", &G::HotColor),
      IntField("HotTransparency", &G::HotTransparency),
      EnumField("HotBevel", &G::HotBevel, kBevelNames),
      IntField("HotGradientPercent", &G::HotGradientPercent),
      StringField("HotGradientData", &G::HotGradientData),
      IntField("HotImagePercent", &G::HotImagePercent),
      ColorField("BorderColor1", &G::BorderColor1),
      ColorField("BorderColor2", &G::BorderColor2),
      StringField("Name", &G::Name),
  };
  return fields;
}

void TsSkinGeneral::Assign(const TPersistent& source) {
  CopyPublishedFields(*this, SameKind<TsSkinGeneral>(source, *this), Fields());
}

// --- TsSkinImage ---

const TPublishedFields<TsSkinImage>& TsSkinImage::Fields() {
  using I = TsSkinImage;
  static const TPublishedFields<I> fields = {
      StringField("SectionName", &I::SectionName),
      BitmapField("Image", &I::Image),
      StringField("Name", &I::Name),
      StringField("PropertyName", &I::PropertyName),
      IntField("Left", &I::Left),
      IntField("Top", &I::Top),
      IntField("Right", &I::Right),
      IntField("Bottom", &I::Bottom),
      IntField("ImageCount", &I::ImageCount),
      IntField("MaskType", &I::MaskType),
      IntField("BorderWidth", &I::BorderWidth),
      IntField("StretchMode", &I::StretchMode),
      EnumField("ImgType", &I::ImgType, kImgTypeNames),
      IntField("WL", &I::WL),
      IntField("WR", &I::WR),
      IntField("WT", &I::WT),
      IntField("WB", &I::WB),
  };
  return fields;
}

void TsSkinImage::Assign(const TPersistent& source) {
  CopyPublishedFields(*this, SameKind<TsSkinImage>(source, *this), Fields());
}

// --- TsSkinPattern ---

const TPublishedFields<TsSkinPattern>& TsSkinPattern::Fields() {
  using P = TsSkinPattern;
  static const TPublishedFields<P> fields = {
      StringField("SectionName", &P::SectionName),
      PictureField("Image", &P::Image),
      StringField("Name", &P::Name),
      StringField("PropertyName", &P::PropertyName),
  };
  return fields;
}

void TsSkinPattern::Assign(const TPersistent& source) {
  CopyPublishedFields(*this, SameKind<TsSkinPattern>(source, *this), Fields());
}

// --- TsStoredSkin ---

const TPublishedFields<TsStoredSkin>& TsStoredSkin::Fields() {
  using S = TsStoredSkin;
  static const TPublishedFields<S> fields = {
      StringField("Name", &S::Name),
      CollectionField("GeneralData", &S::GeneralData, TsSkinGeneral::Fields()),
      CollectionField("Images", &S::Images, TsSkinImage::Fields()),
      CollectionField("Patterns", &S::Patterns, TsSkinPattern::Fields()),
      BitmapField("MasterBitmap", &S::MasterBitmap),
      ColorField("Shadow1Color", &S::Shadow1Color),
      IntField("Shadow1Offset", &S::Shadow1Offset),
      IntField("Shadow1Blur", &S::Shadow1Blur),
      IntField("Shadow1Transparency", &S::Shadow1Transparency),
      RealField("Version", &S::Version),
      StringField("Author", &S::Author),
      StringField("Description", &S::Description),
  };
  return fields;
}

void TsStoredSkin::Assign(const TPersistent& source) {
  CopyPublishedFields(*this, SameKind<TsStoredSkin>(source, *this), Fields());
}

// --- TsStoredSkins ---

int TsStoredSkins::FindStoredSkin(const std::string& name) const {
  for (int i = 0; i < Count(); ++i)
    if ((*this)[i]->Name == name) return i;
  return -1;
}

TPropValue StoredSkinsValue(const TsStoredSkins& skins) {
  std::vector<TPropertyList> items;
  for (int i = 0; i < skins.Count(); ++i) items.push_back(WritePublishedFields(*skins[i], TsStoredSkin::Fields()));
  return CollectionValue(std::move(items));
}

void RegisterStoredSkinClasses() {
  RegisterPublishedFields("TsSkinGeneral", TsSkinGeneral::Fields());
  RegisterPublishedFields("TsSkinImage", TsSkinImage::Fields());
  RegisterPublishedFields("TsSkinPattern", TsSkinPattern::Fields());
  RegisterPublishedFields("TsStoredSkin", TsStoredSkin::Fields());
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
