// The plain controls as the window-description reader knows them: class
// names, factories and published properties.
#include <cstdint>
#include <vector>

#include "framework/base/Streams.h"
#include "framework/stdctrls/Buttons.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/stdctrls/ImgList.h"
#include "framework/stdctrls/StdCtrls.h"
#include "framework/streaming/ClassRegistry.h"
#include "framework/streaming/PropertyHelpers.h"

namespace {

// Names in the order of the enumerations' values.
const std::vector<std::string> kAlignments{"taLeftJustify", "taRightJustify", "taCenter"};
const std::vector<std::string> kStaticBorders{"sbsNone", "sbsSingle", "sbsSunken"};
const std::vector<std::string> kBorders{"bsNone", "bsSingle"};
const std::vector<std::string> kBevels{"bvNone", "bvLowered", "bvRaised", "bvSpace"};
const std::vector<std::string> kLayouts{"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"};
const std::vector<std::string> kModalResults{"mrNone", "mrOk",  "mrCancel", "mrAbort",   "mrRetry",    "mrIgnore",
                                             "mrYes",  "mrNo", "mrAll",    "mrNoToAll", "mrYesToAll", "mrClose"};

// A stored bitmap: a 32-bit little-endian byte count, then that many bytes
// of a BMP file. An empty block leaves `bitmap` empty.
void ReadStoredBitmap(const TPropValue& value, TReader& reader, TBitmap& bitmap) {
  if (value.kind != TPropValue::Kind::Binary) reader.Error(value.line, "Binary data expected");
  const std::vector<uint8_t>& bytes = value.bytes;
  if (bytes.size() < 4) reader.Error(value.line, "Bitmap data is too short");
  const uint32_t length = static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
                          (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
  if (length > bytes.size() - 4) reader.Error(value.line, "Bitmap data is shorter than its stated length");
  if (length == 0) return;
  TReadOnlyMemoryStream stream(bytes.data() + 4, length);
  try {
    bitmap.LoadFromStream(stream);
  } catch (const Exception& e) {
    reader.Error(value.line, e.Message());
  }
}

// Descriptions write a button's picture as "Glyph = {...}" or, as the
// picture's own data, "Glyph.Data = {...}". The second form reaches the
// button through this stand-in for the picture; the reader sets one
// property at a time, so one stand-in serves every button.
class TGlyphData : public TPersistent {
 public:
  SORTARIUM_CLASS(TGlyphData)
  TBitBtn* Button = nullptr;
};

void SetGlyph(TBitBtn& button, const TPropValue& v, TReader& r) {
  TBitmap glyph;
  ReadStoredBitmap(v, r, glyph);
  button.SetGlyph(glyph);
}

void RegisterStaticText() {
  RegisterComponentClass<TStaticText>("TStaticText", "TCustomControl");
  RegisterEnumProperty("TStaticText", "Alignment", &TStaticText::SetAlignment, kAlignments);
  RegisterEnumProperty("TStaticText", "BorderStyle", &TStaticText::SetBorderStyle, kStaticBorders);
  RegisterBoolProperty("TStaticText", "AutoSize", &TStaticText::SetAutoSize);
  RegisterBoolProperty("TStaticText", "Transparent", &TStaticText::SetTransparent);
}

void RegisterPanels() {
  RegisterComponentClass<TCustomPanel>("TCustomPanel", "TCustomControl");
  RegisterComponentClass<TPanel>("TPanel", "TCustomPanel");
  RegisterEnumProperty("TCustomPanel", "Alignment", &TCustomPanel::SetAlignment, kAlignments);
  RegisterEnumProperty("TCustomPanel", "BorderStyle", &TCustomPanel::SetBorderStyle, kBorders);
  RegisterEnumProperty("TCustomPanel", "BevelInner", &TCustomPanel::SetBevelInner, kBevels);
  RegisterEnumProperty("TCustomPanel", "BevelOuter", &TCustomPanel::SetBevelOuter, kBevels);
  RegisterIntProperty("TCustomPanel", "BevelWidth", &TCustomPanel::SetBevelWidth);
  RegisterIntProperty("TCustomPanel", "BorderWidth", &TCustomPanel::SetBorderWidth);
  RegisterBoolProperty("TCustomPanel", "FullRepaint", &TCustomPanel::SetFullRepaint);
}

void RegisterButtons(TClassRegistry& reg) {
  reg.RegisterClass("TButtonControl", "TCustomControl");
  RegisterBoolProperty("TButtonControl", "WordWrap", &TButtonControl::SetWordWrap);

  RegisterComponentClass<TButton>("TButton", "TButtonControl");
  RegisterBoolProperty("TButton", "Default", &TButton::SetDefault);
  RegisterBoolProperty("TButton", "Cancel", &TButton::SetCancel);
  reg.RegisterProperty("TButton", "ModalResult", [](TPersistent* o, const TPropValue& v, TReader& r) {
    TButton& button = PropertyTarget<TButton>(o, v, r);
    button.SetModalResult(v.kind == TPropValue::Kind::Integer ? v.AsInt() : IdentIndex(v, kModalResults, r));
  });

  RegisterComponentClass<TBitBtn>("TBitBtn", "TButton");
  reg.RegisterProperty("TBitBtn", "Glyph", [](TPersistent* o, const TPropValue& v, TReader& r) {
    SetGlyph(PropertyTarget<TBitBtn>(o, v, r), v, r);
  });
  reg.RegisterSubObject("TBitBtn", "Glyph", [](TPersistent* o) -> TPersistent* {
    static TGlyphData data;
    data.Button = dynamic_cast<TBitBtn*>(o);
    return data.Button ? &data : nullptr;
  });
  reg.RegisterClass("TGlyphData", "");
  reg.RegisterProperty("TGlyphData", "Data", [](TPersistent* o, const TPropValue& v, TReader& r) {
    SetGlyph(*PropertyTarget<TGlyphData>(o, v, r).Button, v, r);
  });
  reg.RegisterProperty("TBitBtn", "NumGlyphs", [](TPersistent* o, const TPropValue& v, TReader& r) {
    TBitBtn& button = PropertyTarget<TBitBtn>(o, v, r);
    const int n = v.AsInt();
    if (n < 1 || n > 4) r.Error(v.line, "NumGlyphs must be 1 to 4");
    button.SetNumGlyphs(n);
  });
  RegisterEnumProperty("TBitBtn", "Layout", &TBitBtn::SetLayout, kLayouts);
  RegisterIntProperty("TBitBtn", "Margin", &TBitBtn::SetMargin);
  RegisterIntProperty("TBitBtn", "Spacing", &TBitBtn::SetSpacing);
}

void RegisterGroups() {
  RegisterComponentClass<TCustomGroupBox>("TCustomGroupBox", "TCustomControl");
  RegisterComponentClass<TGroupBox>("TGroupBox", "TCustomGroupBox");

  RegisterComponentClass<TRadioButton>("TRadioButton", "TButtonControl");
  RegisterBoolProperty("TRadioButton", "Checked", &TRadioButton::SetChecked);
  RegisterEnumProperty("TRadioButton", "Alignment", &TRadioButton::SetAlignment, kAlignments);

  RegisterComponentClass<TCustomRadioGroup>("TCustomRadioGroup", "TCustomGroupBox");
  RegisterComponentClass<TRadioGroup>("TRadioGroup", "TCustomRadioGroup");
  RegisterSubObjectProperty("TCustomRadioGroup", "Items", &TCustomRadioGroup::Items);
  RegisterIntProperty("TCustomRadioGroup", "ItemIndex", &TCustomRadioGroup::SetItemIndex);
  RegisterIntProperty("TCustomRadioGroup", "Columns", &TCustomRadioGroup::SetColumns);
}

// A description names an image list and its size; the pictures are added
// by the program.
void RegisterImageLists() {
  RegisterComponentClass<TImageList>("TImageList", "TComponent");
  RegisterIntProperty("TImageList", "Width", &TImageList::SetWidth);
  RegisterIntProperty("TImageList", "Height", &TImageList::SetHeight);
  RegisterColorProperty("TImageList", "BkColor", &TImageList::SetBkColor);
}

}  // namespace

void RegisterStdCtrlsClasses() {
  TClassRegistry& reg = TClassRegistry::Instance();
  RegisterStaticText();
  RegisterPanels();
  RegisterButtons(reg);
  RegisterGroups();
  RegisterImageLists();
}
