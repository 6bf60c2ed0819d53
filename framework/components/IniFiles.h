// TMemIniFile: a text file of sections and key=value lines, read whole into
// memory:
//
//   ; a comment
//   [GLOBALINFO]
//   VERSION=5.06
//   MASTERBITMAP=Master.bmp
//
// Sections and keys keep the order and the case they have in the file;
// lookups ignore ASCII case. Blanks around section names, keys and values are
// dropped. A section named twice is one section (the later lines join the
// first), and of a key named twice in a section the first value counts.
// Lines before the first section and lines without '=' belong to no key and
// are ignored. Nothing here fails on odd text; reading a file fails only as
// file reading does (EFOpenError, EReadError).
#pragma once

#include <string>
#include <utility>
#include <vector>

class TStrings;

class TMemIniFile {
 public:
  TMemIniFile() = default;
  // Reads the file as TStrings does (UTF-8, or code page 1251 text).
  explicit TMemIniFile(const std::string& fileName);

  void SetStrings(const TStrings& lines);
  void SetText(const std::string& text);
  const std::string& FileName() const { return fileName_; }

  bool SectionExists(const std::string& section) const;
  bool ValueExists(const std::string& section, const std::string& key) const;
  // Section names in file order, as written.
  std::vector<std::string> Sections() const;
  // The keys and values of one section in file order (empty when there is
  // no such section).
  std::vector<std::pair<std::string, std::string>> SectionValues(const std::string& section) const;

  std::string ReadString(const std::string& section, const std::string& key, const std::string& fallback) const;
  // Decimal, or hexadecimal with "0x", "0X" or "$"; `fallback` for a missing
  // key or a value that is not an integer.
  int ReadInteger(const std::string& section, const std::string& key, int fallback) const;
  // True for "1" and, in any case, "true"; false for "0" and "false".
  bool ReadBool(const std::string& section, const std::string& key, bool fallback) const;
  // '.' is the decimal separator.
  double ReadFloat(const std::string& section, const std::string& key, double fallback) const;

 private:
  struct Section {
    std::string Name;
    std::vector<std::pair<std::string, std::string>> Values;
  };
  const Section* Find(const std::string& section) const;
  const std::string* Value(const std::string& section, const std::string& key) const;
  void Parse(const std::vector<std::string>& lines);

  std::string fileName_;
  std::vector<Section> sections_;
};
