// Lists of strings: TStrings is the interface every list of lines offers
// (a rich edit's Lines, a radio group's Items); TStringList keeps its lines
// in memory and tells OnChange after every change.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/base/Persistent.h"
#include "framework/base/Streams.h"

class TStrings : public TPersistent {
 public:
  SORTARIUM_CLASS(TStrings)
  virtual int Count() const = 0;
  virtual std::string Get(int index) const = 0;
  virtual void Put(int index, const std::string& s) = 0;
  virtual void Insert(int index, const std::string& s) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  int Add(const std::string& s);
  void AddStrings(const std::vector<std::string>& lines);
  int IndexOf(const std::string& s) const;
  std::string operator[](int index) const { return Get(index); }

  // All lines joined with CR LF, each followed by one; setting splits on
  // CR LF, LF or CR.
  virtual std::string Text() const;
  virtual void SetText(const std::string& text);
  std::vector<std::string> ToVector() const;

  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return updateCount_ > 0; }

  // Reads lines from a file (UTF-8, or code page 1251 when the bytes are not
  // valid UTF-8). Controls that read richer formats override it.
  virtual void LoadFromFile(const std::string& fileName);
  virtual void LoadFromStream(TStream& stream);

  void Assign(const TPersistent& source) override;

 protected:
  virtual void SetUpdateState(bool updating) {}
  int updateCount_ = 0;
};

class TStringList : public TStrings {
 public:
  SORTARIUM_CLASS(TStringList)
  int Count() const override { return static_cast<int>(lines_.size()); }
  std::string Get(int index) const override;
  void Put(int index, const std::string& s) override;
  void Insert(int index, const std::string& s) override;
  void Delete(int index) override;
  void Clear() override;

  std::function<void()> OnChange;

 protected:
  void SetUpdateState(bool updating) override;

 private:
  void Changed();
  void Check(int index) const;
  std::vector<std::string> lines_;
  bool changedWhileUpdating_ = false;
};

// Splits text into lines at CR LF, LF or CR; a final line break does not
// start another line.
std::vector<std::string> SplitLines(const std::string& text);
// Decodes file bytes as text: a UTF-8 byte-order mark is dropped; bytes that
// are not valid UTF-8 are read as code page 1251.
std::string DecodeTextBytes(const std::vector<uint8_t>& bytes);
