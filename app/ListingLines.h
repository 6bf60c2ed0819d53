// Which lines of a listing do what the automatic sort does now: the
// comparison, the choice of a new candidate, the exchange. Lines are known
// by their text, so the two shipped listings (and any teacher's listing
// that writes the loop the same way) are followed without knowing their
// layout, and a listing without such lines simply has none.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class TRichDocument;

enum class TSortStep { Compare, Candidate, Exchange };

struct TListingLines {
  // Paragraph indices into the listing, in listing order.
  std::vector<int> Compare;    // if a[j] < a[m] then   (or >)
  std::vector<int> Candidate;  // m := j
  std::vector<int> Exchange;   // t := a[i]; a[i] := a[m]; a[m] := t

  const std::vector<int>& Of(TSortStep step) const;
};

// The text of a Pascal line as the matcher sees it: comments dropped, blanks
// removed, ASCII letters in lower case, a trailing ';' cut. `inComment`
// carries a { } or (* *) comment from one line to the next.
std::string NormalizeListingLine(std::string_view line, int& inComment);

TListingLines FindListingLines(const std::vector<std::string>& lines);
TListingLines FindListingLines(const TRichDocument& listing);
