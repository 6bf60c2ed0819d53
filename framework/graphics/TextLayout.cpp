#include "framework/graphics/TextLayout.h"

#include <algorithm>

#include "framework/graphics/Gdi.h"

namespace text_layout {

namespace {

constexpr int kMaxOffset = 1 << 28;

// A paragraph on its way to lines: characters and, beside each, whether it
// was marked as an accelerator.
struct TMarkedText {
  std::u32string Text;
  std::vector<bool> Accel;
};

int Step(font_engine::TFontInstance& font, char32_t c, int x, int tabWidth) {
  if (c == U'\t' && tabWidth > 0) return std::min(kMaxOffset, (x / tabWidth + 1) * tabWidth);
  return std::min(kMaxOffset, x + font.Advance(c));
}

// "&x" marks x, "&&" is a literal "&", a lone "&" at the end vanishes.
TMarkedText ResolvePrefixes(std::u32string_view text, bool process) {
  TMarkedText out;
  out.Text.reserve(text.size());
  out.Accel.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    bool accel = false;
    if (process && text[i] == U'&') {
      if (++i == text.size()) break;
      accel = text[i] != U'&';
    }
    out.Text += text[i];
    out.Accel.push_back(accel);
  }
  return out;
}

TLine MakeLine(const TMarkedText& para, size_t from, size_t to) {
  TLine line;
  line.Text = para.Text.substr(from, to - from);
  for (size_t i = from; i < to; ++i)
    if (para.Accel[i]) line.Accelerators.push_back(i - from);
  return line;
}

// Greedy wrapping at spaces. The spaces at a wrap point belong to neither
// line; a word wider than the whole width keeps a line of its own.
void Wrap(font_engine::TFontInstance& font, const TMarkedText& para, const TLayoutOptions& options,
          std::vector<TLine>& lines) {
  const size_t n = para.Text.size();
  const std::u32string& t = para.Text;
  size_t start = 0;
  for (;;) {
    int x = 0;
    size_t i = start;
    size_t fitEnd = std::u32string::npos;
    size_t breakAt = std::u32string::npos;
    while (i < n || fitEnd == std::u32string::npos) {
      size_t j = i;
      int xw = x;
      while (j < n && t[j] == U' ') xw = Step(font, t[j++], xw, options.TabWidth);
      while (j < n && t[j] != U' ') xw = Step(font, t[j++], xw, options.TabWidth);
      if (fitEnd != std::u32string::npos && xw > options.MaxWidth) {
        breakAt = fitEnd;
        break;
      }
      fitEnd = j;
      x = xw;
      i = j;
    }
    if (breakAt == std::u32string::npos) {
      lines.push_back(MakeLine(para, start, n));
      return;
    }
    lines.push_back(MakeLine(para, start, breakAt));
    start = breakAt;
    while (start < n && t[start] == U' ') ++start;
    if (start >= n) return;
  }
}

void AddEllipsis(font_engine::TFontInstance& font, TLine& line, const TLayoutOptions& options) {
  const std::vector<int> pos = Positions(font, line.Text, options.TabWidth);
  if (pos.back() <= options.MaxWidth) return;
  const int dots = font.TextWidth(U"...");
  size_t keep = line.Text.size();
  while (keep > 0 && pos[keep] + dots > options.MaxWidth) --keep;
  line.Text.resize(keep);
  line.Text += U"...";
  std::erase_if(line.Accelerators, [&](size_t i) { return i >= keep; });
}

}  // namespace

std::vector<int> Positions(font_engine::TFontInstance& font, std::u32string_view text, int tabWidth) {
  std::vector<int> pos(text.size() + 1);
  int x = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    pos[i] = x;
    x = Step(font, text[i], x, tabWidth);
  }
  pos[text.size()] = x;
  return pos;
}

std::vector<TLine> Layout(font_engine::TFontInstance& font, std::u32string_view text, const TLayoutOptions& options) {
  const unsigned format = options.Format;
  const TMarkedText all = ResolvePrefixes(text, !(format & DT_NOPREFIX));
  std::vector<TLine> lines;

  if (format & DT_SINGLELINE) {
    // Line breaks draw nothing on a single line; they are control characters
    // and take no room, so they may stay.
    lines.push_back(MakeLine(all, 0, all.Text.size()));
  } else {
    const bool wrap = (format & DT_WORDBREAK) != 0;
    const size_t n = all.Text.size();
    size_t start = 0;
    while (start < n) {
      size_t end = start;
      while (end < n && all.Text[end] != U'\r' && all.Text[end] != U'\n') ++end;
      TMarkedText para;
      para.Text = all.Text.substr(start, end - start);
      para.Accel.assign(all.Accel.begin() + static_cast<ptrdiff_t>(start),
                        all.Accel.begin() + static_cast<ptrdiff_t>(end));
      if (wrap)
        Wrap(font, para, options, lines);
      else
        lines.push_back(MakeLine(para, 0, para.Text.size()));
      // "\r\n", "\n" and "\r" each end one line; a break at the very end
      // does not open an empty last line.
      if (end < n && all.Text[end] == U'\r' && end + 1 < n && all.Text[end + 1] == U'\n') ++end;
      start = end + 1;
    }
  }
  if (format & DT_END_ELLIPSIS)
    for (TLine& line : lines) AddEllipsis(font, line, options);
  return lines;
}

}  // namespace text_layout
