// Published fields: one table per persistent class lists its stored
// properties in stored order, and that one table both registers the reader's
// setters and writes an object back as description properties. Used for
// plain persistent records (collection items) whose properties are public
// fields.
//
//   const TPublishedFields<TsSkinImage>& Fields() {
//     static const TPublishedFields<TsSkinImage> fields = {
//         StringField("SectionName", &TsSkinImage::SectionName),
//         IntField("Left", &TsSkinImage::Left),
//         BitmapField("Image", &TsSkinImage::Image),
//     };
//     return fields;
//   }
//   RegisterPublishedFields("TsSkinImage", Fields());
//   TPropertyList stored = WritePublishedFields(image, Fields());
//   CopyPublishedFields(copy, image, Fields());  // the whole of Assign
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/components/Collection.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Picture.h"
#include "framework/streaming/PropertyHelpers.h"
#include "framework/streaming/Writer.h"

template <class T>
struct TPublishedField {
  std::string Name;
  // Reads the value into the object (a value property) ...
  std::function<void(T&, const TPropValue&, TReader&)> Read;
  // ... or answers the sub-object the dotted name continues into.
  std::function<TPersistent*(T&)> SubObject;
  // Adds the stored form of the field to `out`.
  std::function<void(const T&, TPropertyList& out)> Write;
  // Copies the field from another object (deeply, for objects it holds).
  std::function<void(T& target, const T& source)> Copy;
};

// Copies a plain member.
template <class T, class V>
std::function<void(T&, const T&)> CopyMember(V T::*member) {
  return [member](T& target, const T& source) { target.*member = source.*member; };
}

// Copies a member object through its Assign.
template <class T, class V>
std::function<void(T&, const T&)> AssignMember(V T::*member) {
  return [member](T& target, const T& source) { (target.*member).Assign(source.*member); };
}

template <class T>
using TPublishedFields = std::vector<TPublishedField<T>>;

template <class T>
TPublishedField<T> IntField(std::string name, int32_t T::*member) {
  return {name, [member](T& o, const TPropValue& v, TReader&) { o.*member = v.AsInt(); }, {},
          [member, name](const T& o, TPropertyList& out) { out.emplace_back(name, IntegerValue(o.*member)); },
          CopyMember(member)};
}

template <class T>
TPublishedField<T> BoolField(std::string name, bool T::*member) {
  return {name, [member](T& o, const TPropValue& v, TReader&) { o.*member = v.AsBool(); }, {},
          [member, name](const T& o, TPropertyList& out) { out.emplace_back(name, BoolValue(o.*member)); },
          CopyMember(member)};
}

template <class T>
TPublishedField<T> RealField(std::string name, double T::*member) {
  return {name, [member](T& o, const TPropValue& v, TReader&) { o.*member = v.AsReal(); }, {},
          [member, name](const T& o, TPropertyList& out) { out.emplace_back(name, RealValue(o.*member)); },
          CopyMember(member)};
}

template <class T>
TPublishedField<T> StringField(std::string name, std::string T::*member) {
  return {name, [member](T& o, const TPropValue& v, TReader&) { o.*member = v.AsString(); }, {},
          [member, name](const T& o, TPropertyList& out) { out.emplace_back(name, StringValue(o.*member)); },
          CopyMember(member)};
}

// A colour, read as a number or a colour name and written by name when it
// has one.
template <class T>
TPublishedField<T> ColorField(std::string name, TColor T::*member) {
  return {name, [member](T& o, const TPropValue& v, TReader& r) { o.*member = ColorValue(v, r); }, {},
          [member, name](const T& o, TPropertyList& out) { out.emplace_back(name, ColorPropValue(o.*member)); },
          CopyMember(member)};
}

// An enumeration stored by the identifiers in `names` (names[i] is value i).
template <class T, class E>
TPublishedField<T> EnumField(std::string name, E T::*member, std::vector<std::string> names) {
  return {name,
          [member, names](T& o, const TPropValue& v, TReader& r) { o.*member = static_cast<E>(IdentIndex(v, names, r)); },
          {},
          [member, name, names](const T& o, TPropertyList& out) {
            const auto index = static_cast<size_t>(o.*member);
            out.emplace_back(name, index < names.size() ? IdentValue(names[index]) : IntegerValue(int64_t(index)));
          },
          CopyMember(member)};
}

// A bitmap kept by the object, stored as "<name>.Data".
template <class T>
TPublishedField<T> BitmapField(std::string name, TBitmap T::*member) {
  return {name, {}, [member](T& o) -> TPersistent* { return &(o.*member); },
          [member, name](const T& o, TPropertyList& out) {
            out.emplace_back(name + ".Data", BitmapDataValue(o.*member));
          },
          AssignMember(member)};
}

// A picture of any registered format, stored as "<name>.Data".
template <class T>
TPublishedField<T> PictureField(std::string name, TPicture T::*member) {
  return {name, {}, [member](T& o) -> TPersistent* { return &(o.*member); },
          [member, name](const T& o, TPropertyList& out) {
            out.emplace_back(name + ".Data", PictureDataValue(o.*member));
          },
          AssignMember(member)};
}

template <class T>
TPropertyList WritePublishedFields(const T& object, const TPublishedFields<T>& fields) {
  TPropertyList out;
  for (const TPublishedField<T>& field : fields) field.Write(object, out);
  return out;
}

template <class T>
void CopyPublishedFields(T& target, const T& source, const TPublishedFields<T>& fields) {
  if (&target == &source) return;
  for (const TPublishedField<T>& field : fields) field.Copy(target, source);
}

// A collection of items that have their own field table.
template <class T, class C>
TPublishedField<T> CollectionField(std::string name, C T::*member,
                                   const TPublishedFields<typename C::ItemType>& itemFields) {
  return {name, [member](T& o, const TPropValue& v, TReader& r) { ReadCollection(o.*member, v, r); }, {},
          [member, name, &itemFields](const T& o, TPropertyList& out) {
            std::vector<TPropertyList> items;
            const C& collection = o.*member;
            for (int i = 0; i < collection.Count(); ++i) items.push_back(WritePublishedFields(*collection[i], itemFields));
            out.emplace_back(name, CollectionValue(std::move(items)));
          },
          AssignMember(member)};
}

// Registers the class (without a factory: its objects are made by their
// owners) and a reader entry for every field.
template <class T>
void RegisterPublishedFields(const std::string& className, const TPublishedFields<T>& fields) {
  TClassRegistry& registry = TClassRegistry::Instance();
  registry.RegisterClass(className, "");
  for (const TPublishedField<T>& field : fields) {
    if (field.Read) {
      registry.RegisterProperty(className, field.Name,
                                [read = field.Read](TPersistent* o, const TPropValue& v, TReader& r) {
                                  read(PropertyTarget<T>(o, v, r), v, r);
                                });
    } else {
      registry.RegisterSubObject(className, field.Name, [sub = field.SubObject](TPersistent* o) -> TPersistent* {
        T* target = dynamic_cast<T*>(o);
        return target ? sub(*target) : nullptr;
      });
    }
  }
}
