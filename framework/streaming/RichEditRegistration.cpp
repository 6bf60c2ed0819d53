// The edit classes as the window-description reader knows them.
#include "framework/stdctrls/RichEdit.h"
#include "framework/streaming/ClassRegistry.h"
#include "framework/streaming/PropertyHelpers.h"

void RegisterRichEditClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  TClassRegistry& reg = TClassRegistry::Instance();
  // TCustomEdit and TCustomRichEdit carry properties only; nothing stores them as such.
  reg.RegisterClass("TCustomEdit", "TCustomControl");
  RegisterBoolProperty("TCustomEdit", "ReadOnly", &TCustomEdit::SetReadOnly);
  RegisterEnumProperty("TCustomEdit", "BorderStyle", &TCustomEdit::SetBorderStyle, {"bsNone", "bsSingle"});
  RegisterEventProperty("TCustomEdit", "OnChange", &TCustomEdit::OnChange);

  // "Lines.Strings" continues into the lines object by its own class name.
  reg.RegisterClass("TRichEditStrings", "TStrings");
  reg.RegisterClass("TCustomRichEdit", "TCustomEdit");
  RegisterSubObjectProperty("TCustomRichEdit", "Lines", &TCustomRichEdit::Lines);
  RegisterBoolProperty("TCustomRichEdit", "WordWrap", &TCustomRichEdit::SetWordWrap);
  RegisterEnumProperty("TCustomRichEdit", "ScrollBars", &TCustomRichEdit::SetScrollBars,
                       {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"});
  RegisterBoolProperty("TCustomRichEdit", "HideScrollBars", &TCustomRichEdit::SetHideScrollBars);
  RegisterBoolProperty("TCustomRichEdit", "WantTabs", &TCustomRichEdit::SetWantTabs);
  RegisterBoolProperty("TCustomRichEdit", "WantReturns", &TCustomRichEdit::SetWantReturns);
  RegisterBoolProperty("TCustomRichEdit", "PlainText", &TCustomRichEdit::SetPlainText);

  RegisterComponentClass<TRichEdit>("TRichEdit", "TCustomRichEdit");
}
