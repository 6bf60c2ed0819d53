#include "framework/components/StringList.h"

#include "framework/base/Exceptions.h"
#include "framework/base/SysUtils.h"

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(line));
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line.push_back(c);
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

std::string DecodeTextBytes(const std::vector<uint8_t>& bytes) {
  std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (view.size() >= 3 && view.substr(0, 3) == "\xEF\xBB\xBF") view.remove_prefix(3);
  if (IsValidUtf8(view)) return std::string(view);
  return Cp1251ToUtf8(view);
}

int TStrings::Add(const std::string& s) {
  const int index = Count();
  Insert(index, s);
  return index;
}

void TStrings::AddStrings(const std::vector<std::string>& lines) {
  BeginUpdate();
  try {
    for (const auto& l : lines) Add(l);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

int TStrings::IndexOf(const std::string& s) const {
  for (int i = 0; i < Count(); ++i)
    if (SameText(Get(i), s)) return i;
  return -1;
}

std::string TStrings::Text() const {
  std::string out;
  for (int i = 0; i < Count(); ++i) {
    out += Get(i);
    out += "\r\n";
  }
  return out;
}

void TStrings::SetText(const std::string& text) {
  BeginUpdate();
  try {
    Clear();
    for (auto& l : SplitLines(text)) Add(l);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

std::vector<std::string> TStrings::ToVector() const {
  std::vector<std::string> v;
  v.reserve(static_cast<size_t>(Count()));
  for (int i = 0; i < Count(); ++i) v.push_back(Get(i));
  return v;
}

void TStrings::BeginUpdate() {
  if (updateCount_++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) SetUpdateState(false);
}

void TStrings::LoadFromFile(const std::string& fileName) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(stream);
}

void TStrings::LoadFromStream(TStream& stream) { SetText(DecodeTextBytes(stream.ReadAll())); }

void TStrings::Assign(const TPersistent& source) {
  if (auto* s = dynamic_cast<const TStrings*>(&source)) {
    if (s == this) return;
    const auto lines = s->ToVector();
    BeginUpdate();
    try {
      Clear();
      for (const auto& l : lines) Add(l);
    } catch (...) {
      EndUpdate();
      throw;
    }
    EndUpdate();
    return;
  }
  TPersistent::Assign(source);
}

void TStringList::Check(int index) const {
  if (index < 0 || index >= Count()) throw EListError(Format(SListIndexError, {IntToStr(index)}));
}

std::string TStringList::Get(int index) const {
  Check(index);
  return lines_[static_cast<size_t>(index)];
}

void TStringList::Put(int index, const std::string& s) {
  Check(index);
  lines_[static_cast<size_t>(index)] = s;
  Changed();
}

void TStringList::Insert(int index, const std::string& s) {
  if (index < 0 || index > Count()) throw EListError(Format(SListIndexError, {IntToStr(index)}));
  lines_.insert(lines_.begin() + index, s);
  Changed();
}

void TStringList::Delete(int index) {
  Check(index);
  lines_.erase(lines_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (lines_.empty()) return;
  lines_.clear();
  Changed();
}

void TStringList::Changed() {
  if (Updating()) {
    changedWhileUpdating_ = true;
    return;
  }
  if (OnChange) OnChange();
}

void TStringList::SetUpdateState(bool updating) {
  if (!updating && changedWhileUpdating_) {
    changedWhileUpdating_ = false;
    if (OnChange) OnChange();
  }
}
