// The framework's own classes and their published properties.
#include "framework/components/Forms.h"
#include "framework/components/StringList.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/Picture.h"
#include "framework/stdctrls/RichEdit.h"
#include "framework/streaming/ClassRegistry.h"
#include "framework/streaming/PropertyHelpers.h"

namespace {

void RegisterComponent(TClassRegistry& reg) {
  reg.RegisterClass("TComponent", "");
  RegisterStringProperty("TComponent", "Name", &TComponent::SetName);
  reg.RegisterProperty("TComponent", "Tag", [](TPersistent* o, const TPropValue& v, TReader& r) {
    PropertyTarget<TComponent>(o, v, r).SetTag(static_cast<intptr_t>(v.AsInt64()));
  });
}

void RegisterFont(TClassRegistry& reg) {
  reg.RegisterClass("TFont", "");
  RegisterStringProperty("TFont", "Name", &TFont::SetName);
  RegisterIntProperty("TFont", "Height", &TFont::SetHeight);
  RegisterIntProperty("TFont", "Size", &TFont::SetSize);
  RegisterSetProperty("TFont", "Style", &TFont::SetStyle, {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
  reg.RegisterProperty("TFont", "Charset", [](TPersistent* o, const TPropValue& v, TReader& r) {
    PropertyTarget<TFont>(o, v, r).SetCharset(CharsetValue(v, r));
  });
  RegisterColorProperty("TFont", "Color", &TFont::SetColor);
  RegisterEnumProperty("TFont", "Pitch", &TFont::SetPitch, {"fpDefault", "fpVariable", "fpFixed"});
}

void RegisterStrings(TClassRegistry& reg) {
  reg.RegisterClass("TStrings", "");
  reg.RegisterClass("TStringList", "TStrings");
  // The stored lines replace whatever the list held.
  reg.RegisterProperty("TStrings", "Strings", [](TPersistent* o, const TPropValue& v, TReader& r) {
    TStrings& strings = PropertyTarget<TStrings>(o, v, r);
    if (v.kind != TPropValue::Kind::List) r.Error(v.line, "String list expected");
    strings.BeginUpdate();
    try {
      strings.Clear();
      strings.AddStrings(v.items);
    } catch (...) {
      strings.EndUpdate();
      throw;
    }
    strings.EndUpdate();
  });
}

void RegisterControls(TClassRegistry& reg) {
  reg.RegisterClass("TControl", "TComponent");
  RegisterIntProperty("TControl", "Left", &TControl::SetLeft);
  RegisterIntProperty("TControl", "Top", &TControl::SetTop);
  RegisterIntProperty("TControl", "Width", &TControl::SetWidth);
  RegisterIntProperty("TControl", "Height", &TControl::SetHeight);
  RegisterStringProperty("TControl", "Caption", &TControl::SetCaption);
  RegisterStringProperty("TControl", "Text", &TControl::SetText);
  RegisterColorProperty("TControl", "Color", &TControl::SetColor);
  RegisterSubObjectProperty("TControl", "Font", &TControl::Font);
  RegisterBoolProperty("TControl", "ParentFont", &TControl::SetParentFont);
  RegisterBoolProperty("TControl", "ParentColor", &TControl::SetParentColor);
  RegisterBoolProperty("TControl", "Visible", &TControl::SetVisible);
  RegisterBoolProperty("TControl", "Enabled", &TControl::SetEnabled);
  RegisterSetProperty("TControl", "Anchors", &TControl::SetAnchors, {"akLeft", "akTop", "akRight", "akBottom"});
  RegisterEnumProperty("TControl", "Align", &TControl::SetAlign,
                       {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"});
  RegisterEventProperty("TControl", "OnClick", &TControl::OnClick);
  RegisterEventProperty("TControl", "OnDblClick", &TControl::OnDblClick);
  RegisterEventProperty("TControl", "OnResize", &TControl::OnResize);

  reg.RegisterClass("TGraphicControl", "TControl");

  RegisterComponentClass<TWinControl>("TWinControl", "TControl");
  RegisterIntProperty("TWinControl", "TabOrder", &TWinControl::SetTabOrder);
  RegisterBoolProperty("TWinControl", "TabStop", &TWinControl::SetTabStop);
  RegisterEventProperty("TWinControl", "OnEnter", &TWinControl::OnEnter);
  RegisterEventProperty("TWinControl", "OnExit", &TWinControl::OnExit);

  RegisterComponentClass<TCustomControl>("TCustomControl", "TWinControl");
}

void RegisterForms(TClassRegistry& reg) {
  // Forms are the roots of descriptions; the reader does not make them.
  reg.RegisterClass("TCustomForm", "TWinControl");
  reg.RegisterClass("TForm", "TCustomForm");
  RegisterEnumProperty("TCustomForm", "BorderStyle", &TCustomForm::SetBorderStyle,
                       {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"});
  RegisterSetProperty("TCustomForm", "BorderIcons", &TCustomForm::SetBorderIcons,
                      {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"});
  RegisterIntProperty("TCustomForm", "ClientWidth", &TCustomForm::SetClientWidth);
  RegisterIntProperty("TCustomForm", "ClientHeight", &TCustomForm::SetClientHeight);
  RegisterEnumProperty("TCustomForm", "Position", &TCustomForm::SetPosition,
                       {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                        "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"});
  RegisterEnumProperty("TCustomForm", "WindowState", &TCustomForm::SetWindowState,
                       {"wsNormal", "wsMinimized", "wsMaximized"});
  RegisterBoolProperty("TCustomForm", "KeyPreview", &TCustomForm::SetKeyPreview);
  RegisterEnumProperty("TCustomForm", "FormStyle", &TCustomForm::SetFormStyle,
                       {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"});
  RegisterEventProperty("TCustomForm", "OnCreate", &TCustomForm::OnCreate);
  RegisterEventProperty("TCustomForm", "OnDestroy", &TCustomForm::OnDestroy);
  RegisterEventProperty("TCustomForm", "OnShow", &TCustomForm::OnShow);
  RegisterEventProperty("TCustomForm", "OnHide", &TCustomForm::OnHide);
  RegisterEventProperty("TCustomForm", "OnActivate", &TCustomForm::OnActivate);
  RegisterEventProperty("TCustomForm", "OnDeactivate", &TCustomForm::OnDeactivate);
}

}  // namespace

// Bitmaps and pictures stored in descriptions carry their file in "Data".
void RegisterPictures(TClassRegistry& reg) {
  reg.RegisterClass("TGraphic", "");
  reg.RegisterClass("TBitmap", "TGraphic");
  reg.RegisterProperty("TBitmap", "Data", [](TPersistent* o, const TPropValue& v, TReader& r) {
    ReadBitmapData(PropertyTarget<TBitmap>(o, v, r), v, r);
  });
  reg.RegisterClass("TPicture", "");
  reg.RegisterProperty("TPicture", "Data", [](TPersistent* o, const TPropValue& v, TReader& r) {
    ReadPictureData(PropertyTarget<TPicture>(o, v, r), v, r);
  });
}

void RegisterFrameworkClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  TClassRegistry& reg = TClassRegistry::Instance();
  RegisterComponent(reg);
  RegisterFont(reg);
  RegisterStrings(reg);
  RegisterControls(reg);
  RegisterForms(reg);
  RegisterPictures(reg);
  RegisterStdCtrlsClasses();
  RegisterRichEditClasses();
}
