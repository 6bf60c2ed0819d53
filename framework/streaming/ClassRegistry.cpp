#include "framework/streaming/ClassRegistry.h"

#include <limits>

#include "framework/base/Exceptions.h"
#include "framework/base/SysUtils.h"

// --- TPropValue ---

namespace {

// A registered parent chain longer than this is a loop.
constexpr int kMaxClassChain = 64;

std::string Describe(const TPropValue& v) {
  switch (v.kind) {
    case TPropValue::Kind::Integer: return "integer " + std::to_string(v.integer);
    case TPropValue::Kind::Real: return "real number " + FloatToStr(v.real);
    case TPropValue::Kind::String: {
      std::string shown = v.text.size() > 40 ? v.text.substr(0, Utf8PrevChar(v.text, 41)) + "..." : v.text;
      return "string '" + shown + "'";
    }
    case TPropValue::Kind::Ident: return "identifier " + v.text;
    case TPropValue::Kind::Set: return "set";
    case TPropValue::Kind::List: return "string list";
    case TPropValue::Kind::Collection: return "collection";
    case TPropValue::Kind::Binary: return "binary block";
  }
  return "value";
}

[[noreturn]] void WrongKind(const TPropValue& v, const char* expected) {
  throw EReadError("line " + std::to_string(v.line) + ": " + expected + " expected but " + Describe(v) + " found");
}

std::string Key(const std::string& name) { return LowerCase(name); }

}  // namespace

TPropValue::TPropValue() = default;
TPropValue::TPropValue(const TPropValue&) = default;
TPropValue::TPropValue(TPropValue&&) noexcept = default;
TPropValue& TPropValue::operator=(const TPropValue&) = default;
TPropValue& TPropValue::operator=(TPropValue&&) noexcept = default;
TPropValue::~TPropValue() = default;

int TPropValue::AsInt() const {
  if (kind != Kind::Integer) WrongKind(*this, "Integer");
  if (integer < std::numeric_limits<int32_t>::min() || integer > std::numeric_limits<uint32_t>::max())
    throw EReadError("line " + std::to_string(line) + ": Integer " + std::to_string(integer) + " out of range");
  return static_cast<int32_t>(static_cast<uint32_t>(integer));
}

int64_t TPropValue::AsInt64() const {
  if (kind != Kind::Integer) WrongKind(*this, "Integer");
  return integer;
}

double TPropValue::AsReal() const {
  if (kind == Kind::Integer) return static_cast<double>(integer);
  if (kind != Kind::Real) WrongKind(*this, "Real number");
  return real;
}

bool TPropValue::AsBool() const {
  if (kind == Kind::Ident) {
    if (SameText(text, "True")) return true;
    if (SameText(text, "False")) return false;
  }
  WrongKind(*this, "True or False");
}

const std::string& TPropValue::AsString() const {
  if (kind != Kind::String) WrongKind(*this, "String");
  return text;
}

const std::string& TPropValue::AsIdent() const {
  if (kind != Kind::Ident) WrongKind(*this, "Identifier");
  return text;
}

// --- TClassRegistry ---

TClassRegistry& TClassRegistry::Instance() {
  static TClassRegistry registry;
  return registry;
}

const TClassRegistry::ClassInfo* TClassRegistry::Find(const std::string& name) const {
  if (name.empty()) return nullptr;
  auto it = classes_.find(Key(name));
  return it == classes_.end() ? nullptr : &it->second;
}

void TClassRegistry::RegisterClass(const std::string& name, const std::string& parent, TComponentFactory factory) {
  ClassInfo& info = classes_[Key(name)];
  info.Registered = true;
  info.Parent = parent;
  // Registering again without a factory keeps the one given before.
  if (factory) info.Factory = std::move(factory);
}

void TClassRegistry::RegisterProperty(const std::string& className, const std::string& property,
                                      TPropertySetter setter) {
  classes_[Key(className)].Properties[Key(property)].Set = std::move(setter);
}

void TClassRegistry::RegisterSubObject(const std::string& className, const std::string& property,
                                       TSubObjectGetter getter) {
  classes_[Key(className)].Properties[Key(property)].SubObject = std::move(getter);
}

void TClassRegistry::RegisterMethod(const std::string& formClass, const std::string& method, TMethodBinder binder) {
  classes_[Key(formClass)].Methods[Key(method)] = std::move(binder);
}

void TClassRegistry::RegisterField(const std::string& formClass, const std::string& field, TFieldSetter setter) {
  classes_[Key(formClass)].Fields[Key(field)] = std::move(setter);
}

void TClassRegistry::RegisterDynamicProperties(const std::string& className, TDynamicSetter setter) {
  classes_[Key(className)].Dynamic = std::move(setter);
}

bool TClassRegistry::HasClass(const std::string& name) const {
  const ClassInfo* info = Find(name);
  return info && info->Registered;
}

TComponent* TClassRegistry::Create(const std::string& className, TComponent* owner) const {
  const ClassInfo* info = Find(className);
  if (!info || !info->Registered || !info->Factory) return nullptr;
  return info->Factory(owner);
}

std::string TClassRegistry::ParentOf(const std::string& className) const {
  const ClassInfo* info = Find(className);
  return info ? info->Parent : std::string();
}

const TPropertyInfo* TClassRegistry::FindProperty(const std::string& className, const std::string& property) const {
  const std::string key = Key(property);
  int steps = 0;
  for (const ClassInfo* c = Find(className); c && steps < kMaxClassChain; c = Find(c->Parent), ++steps) {
    auto it = c->Properties.find(key);
    if (it != c->Properties.end()) return &it->second;
  }
  return nullptr;
}

const TMethodBinder* TClassRegistry::FindMethod(const std::string& formClass, const std::string& method) const {
  const std::string key = Key(method);
  int steps = 0;
  for (const ClassInfo* c = Find(formClass); c && steps < kMaxClassChain; c = Find(c->Parent), ++steps) {
    auto it = c->Methods.find(key);
    if (it != c->Methods.end()) return &it->second;
  }
  return nullptr;
}

const TFieldSetter* TClassRegistry::FindField(const std::string& formClass, const std::string& field) const {
  const std::string key = Key(field);
  int steps = 0;
  for (const ClassInfo* c = Find(formClass); c && steps < kMaxClassChain; c = Find(c->Parent), ++steps) {
    auto it = c->Fields.find(key);
    if (it != c->Fields.end()) return &it->second;
  }
  return nullptr;
}

const TDynamicSetter* TClassRegistry::FindDynamic(const std::string& className) const {
  int steps = 0;
  for (const ClassInfo* c = Find(className); c && steps < kMaxClassChain; c = Find(c->Parent), ++steps)
    if (c->Dynamic) return &c->Dynamic;
  return nullptr;
}

bool TClassRegistry::InheritsFrom(const std::string& className, const std::string& ancestor) const {
  if (SameText(className, ancestor)) return true;
  std::string name = className;
  for (int steps = 0; steps < kMaxClassChain; ++steps) {
    const ClassInfo* c = Find(name);
    if (!c || c->Parent.empty()) return false;
    if (SameText(c->Parent, ancestor)) return true;
    name = c->Parent;
  }
  return false;
}
