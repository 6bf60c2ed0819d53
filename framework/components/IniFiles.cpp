#include "framework/components/IniFiles.h"

#include <cmath>

#include "framework/base/Exceptions.h"
#include "framework/base/SysUtils.h"
#include "framework/components/StringList.h"

namespace {

std::string TrimBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

TMemIniFile::TMemIniFile(const std::string& fileName) : fileName_(fileName) {
  TStringList lines;
  lines.LoadFromFile(fileName);
  SetStrings(lines);
}

void TMemIniFile::SetStrings(const TStrings& lines) { Parse(lines.ToVector()); }

void TMemIniFile::SetText(const std::string& text) {
  TStringList lines;
  lines.SetText(text);
  SetStrings(lines);
}

void TMemIniFile::Parse(const std::vector<std::string>& lines) {
  sections_.clear();
  Section* current = nullptr;
  for (const std::string& raw : lines) {
    const std::string line = TrimBlanks(raw);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[' && line.back() == ']') {
      const std::string name = TrimBlanks(line.substr(1, line.size() - 2));
      current = nullptr;
      for (Section& s : sections_)
        if (SameText(s.Name, name)) current = &s;
      if (!current) {
        sections_.push_back({name, {}});
        current = &sections_.back();
      }
      continue;
    }
    const size_t equals = line.find('=');
    if (!current || equals == std::string::npos) continue;
    current->Values.emplace_back(TrimBlanks(line.substr(0, equals)), TrimBlanks(line.substr(equals + 1)));
  }
}

const TMemIniFile::Section* TMemIniFile::Find(const std::string& section) const {
  for (const Section& s : sections_)
    if (SameText(s.Name, section)) return &s;
  return nullptr;
}

const std::string* TMemIniFile::Value(const std::string& section, const std::string& key) const {
  const Section* s = Find(section);
  if (!s) return nullptr;
  for (const auto& [k, v] : s->Values)
    if (SameText(k, key)) return &v;
  return nullptr;
}

bool TMemIniFile::SectionExists(const std::string& section) const { return Find(section) != nullptr; }

bool TMemIniFile::ValueExists(const std::string& section, const std::string& key) const {
  return Value(section, key) != nullptr;
}

std::vector<std::string> TMemIniFile::Sections() const {
  std::vector<std::string> names;
  for (const Section& s : sections_) names.push_back(s.Name);
  return names;
}

std::vector<std::pair<std::string, std::string>> TMemIniFile::SectionValues(const std::string& section) const {
  const Section* s = Find(section);
  return s ? s->Values : std::vector<std::pair<std::string, std::string>>{};
}

std::string TMemIniFile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& fallback) const {
  const std::string* v = Value(section, key);
  return v ? *v : fallback;
}

int TMemIniFile::ReadInteger(const std::string& section, const std::string& key, int fallback) const {
  const std::string* v = Value(section, key);
  if (!v) return fallback;
  return StrToIntDef(*v, fallback);
}

bool TMemIniFile::ReadBool(const std::string& section, const std::string& key, bool fallback) const {
  const std::string* v = Value(section, key);
  if (!v) return fallback;
  if (*v == "1" || SameText(*v, "true")) return true;
  if (*v == "0" || SameText(*v, "false")) return false;
  return fallback;
}

double TMemIniFile::ReadFloat(const std::string& section, const std::string& key, double fallback) const {
  const std::string* v = Value(section, key);
  if (!v || v->empty()) return fallback;
  try {
    const double value = StrToFloat(*v);
    return std::isfinite(value) ? value : fallback;
  } catch (const EConvertError&) {
    return fallback;
  }
}
