#include "app/ListingLines.h"

#include <algorithm>

#include "framework/stdctrls/RichDocument.h"

namespace {

// Comment states carried between lines.
constexpr int kNoComment = 0;
constexpr int kBraceComment = 1;  // { ... }
constexpr int kParenComment = 2;  // (* ... *)

}  // namespace

const std::vector<int>& TListingLines::Of(TSortStep step) const {
  switch (step) {
    case TSortStep::Compare: return Compare;
    case TSortStep::Candidate: return Candidate;
    default: return Exchange;
  }
}

std::string NormalizeListingLine(std::string_view line, int& inComment) {
  std::string out;
  bool inString = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    const char next = i + 1 < line.size() ? line[i + 1] : '\0';
    if (inComment == kBraceComment) {
      if (c == '}') inComment = kNoComment;
      continue;
    }
    if (inComment == kParenComment) {
      if (c == '*' && next == ')') {
        inComment = kNoComment;
        ++i;
      }
      continue;
    }
    if (inString) {
      out += c;
      if (c == '\'') inString = false;
      continue;
    }
    if (c == '\'') {
      inString = true;
      out += c;
    } else if (c == '{') {
      inComment = kBraceComment;
    } else if (c == '(' && next == '*') {
      inComment = kParenComment;
      ++i;
    } else if (c == '/' && next == '/') {
      break;
    } else if (c != ' ' && c != '\t' && c != '\v') {
      out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
  }
  if (!out.empty() && out.back() == ';') out.pop_back();
  return out;
}

TListingLines FindListingLines(const std::vector<std::string>& lines) {
  // The first line of each kind counts: a program that writes the same
  // statement twice (in a comment block turned into code, say) still shows
  // one place per step.
  struct TPattern {
    const char* Text;
    std::vector<int> TListingLines::*Kind;
  };
  static const TPattern kPatterns[] = {
      {"ifa[j]<a[m]then", &TListingLines::Compare}, {"ifa[j]>a[m]then", &TListingLines::Compare},
      {"m:=j", &TListingLines::Candidate},         {"t:=a[i]", &TListingLines::Exchange},
      {"a[i]:=a[m]", &TListingLines::Exchange},    {"a[m]:=t", &TListingLines::Exchange},
  };
  bool found[std::size(kPatterns)] = {};
  TListingLines result;
  int comment = kNoComment;
  for (size_t n = 0; n < lines.size(); ++n) {
    const std::string text = NormalizeListingLine(lines[n], comment);
    for (size_t p = 0; p < std::size(kPatterns); ++p) {
      if (found[p] || text != kPatterns[p].Text) continue;
      found[p] = true;
      (result.*kPatterns[p].Kind).push_back(static_cast<int>(n));
    }
  }
  // Both comparisons may be written (a listing for either order): one line.
  if (result.Compare.size() > 1) result.Compare.resize(1);
  return result;
}

TListingLines FindListingLines(const TRichDocument& listing) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<size_t>(listing.ParagraphCount()));
  for (const TRichParagraph& p : listing.Paragraphs()) lines.push_back(p.PlainText());
  return FindListingLines(lines);
}
