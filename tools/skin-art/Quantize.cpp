// Palette reduction for the 8-bit art files. Exact colours (magenta and the
// mask greys) are kept as they are: the engine reads them as numbers, not as
// looks. The art colours share what is left of the 256 entries through a
// weighted median cut, refined by a few k-means rounds. Every step orders its
// work by colour value, so the same drawing always gives the same palette.
#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <tuple>

#include "SkinArt.h"

namespace {

struct TEntry {
  int R, G, B;
  int64_t Count;
};

int Channel(const TEntry& e, int c) { return c == 0 ? e.R : c == 1 ? e.G : e.B; }
int Channel(int color, int c) { return (color >> (8 * c)) & 0xFF; }

// Squared distance weighted roughly by how strongly the eye sees each channel.
int64_t Distance(int r1, int g1, int b1, int r2, int g2, int b2) {
  const int64_t dr = r1 - r2, dg = g1 - g2, db = b1 - b2;
  return 2 * dr * dr + 4 * dg * dg + 3 * db * db;
}

struct TBox {
  std::vector<TEntry> Entries;
  int Widest = 0;
  int64_t Score = 0;  // how much splitting it would gain
};

void Measure(TBox& box) {
  int64_t total = 0;
  int best = -1;
  for (int c = 0; c < 3; ++c) {
    int lo = 255, hi = 0;
    for (const TEntry& e : box.Entries) lo = std::min(lo, Channel(e, c)), hi = std::max(hi, Channel(e, c));
    if (hi - lo > best) best = hi - lo, box.Widest = c;
  }
  for (const TEntry& e : box.Entries) total += e.Count;
  box.Score = box.Entries.size() < 2 ? -1 : total * best * best;
}

std::vector<TEntry> MedianCut(std::vector<TEntry> colors, size_t size) {
  std::vector<TBox> boxes(1);
  boxes[0].Entries = std::move(colors);
  Measure(boxes[0]);
  while (boxes.size() < size) {
    auto it = std::max_element(boxes.begin(), boxes.end(),
                               [](const TBox& a, const TBox& b) { return a.Score < b.Score; });
    if (it->Score < 0) break;  // every box holds one colour
    TBox& box = *it;
    const int c = box.Widest;
    std::sort(box.Entries.begin(), box.Entries.end(), [c](const TEntry& a, const TEntry& b) {
      if (Channel(a, c) != Channel(b, c)) return Channel(a, c) < Channel(b, c);
      return std::tie(a.R, a.G, a.B) < std::tie(b.R, b.G, b.B);
    });
    int64_t total = 0, half = 0;
    for (const TEntry& e : box.Entries) total += e.Count;
    size_t cut = 1;
    for (; cut < box.Entries.size() - 1; ++cut) {
      half += box.Entries[cut - 1].Count;
      if (2 * half >= total) break;
    }
    TBox upper;
    upper.Entries.assign(box.Entries.begin() + static_cast<std::ptrdiff_t>(cut), box.Entries.end());
    box.Entries.resize(cut);
    Measure(box);
    Measure(upper);
    boxes.push_back(std::move(upper));
  }
  std::vector<TEntry> centres;
  for (const TBox& box : boxes) {
    int64_t r = 0, g = 0, b = 0, n = 0;
    for (const TEntry& e : box.Entries) r += e.R * e.Count, g += e.G * e.Count, b += e.B * e.Count, n += e.Count;
    centres.push_back({static_cast<int>((r + n / 2) / n), static_cast<int>((g + n / 2) / n),
                       static_cast<int>((b + n / 2) / n), n});
  }
  return centres;
}

size_t NearestCentre(const std::vector<TEntry>& centres, int r, int g, int b) {
  size_t best = 0;
  int64_t bestDistance = INT64_MAX;
  for (size_t i = 0; i < centres.size(); ++i) {
    const int64_t d = Distance(r, g, b, centres[i].R, centres[i].G, centres[i].B);
    if (d < bestDistance) bestDistance = d, best = i;
  }
  return best;
}

void Refine(const std::vector<TEntry>& colors, std::vector<TEntry>& centres, int rounds) {
  for (int round = 0; round < rounds; ++round) {
    std::vector<int64_t> r(centres.size()), g(centres.size()), b(centres.size()), n(centres.size());
    for (const TEntry& e : colors) {
      const size_t i = NearestCentre(centres, e.R, e.G, e.B);
      r[i] += e.R * e.Count, g[i] += e.G * e.Count, b[i] += e.B * e.Count, n[i] += e.Count;
    }
    for (size_t i = 0; i < centres.size(); ++i)
      if (n[i] > 0)
        centres[i] = {static_cast<int>((r[i] + n[i] / 2) / n[i]), static_cast<int>((g[i] + n[i] / 2) / n[i]),
                      static_cast<int>((b[i] + n[i] / 2) / n[i]), n[i]};
  }
}

}  // namespace

void Quantize(const TComposed& image, int size, TBitmap& out, std::vector<int>& palette) {
  std::set<int> exact;
  std::map<int, int64_t> art;
  for (size_t i = 0; i < image.Colors.size(); ++i) {
    if (image.Exact[i])
      exact.insert(image.Colors[i]);
    else
      ++art[image.Colors[i]];
  }
  if (exact.size() > static_cast<size_t>(size)) throw std::logic_error("Too many exact colours for the palette");
  std::vector<TEntry> colors;
  for (const auto& [color, count] : art) colors.push_back({Channel(color, 0), Channel(color, 1), Channel(color, 2), count});
  const size_t room = static_cast<size_t>(size) - exact.size();
  std::vector<TEntry> centres;
  if (colors.size() <= room) {
    centres = colors;
  } else {
    centres = MedianCut(colors, room);
    Refine(colors, centres, 6);
  }

  palette.assign(exact.begin(), exact.end());
  for (const TEntry& c : centres) {
    const int color = c.R | (c.G << 8) | (c.B << 16);
    if (color != skin_colors::Magenta && std::find(palette.begin(), palette.end(), color) == palette.end())
      palette.push_back(color);
  }

  // Art pixels take the nearest entry that is not magenta: a pale pink must
  // never turn into a hole.
  std::map<int, int> mapped;
  for (const auto& [color, count] : art) {
    int best = -1;
    int64_t bestDistance = INT64_MAX;
    for (const int entry : palette) {
      if (entry == skin_colors::Magenta) continue;
      const int64_t d = Distance(Channel(color, 0), Channel(color, 1), Channel(color, 2), Channel(entry, 0),
                                 Channel(entry, 1), Channel(entry, 2));
      if (d < bestDistance) bestDistance = d, best = entry;
    }
    mapped[color] = best;
  }

  out.SetSize(image.Width, image.Height);
  for (int y = 0; y < image.Height; ++y)
    for (int x = 0; x < image.Width; ++x) {
      const size_t i = static_cast<size_t>(y) * static_cast<size_t>(image.Width) + static_cast<size_t>(x);
      out.SetPixel(x, y, image.Exact[i] ? image.Colors[i] : mapped[image.Colors[i]]);
    }
  out.SetPixelFormat(TPixelFormat::pf8bit);
  out.SetPalette(std::vector<TColor>(palette.begin(), palette.end()));
}
