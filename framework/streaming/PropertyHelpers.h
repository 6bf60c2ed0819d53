// Helpers for registering published properties: typed setters from member
// functions, enumerations and sets by their identifiers, colours by number or
// name, events bound to a published method of the form.
//
//   RegisterIntProperty("TControl", "Left", &TControl::SetLeft);
//   RegisterEnumProperty("TControl", "Align", &TControl::SetAlign,
//                        {"alNone", "alTop", "alBottom", ...});
//   RegisterEventProperty("TControl", "OnClick", &TControl::OnClick);
//
// Enumeration and set names are listed in the order of the enum's values
// (the first name is value 0). Identifiers match ignoring ASCII case.
#pragma once

#include <string>
#include <vector>

#include "framework/base/Colors.h"
#include "framework/base/Set.h"
#include "framework/streaming/ClassRegistry.h"
#include "framework/streaming/Reader.h"

// The object a setter received, as the class the property belongs to.
template <class T>
T& PropertyTarget(TPersistent* object, const TPropValue& value, TReader& reader) {
  T* target = dynamic_cast<T*>(object);
  if (!target) reader.Error(value.line, "Property does not apply to " + (object ? object->ClassName() : "nothing"));
  return *target;
}

// The position of an identifier value in `names`; EReadError when it is not
// there ("Invalid property value").
int IdentIndex(const TPropValue& value, const std::vector<std::string>& names, TReader& reader);
// The bits of a set value whose elements are drawn from `names` (bit i for
// names[i]).
uint64_t SetBits(const TPropValue& value, const std::vector<std::string>& names, TReader& reader);
// A colour written as an integer or as a colour name (clBtnFace).
TColor ColorValue(const TPropValue& value, TReader& reader);
// A character set written as an integer or a name (DEFAULT_CHARSET).
int CharsetValue(const TPropValue& value, TReader& reader);

template <class T, class V>
void RegisterIntProperty(const std::string& className, const std::string& property, void (T::*setter)(V)) {
  TClassRegistry::Instance().RegisterProperty(className, property,
                                              [setter](TPersistent* o, const TPropValue& v, TReader& r) {
                                                (PropertyTarget<T>(o, v, r).*setter)(static_cast<V>(v.AsInt()));
                                              });
}

template <class T>
void RegisterBoolProperty(const std::string& className, const std::string& property, void (T::*setter)(bool)) {
  TClassRegistry::Instance().RegisterProperty(className, property,
                                              [setter](TPersistent* o, const TPropValue& v, TReader& r) {
                                                (PropertyTarget<T>(o, v, r).*setter)(v.AsBool());
                                              });
}

template <class T>
void RegisterStringProperty(const std::string& className, const std::string& property,
                            void (T::*setter)(const std::string&)) {
  TClassRegistry::Instance().RegisterProperty(className, property,
                                              [setter](TPersistent* o, const TPropValue& v, TReader& r) {
                                                (PropertyTarget<T>(o, v, r).*setter)(v.AsString());
                                              });
}

template <class T>
void RegisterColorProperty(const std::string& className, const std::string& property, void (T::*setter)(TColor)) {
  TClassRegistry::Instance().RegisterProperty(className, property,
                                              [setter](TPersistent* o, const TPropValue& v, TReader& r) {
                                                (PropertyTarget<T>(o, v, r).*setter)(ColorValue(v, r));
                                              });
}

template <class T, class E>
void RegisterEnumProperty(const std::string& className, const std::string& property, void (T::*setter)(E),
                          std::vector<std::string> names) {
  TClassRegistry::Instance().RegisterProperty(
      className, property, [setter, names = std::move(names)](TPersistent* o, const TPropValue& v, TReader& r) {
        (PropertyTarget<T>(o, v, r).*setter)(static_cast<E>(IdentIndex(v, names, r)));
      });
}

template <class T, class E>
void RegisterSetProperty(const std::string& className, const std::string& property, void (T::*setter)(TSet<E>),
                         std::vector<std::string> names) {
  TClassRegistry::Instance().RegisterProperty(
      className, property, [setter, names = std::move(names)](TPersistent* o, const TPropValue& v, TReader& r) {
        (PropertyTarget<T>(o, v, r).*setter)(TSet<E>::FromBits(SetBits(v, names, r)));
      });
}

// An event member (`TNotifyEvent OnClick`) bound to a published method of
// the form being read.
template <class T>
void RegisterEventProperty(const std::string& className, const std::string& property, TNotifyEvent T::*member) {
  TClassRegistry::Instance().RegisterProperty(className, property,
                                              [member](TPersistent* o, const TPropValue& v, TReader& r) {
                                                PropertyTarget<T>(o, v, r).*member = r.BindMethod(v);
                                              });
}

// A sub-object reached by a member function (`TFont* Font()`), so that
// "Font.Height" continues into the TFont entry.
template <class T, class S>
void RegisterSubObjectProperty(const std::string& className, const std::string& property, S* (T::*getter)()) {
  TClassRegistry::Instance().RegisterSubObject(className, property, [getter](TPersistent* o) -> TPersistent* {
    T* target = dynamic_cast<T*>(o);
    return target ? (target->*getter)() : nullptr;
  });
}

// Registers a component class whose factory is TComponent::Create<T>(owner).
template <class T>
void RegisterComponentClass(const std::string& name, const std::string& parent) {
  TClassRegistry::Instance().RegisterClass(name, parent,
                                           [](TComponent* owner) -> TComponent* { return TComponent::Create<T>(owner); });
}

// --- Collections and pictures ---

class TCollection;
class TBitmap;
class TPicture;

// Replaces the items of `collection` with the stored items: each item's
// properties are set through the registry entries of the item's class.
void ReadCollection(TCollection& collection, const TPropValue& value, TReader& reader);

template <class T, class C>
void RegisterCollectionProperty(const std::string& className, const std::string& property, C* (T::*getter)()) {
  TClassRegistry::Instance().RegisterProperty(className, property,
                                              [getter](TPersistent* o, const TPropValue& v, TReader& r) {
                                                ReadCollection(*(PropertyTarget<T>(o, v, r).*getter)(), v, r);
                                              });
}

// A picture stored as a binary block: a 32-bit little-endian byte count,
// then that many bytes of the picture file (BMP for a bitmap; any
// registered format for a picture). A count that disagrees with the block,
// or a file that does not decode, fails the read.
void ReadBitmapData(TBitmap& bitmap, const TPropValue& value, TReader& reader);
void ReadPictureData(TPicture& picture, const TPropValue& value, TReader& reader);
TPropValue BitmapDataValue(const TBitmap& bitmap);
TPropValue PictureDataValue(const TPicture& picture);
// Any file's bytes kept the same way: the count, then the bytes.
std::vector<uint8_t> ReadStoredBytes(const TPropValue& value, TReader& reader);
TPropValue StoredBytesValue(const std::vector<uint8_t>& bytes);
