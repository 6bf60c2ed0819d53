// The class registry of the window-description reader: class names map to
// factories, published property names to setters, published methods of a
// form to event handlers, and published fields of a form to the component
// that carries that name.
//
// Properties are registered per class and inherited by derived classes
// (lookup walks the parent class names). A property either takes a value or
// names a sub-object (Font, SkinData, Items ...) whose own class lists its
// properties, so "Font.Height" resolves through the TFont entry.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/components/Component.h"

// One value as written in a description.
struct TPropValue {
  enum class Kind { Integer, Real, String, Ident, Set, List, Collection, Binary };
  Kind kind = Kind::Integer;
  int64_t integer = 0;
  double real = 0;
  std::string text;                 // String and Ident
  std::vector<std::string> items;   // Set (identifiers) and List (strings)
  std::vector<uint8_t> bytes;       // Binary
  // Collection: each item is a list of (property name, value) in stored order.
  struct Item;
  std::vector<Item> collection;
  int line = 0;  // where the value starts, for error messages

  // Out of line: a value holds items that hold values, and the members must
  // not be made before the whole type is known.
  TPropValue();
  TPropValue(const TPropValue&);
  TPropValue(TPropValue&&) noexcept;
  TPropValue& operator=(const TPropValue&);
  TPropValue& operator=(TPropValue&&) noexcept;
  ~TPropValue();

  // Conversions that throw EReadError("line N: ...") on a kind mismatch; the
  // reader puts the description's name in front.
  // 32-bit integers; values from 2^31 to 2^32-1 are taken as bit patterns,
  // so colours written in hex ($80000005) read as the TColor they denote.
  int AsInt() const;
  int64_t AsInt64() const;
  double AsReal() const;  // integers are accepted
  bool AsBool() const;    // True / False identifiers
  const std::string& AsString() const;  // strings (identifiers are not strings)
  const std::string& AsIdent() const;
};

struct TPropValue::Item {
  std::vector<std::pair<std::string, TPropValue>> properties;
  int line = 0;
};

class TReader;

// Sets one property of an object from a value. The object is the instance of
// the class the property was registered for (or a derived one).
using TPropertySetter = std::function<void(TPersistent* object, const TPropValue& value, TReader& reader)>;
// Answers the sub-object that a dotted property name continues into.
using TSubObjectGetter = std::function<TPersistent*(TPersistent* object)>;
// Creates a component with the given owner (through TComponent::Create, so
// that AfterConstruction runs).
using TComponentFactory = std::function<TComponent*(TComponent* owner)>;
// Binds a published method of a form to an event: answers the callable that
// calls `method` on `form`.
using TMethodBinder = std::function<TNotifyEvent(TComponent* form)>;
// Stores a component into the form's published field of that name.
using TFieldSetter = std::function<void(TComponent* form, TComponent* component)>;

// Receives a property that the class does not list, by its full dotted path
// (for components that keep whatever is stored for them).
using TDynamicSetter = std::function<void(TPersistent* object, const std::string& path, const TPropValue& value,
                                          TReader& reader)>;

struct TPropertyInfo {
  TPropertySetter Set;
  TSubObjectGetter SubObject;
};

class TClassRegistry {
 public:
  static TClassRegistry& Instance();

  // `parent` is the class whose properties are inherited ("" for none).
  void RegisterClass(const std::string& name, const std::string& parent, TComponentFactory factory = {});
  void RegisterProperty(const std::string& className, const std::string& property, TPropertySetter setter);
  void RegisterSubObject(const std::string& className, const std::string& property, TSubObjectGetter getter);
  void RegisterMethod(const std::string& formClass, const std::string& method, TMethodBinder binder);
  void RegisterField(const std::string& formClass, const std::string& field, TFieldSetter setter);
  // A class that accepts any property it does not list (inherited).
  void RegisterDynamicProperties(const std::string& className, TDynamicSetter setter);

  bool HasClass(const std::string& name) const;
  TComponent* Create(const std::string& className, TComponent* owner) const;  // nullptr: no factory
  // Property lookup through the parent chain; nullptr when unknown.
  const TPropertyInfo* FindProperty(const std::string& className, const std::string& property) const;
  const TMethodBinder* FindMethod(const std::string& formClass, const std::string& method) const;
  const TFieldSetter* FindField(const std::string& formClass, const std::string& field) const;
  const TDynamicSetter* FindDynamic(const std::string& className) const;
  std::string ParentOf(const std::string& className) const;
  // Whether `ancestor` is `className` or one of its registered parents.
  bool InheritsFrom(const std::string& className, const std::string& ancestor) const;

 private:
  struct ClassInfo {
    bool Registered = false;  // RegisterClass ran (properties may come first)
    std::string Parent;
    TComponentFactory Factory;
    std::map<std::string, TPropertyInfo> Properties;
    std::map<std::string, TMethodBinder> Methods;
    std::map<std::string, TFieldSetter> Fields;
    TDynamicSetter Dynamic;
  };
  const ClassInfo* Find(const std::string& name) const;
  // Names are matched ignoring ASCII case, as descriptions are: keys are
  // lower-cased.
  std::map<std::string, ClassInfo> classes_;
};

// Registration of every class of the framework and of the programs built on
// it runs once, at start-up; a unit that adds classes adds its function here.
// Idempotent; also registers the plain controls (RegisterStdCtrlsClasses).
void RegisterFrameworkClasses();
// The plain controls of framework/stdctrls.
void RegisterStdCtrlsClasses();
// TCustomEdit, TCustomRichEdit and TRichEdit (idempotent).
void RegisterRichEditClasses();
