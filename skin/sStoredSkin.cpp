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
  const auto& s = SameKind<TsSkinGeneral>(source, *this);
  SectionName = s.SectionName;
  ParentClass = s.ParentClass;
  Color = s.Color;
  Bevel = s.Bevel;
  ShadowBlur = s.ShadowBlur;
  ShadowColor = s.ShadowColor;
  ShadowOffset = s.ShadowOffset;
  ShadowTransparency = s.ShadowTransparency;
  ShadowDontUse = s.ShadowDontUse;
  ShadowEnabled = s.ShadowEnabled;
  ReservedBoolean = s.ReservedBoolean;
  FontColor = s.FontColor;
  HotFontColor = s.HotFontColor;
  Transparency = s.Transparency;
  GradientPercent = s.GradientPercent;
  GradientData = s.GradientData;
  ImagePercent = s.ImagePercent;
  ShowFocus = s.ShowFocus;
  FadingEnabled = s.FadingEnabled;
  FadingIntervalIn = s.FadingIntervalIn;
  FadingIntervalOut = s.FadingIntervalOut;
  FadingIterations = s.FadingIterations;
  HotColor = s.HotColor;
  HotTransparency = s.HotTransparency;
  HotBevel = s.HotBevel;
  HotGradientPercent = s.HotGradientPercent;
  HotGradientData = s.HotGradientData;
  HotImagePercent = s.HotImagePercent;
  BorderColor1 = s.BorderColor1;
  BorderColor2 = s.BorderColor2;
  Name = s.Name;
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
  const auto& s = SameKind<TsSkinImage>(source, *this);
  SectionName = s.SectionName;
  Image.Assign(s.Image);
  Name = s.Name;
  PropertyName = s.PropertyName;
  Left = s.Left;
  Top = s.Top;
  Right = s.Right;
  Bottom = s.Bottom;
  ImageCount = s.ImageCount;
  MaskType = s.MaskType;
  BorderWidth = s.BorderWidth;
  StretchMode = s.StretchMode;
  ImgType = s.ImgType;
  WL = s.WL;
  WR = s.WR;
  WT = s.WT;
  WB = s.WB;
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
  const auto& s = SameKind<TsSkinPattern>(source, *this);
  SectionName = s.SectionName;
  Image.Assign(s.Image);
  Name = s.Name;
  PropertyName = s.PropertyName;
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
  const auto& s = SameKind<TsStoredSkin>(source, *this);
  if (&s == this) return;
  Name = s.Name;
  GeneralData.Assign(s.GeneralData);
  Images.Assign(s.Images);
  Patterns.Assign(s.Patterns);
  MasterBitmap.Assign(s.MasterBitmap);
  Shadow1Color = s.Shadow1Color;
  Shadow1Offset = s.Shadow1Offset;
  Shadow1Blur = s.Shadow1Blur;
  Shadow1Transparency = s.Shadow1Transparency;
  Version = s.Version;
  Author = s.Author;
  Description = s.Description;
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
