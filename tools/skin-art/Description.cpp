// The generator's output inside the window description: the InternalSkins
// property of the skin manager. Only that property is touched; every other
// line of the file stays byte for byte as it was.
#include <stdexcept>

#include "SkinArt.h"
#include "framework/components/Component.h"
#include "framework/streaming/ClassRegistry.h"
#include "framework/streaming/Reader.h"
#include "framework/streaming/Writer.h"
#include "skin/sSkinManager.h"

namespace {

const std::string kManagerLine = "  object sSkinManager1: TsSkinManager";
const std::string kPropertyIndent = "    ";  // the manager's own properties
const std::string kPropertyStart = kPropertyIndent + "InternalSkins = ";

std::string WithoutCr(const std::string& line) {
  return !line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
}

bool StartsWith(const std::string& text, const std::string& prefix) { return text.compare(0, prefix.size(), prefix) == 0; }

// A line that continues the value of the property above it: the writer puts
// collection items, fields and binary data deeper than the property itself.
bool IsContinuation(const std::string& line) {
  return StartsWith(line, kPropertyIndent + " ");
}

}  // namespace

std::string ReplaceInternalSkins(const std::string& description, const std::string& property) {
  std::vector<std::string> lines;  // each with its line end
  for (size_t start = 0; start < description.size();) {
    const size_t end = description.find('\n', start);
    const size_t next = end == std::string::npos ? description.size() : end + 1;
    lines.push_back(description.substr(start, next - start));
    start = next;
  }
  const bool crlf = !lines.empty() && lines[0].size() >= 2 && lines[0].compare(lines[0].size() - 2, 2, "\r\n") == 0;

  size_t manager = lines.size();
  for (size_t i = 0; i < lines.size(); ++i)
    if (WithoutCr(lines[i].substr(0, lines[i].find('\n'))) == kManagerLine) {
      manager = i;
      break;
    }
  if (manager == lines.size()) throw std::runtime_error("the description has no '" + kManagerLine.substr(2) + "'");

  std::string out;
  for (size_t i = 0; i <= manager; ++i) out += lines[i];
  std::string block = property;
  if (crlf) {
    std::string converted;
    for (const char c : block) converted += c == '\n' ? std::string("\r\n") : std::string(1, c);
    block = converted;
  }
  out += block;
  bool inOldProperty = false;
  bool inManager = true;
  for (size_t i = manager + 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (inManager) {
      if (inOldProperty && IsContinuation(line)) continue;
      inOldProperty = false;
      if (StartsWith(line, kPropertyStart)) {
        inOldProperty = true;
        continue;
      }
      if (!StartsWith(line, kPropertyIndent)) inManager = false;  // the manager's "end"
    }
    out += line;
  }
  return out;
}

std::string VerifyReadBack(const std::string& property) {
  RegisterFrameworkClasses();
  RegisterSkinClasses();
  const std::string text = "object Holder: TComponent\n" + kManagerLine + "\n" + property + "  end\nend\n";
  TComponent root(nullptr);
  try {
    TReader reader(text, "InternalSkins");
    reader.ReadRootComponent(&root);
  } catch (const std::exception& e) {
    return std::string("the written skin does not read back: ") + e.what();
  }
  const auto* manager = dynamic_cast<TsSkinManager*>(root.FindComponent("sSkinManager1"));
  if (!manager) return "the written skin does not read back into a skin manager";
  if (WriteProperty("InternalSkins", StoredSkinsValue(*manager->InternalSkins()), 2) != property)
    return "the skin read back writes differently";
  return "";
}
