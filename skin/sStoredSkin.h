// The skin as stored in a window description: the manager's InternalSkins
// collection holds whole skins, each with its sections (GeneralData), its
// image items (Images), its patterns and one master bitmap that the image
// rectangles are cut from. The description is the persistence format; these
// classes are what it reads into and what the art generator writes out.
#pragma once

#include <string>

#include "framework/components/Collection.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Picture.h"
#include "framework/streaming/PublishedFields.h"
#include "skin/pixels/sMaskData.h"
#include "skin/pixels/sSkinEnums.h"


// One section: the look of one kind of control.
class TsSkinGeneral : public TCollectionItem {
 public:
  SORTARIUM_CLASS(TsSkinGeneral)
  void Assign(const TPersistent& source) override;
  static const TPublishedFields<TsSkinGeneral>& Fields();

  std::string SectionName;
  std::string ParentClass;  // section whose images are inherited; empty = none
  TColor Color = clWhite;
  TsControlBevel Bevel = TsControlBevel::cbNone;
  int32_t ShadowBlur = 0;
  TColor ShadowColor = clBlack;
  int32_t ShadowOffset = 0;
  int32_t ShadowTransparency = 0;
  bool ShadowDontUse = false;
  bool ShadowEnabled = false;
  bool ReservedBoolean = false;
  std::string FontColor = "0 -1 -1 -1 -1";     // five-number colour string
  std::string HotFontColor = "0 -1 -1 -1 -1";
  int32_t Transparency = 0;
  int32_t GradientPercent = 0;
  std::string GradientData = " ";  // " " is stored for "no gradient"
  int32_t ImagePercent = 0;
  bool ShowFocus = false;
  bool FadingEnabled = false;
  int32_t FadingIntervalIn = 5;
  int32_t FadingIntervalOut = 5;
  int32_t FadingIterations = 5;
  TColor HotColor = clWhite;
  int32_t HotTransparency = 0;
  TsControlBevel HotBevel = TsControlBevel::cbNone;
  int32_t HotGradientPercent = 0;
  std::string HotGradientData = " ";
  int32_t HotImagePercent = 0;
  TColor BorderColor1 = clBlack;
  TColor BorderColor2 = clBlack;
  std::string Name;  // a free label
};

// One image: a rectangle of the master bitmap, or an own bitmap when Name
// (its file name) is not empty.
class TsSkinImage : public TCollectionItem {
 public:
  SORTARIUM_CLASS(TsSkinImage)
  void Assign(const TPersistent& source) override;
  static const TPublishedFields<TsSkinImage>& Fields();
  // Copies the picture into the item's own bitmap.
  void SetImage(const TBitmap& image) { Image.Assign(image); }

  std::string SectionName;
  TBitmap Image;  // always exists, possibly empty; used only when Name is set
  std::string Name;
  std::string PropertyName;  // the image's role: "BORDERSMASK", "GLYPHMASK" ...
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;  // right and bottom exclusive
  int32_t ImageCount = 1;  // state frames side by side
  int32_t MaskType = 0;    // 1: a mask of the same size stacked below
  int32_t BorderWidth = 0;
  int32_t StretchMode = 0;
  TsImgType ImgType = TsImgType::itisaBorder;
  int32_t WL = 0, WR = 0, WT = 0, WB = 0;
};

// A pattern: a picture (JPEG) for a section's texture.
class TsSkinPattern : public TCollectionItem {
 public:
  SORTARIUM_CLASS(TsSkinPattern)
  void Assign(const TPersistent& source) override;
  static const TPublishedFields<TsSkinPattern>& Fields();
  void SetImage(const TPicture& image) { Image.Assign(image); }

  std::string SectionName;
  TPicture Image;
  std::string Name;
  std::string PropertyName;
};

class TsSkinGenerals : public TOwnedCollection<TsSkinGeneral> {
 public:
  SORTARIUM_CLASS(TsSkinGenerals)
};
class TsSkinImages : public TOwnedCollection<TsSkinImage> {
 public:
  SORTARIUM_CLASS(TsSkinImages)
};
class TsSkinPatterns : public TOwnedCollection<TsSkinPattern> {
 public:
  SORTARIUM_CLASS(TsSkinPatterns)
};

class TsStoredSkin : public TCollectionItem {
 public:
  SORTARIUM_CLASS(TsStoredSkin)
  void Assign(const TPersistent& source) override;
  static const TPublishedFields<TsStoredSkin>& Fields();

  std::string Name;
  TsSkinGenerals GeneralData;
  TsSkinImages Images;
  TsSkinPatterns Patterns;
  TBitmap MasterBitmap;
  TColor Shadow1Color = clBlack;
  int32_t Shadow1Offset = 0;
  int32_t Shadow1Blur = -1;
  int32_t Shadow1Transparency = 0;
  double Version = 0;
  std::string Author;
  std::string Description;
};

class TsStoredSkins : public TOwnedCollection<TsStoredSkin> {
 public:
  SORTARIUM_CLASS(TsStoredSkins)
  // The first skin whose Name equals `name` exactly (case matters), or -1.
  int FindStoredSkin(const std::string& name) const;
};

// The stored form of a whole InternalSkins collection, as the description
// property value.
TPropValue StoredSkinsValue(const TsStoredSkins& skins);
// Registers the stored-skin classes with the description reader.
void RegisterStoredSkinClasses();

// Fills a run-time section record from a stored section. Gradient strings
// other than the " " of "no gradient" are parsed; a malformed one throws
// EConvertError after the fields before it have been filled, so the caller
// can keep the record as far as it got.
void FillGeneralData(TsGeneralData& record, const TsSkinGeneral& stored);
