#include "app/Unit1.h"
#include "controls/sBitBtn.h"
#include "controls/sGroupBox.h"
#include "controls/sPanel.h"
#include "controls/sSkinProvider.h"
#include "framework/stdctrls/RichEdit.h"
#include "framework/stdctrls/StdCtrls.h"
#include "framework/streaming/ClassRegistry.h"
#include "skin/sSkinManager.h"

namespace {

template <class T>
void Field(TClassRegistry& r, const char* name, T* TForm1::*member) {
  r.RegisterField("TForm1", name, [member, name](TComponent* form, TComponent* component) {
    auto* typed = dynamic_cast<T*>(component);
    if (!typed)
      throw EReadError(std::string("Field ") + name + " cannot hold a " + component->ClassName());
    static_cast<TForm1*>(form)->*member = typed;
  });
}

void Method(TClassRegistry& r, const char* name, void (TForm1::*method)(TComponent*)) {
  r.RegisterMethod("TForm1", name, [method](TComponent* form) -> TNotifyEvent {
    auto* f = static_cast<TForm1*>(form);
    return [f, method](TComponent* sender) { (f->*method)(sender); };
  });
}

}  // namespace

void RegisterUnit1Classes() {
  TClassRegistry& r = TClassRegistry::Instance();
  r.RegisterClass("TForm1", "TForm");
  Field(r, "sPanel1", &TForm1::sPanel1);
  Field(r, "StaticText1", &TForm1::StaticText1);
  Field(r, "StaticText2", &TForm1::StaticText2);
  Field(r, "StaticText3", &TForm1::StaticText3);
  Field(r, "StaticText4", &TForm1::StaticText4);
  Field(r, "StaticText5", &TForm1::StaticText5);
  Field(r, "StaticText6", &TForm1::StaticText6);
  Field(r, "StaticText7", &TForm1::StaticText7);
  Field(r, "StaticText8", &TForm1::StaticText8);
  Field(r, "StaticText9", &TForm1::StaticText9);
  Field(r, "StaticText10", &TForm1::StaticText10);
  Field(r, "sSkinManager1", &TForm1::sSkinManager1);
  Field(r, "sSkinProvider1", &TForm1::sSkinProvider1);
  Field(r, "sPanel2", &TForm1::sPanel2);
  Field(r, "sBitBtn1", &TForm1::sBitBtn1);
  Field(r, "sRadioGroup", &TForm1::sRadioGroup);
  Field(r, "sBitBtn2", &TForm1::sBitBtn2);
  Field(r, "sBitBtn3", &TForm1::sBitBtn3);
  Field(r, "sBitBtn4", &TForm1::sBitBtn4);
  Field(r, "sText1", &TForm1::sText1);
  Method(r, "StaticTextClick", &TForm1::StaticTextClick);
  Method(r, "FormCreate", &TForm1::FormCreate);
  Method(r, "sBitBtn1Click", &TForm1::sBitBtn1Click);
  Method(r, "sBitBtn3Click", &TForm1::sBitBtn3Click);
  Method(r, "sBitBtn2Click", &TForm1::sBitBtn2Click);
  Method(r, "sBitBtn4Click", &TForm1::sBitBtn4Click);
}
