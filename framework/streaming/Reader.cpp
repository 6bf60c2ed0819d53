#include "framework/streaming/Reader.h"

#include "framework/base/Exceptions.h"
#include "framework/base/SysUtils.h"
#include "framework/components/WinControl.h"
#include "framework/resources/Resources.h"
#include "framework/streaming/Parser.h"

// Applies the parser's events to the root and the components it creates.
class TReaderImpl {
 public:
  explicit TReaderImpl(TReader& reader) : r_(reader), registry_(TClassRegistry::Instance()) {}

  void Run(TComponent* root) {
    r_.root_ = root;
    r_.current_ = nullptr;
    try {
      TParser parser(r_.text_, r_.sourceName_);
      TParseEvent event;
      while (parser.Next(event)) {
        switch (event.kind) {
          case TParseEvent::Kind::BeginObject:
            if (stack_.empty()) {
              BeginRoot(event);
            } else {
              BeginChild(event);
            }
            break;
          case TParseEvent::Kind::Property:
            SetProperty(event);
            break;
          case TParseEvent::Kind::EndObject:
            stack_.pop_back();
            r_.current_ = stack_.empty() ? nullptr : stack_.back().component;
            break;
        }
      }
    } catch (...) {
      Abandon();
      throw;
    }
    Finish();
  }

 private:
  // Splits "<prefix>N: rest"; false when the message has another form.
  static bool SplitLine(const std::string& message, const std::string& prefix, int& line, std::string& rest) {
    if (message.compare(0, prefix.size(), prefix) != 0) return false;
    size_t i = prefix.size();
    long long n = 0;
    while (i < message.size() && message[i] >= '0' && message[i] <= '9' && n < 1000000000) n = n * 10 + (message[i++] - '0');
    if (i == prefix.size() || message.compare(i, 2, ": ") != 0) return false;
    line = static_cast<int>(n);
    rest = message.substr(i + 2);
    return true;
  }

  struct Open {
    TComponent* component;
    std::string className;  // as registered: property lookups start here
  };

  // Runs `action`, turning anything the framework throws into an EReadError
  // that names the description and the line.
  template <class F>
  void Guard(int line, const std::string& what, F&& action) {
    try {
      action();
    } catch (const EReadError& e) {
      // Value conversions know the line but neither the description nor the
      // property; setters may have named the line already.
      const std::string message = e.Message();
      const std::string ours = r_.sourceName_.empty() ? "line " : r_.sourceName_ + " line ";
      int where = line;
      std::string rest = message;
      if (!SplitLine(message, ours, where, rest)) SplitLine(message, "line ", where, rest);
      if (rest.compare(0, 14, "Error reading ") == 0) r_.Error(where, rest);
      r_.Error(where, what + ": " + rest);
    } catch (const Exception& e) {
      r_.Error(line, what + ": " + e.Message());
    }
  }

  void BeginRoot(const TParseEvent& e) {
    TComponent* root = r_.root_;
    const std::string rootClass = root->ClassName();
    if (!registry_.HasClass(rootClass)) r_.Error(e.line, "Class " + rootClass + " not found");
    if (!registry_.InheritsFrom(rootClass, e.className))
      r_.Error(e.line, "Class " + e.className + " does not match the root class " + rootClass);
    created_.push_back(root);
    root->SetLoadingState(true);
    root->SetReadingState(true);
    if (!e.name.empty()) Guard(e.line, "Error naming " + e.name, [&] { root->SetName(e.name); });
    stack_.push_back({root, rootClass});
    r_.current_ = root;
  }

  void BeginChild(const TParseEvent& e) {
    TComponent* root = r_.root_;
    if (!registry_.HasClass(e.className)) r_.Error(e.line, "Class " + e.className + " not found");
    TComponent* c = nullptr;
    Guard(e.line, "Error creating " + e.className, [&] { c = registry_.Create(e.className, root); });
    if (!c) r_.Error(e.line, "Class " + e.className + " cannot be created");
    // Whatever the factory did, the root owns what the description makes, so
    // a failure later leaves nothing behind that the root does not free.
    if (!c->Owner()) root->InsertComponent(c);
    created_.push_back(c);
    c->SetLoadingState(true);
    c->SetReadingState(true);

    if (!e.name.empty()) {
      TComponent* other = root->FindComponent(e.name);
      if (other && other != c)
        r_.Error(e.line, "A component named " + e.name + " already exists");
      Guard(e.line, "Error naming " + e.name, [&] {
        c->SetName(e.name);
        if (const TFieldSetter* field = registry_.FindField(stack_.front().className, e.name)) (*field)(root, c);
      });
    }
    if (auto* control = dynamic_cast<TControl*>(c)) {
      if (auto* parent = dynamic_cast<TWinControl*>(stack_.back().component)) {
        Guard(e.line, "Error placing " + e.name, [&] { control->SetParent(parent); });
      }
    }
    stack_.push_back({c, e.className});
    r_.current_ = c;
  }

  void SetProperty(const TParseEvent& e) {
    const Open& open = stack_.back();
    TComponent* component = open.component;
    const std::string& path = e.name;
    const std::string who = component->Name().empty() ? open.className : component->Name();
    const std::string what = "Error reading " + who + "." + path;

    bool done = false;
    Guard(e.line, what, [&] { done = r_.SetObjectProperty(component, open.className, path, e.value); });
    if (done) return;
    if (const TDynamicSetter* dynamic = registry_.FindDynamic(open.className)) {
      Guard(e.line, what, [&] { (*dynamic)(component, path, e.value, r_); });
      return;
    }
    r_.Error(e.line, what + ": Property " + path + " does not exist");
  }

  void Finish() {
    r_.current_ = nullptr;
    for (TComponent* c : created_) c->SetReadingState(false);
    for (size_t i = 0; i < created_.size(); ++i) {
      try {
        created_[i]->Loaded();
      } catch (...) {
        for (size_t j = i; j < created_.size(); ++j) created_[j]->SetLoadingState(false);
        throw;
      }
      // Loaded clears the state; a class that forgets to call up must not
      // stay "loading" for ever.
      created_[i]->SetLoadingState(false);
    }
  }

  // After an error: the components made so far stay with their owner, but
  // none of them is left marked as loading or reading.
  void Abandon() noexcept {
    r_.current_ = nullptr;
    for (TComponent* c : created_) {
      c->SetReadingState(false);
      c->SetLoadingState(false);
    }
  }

  TReader& r_;
  TClassRegistry& registry_;
  std::vector<Open> stack_;
  std::vector<TComponent*> created_;  // the root, then every child in creation order
};

TReader::TReader(std::string text, std::string sourceName) : text_(std::move(text)), sourceName_(std::move(sourceName)) {}

void TReader::ReadRootComponent(TComponent* root) {
  if (!root) throw EReadError(SReadError);
  TReaderImpl(*this).Run(root);
}

bool TReader::SetObjectProperty(TPersistent* object, std::string className, const std::string& path,
                                const TPropValue& value) {
  const TClassRegistry& registry = TClassRegistry::Instance();
  size_t start = 0;
  for (;;) {
    const size_t dot = path.find('.', start);
    const std::string part = path.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
    const TPropertyInfo* info = registry.FindProperty(className, part);
    if (!info) return false;
    if (dot == std::string::npos) {
      if (!info->Set) Error(value.line, "Property " + path + " is an object and takes no value");
      info->Set(object, value, *this);
      return true;
    }
    if (!info->SubObject) return false;
    TPersistent* sub = info->SubObject(object);
    if (!sub) Error(value.line, "Property " + path.substr(0, dot) + " has no object");
    object = sub;
    className = sub->ClassName();
    start = dot + 1;
  }
}

void TReader::Error(int line, const std::string& message) const {
  const std::string where = sourceName_.empty() ? "line " : sourceName_ + " line ";
  throw EReadError(where + std::to_string(line) + ": " + message);
}

TNotifyEvent TReader::BindMethod(const TPropValue& value) const {
  if (value.kind != TPropValue::Kind::Ident) Error(value.line, "Method name expected");
  if (!root_) Error(value.line, "No form to find method " + value.text + " in");
  const std::string formClass = root_->ClassName();
  const TMethodBinder* binder = TClassRegistry::Instance().FindMethod(formClass, value.text);
  if (!binder) Error(value.line, "Method " + value.text + " not found in " + formClass);
  return (*binder)(root_);
}

void ReadComponentResource(TComponent* root, const std::string& resourceName) {
  TResourceStream stream(resourceName);
  const std::vector<uint8_t> bytes = stream.ReadAll();
  TReader reader(std::string(bytes.begin(), bytes.end()), resourceName);
  reader.ReadRootComponent(root);
}
