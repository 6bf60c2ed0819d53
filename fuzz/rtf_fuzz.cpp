// Rich text and plain listings under libFuzzer: any bytes either load into a
// well-formed document or are refused; nothing crashes, hangs or grows
// without bound. The first byte picks the path, the rest is the file.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "framework/base/SysUtils.h"
#include "framework/stdctrls/RichEditContent.h"
#include "framework/stdctrls/RtfReader.h"

namespace {

void CheckDocument(const TRichDocument& doc) {
  if (doc.ParagraphCount() < 1) std::abort();
  for (const TRichParagraph& p : doc.Paragraphs()) {
    if (p.Runs.empty()) std::abort();
    for (const TRichRun& r : p.Runs) {
      if (p.Runs.size() > 1 && r.Text.empty()) std::abort();
      if (!IsValidUtf8(r.Text)) std::abort();
      for (char c : r.Text) {
        const auto b = static_cast<uint8_t>(c);
        if ((b < 0x20 && c != '\t' && c != '\v') || b == 0x7F) std::abort();
      }
    }
  }
  // Positions and character indexes agree at both ends.
  if (doc.PosFromCharIndex(doc.CharIndex(doc.End())) != doc.End()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t mode = data[0];
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  switch (mode % 3) {
    case 0: {
      // The reader alone, whatever the bytes start with.
      std::string rtf = "{\\rtf1 ";
      rtf.append(bytes);
      CheckDocument(ReadRtf(rtf).Document);
      CheckDocument(ReadRtf(bytes).Document);
      break;
    }
    case 1: {
      // What loading a file does: rich text or plain text, or a refusal.
      if (auto doc = ReadRichEditContent(bytes, false)) CheckDocument(*doc);
      break;
    }
    default: {
      const std::string text = DecodePlainTextBytes(bytes);
      if (!IsValidUtf8(text)) std::abort();
      CheckDocument(TRichDocument::FromPlainText(text));
      // Editing at both ends keeps the document well formed.
      TRichDocument doc = TRichDocument::FromPlainText(text);
      doc.Insert(doc.End(), bytes);
      doc.Delete({0, 1}, doc.PrevChar(doc.End()));
      CheckDocument(doc);
      break;
    }
  }
  return 0;
}
