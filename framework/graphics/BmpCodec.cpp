#include "framework/graphics/BmpCodec.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "framework/base/Exceptions.h"
#include "framework/base/SysUtils.h"

namespace {

constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_RLE8 = 1;
constexpr uint32_t BI_RLE4 = 2;
constexpr uint32_t BI_BITFIELDS = 3;
constexpr uint32_t BI_ALPHABITFIELDS = 6;

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;
constexpr size_t kInfoHeaderSize = 40;

// No legal file is larger than a 32-bit picture of the largest size plus its
// headers; anything that claims more is refused before it is read.
constexpr int64_t kMaxBmpFileBytes = 4 * kMaxPicturePixels + 4 * int64_t{kMaxPictureSide} + (1 << 16);

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}
int32_t I32(const uint8_t* p) { return static_cast<int32_t>(U32(p)); }

[[noreturn]] void Invalid(const std::string& reason) {
  throw EInvalidGraphic(std::string(SInvalidBitmap) + ": " + reason);
}

// One colour channel of a 16- or 32-bit pixel: the mask picks its bits and
// the table spreads them over 0..255 with rounding.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  int drop = 0;  // low bits ignored when the field is wider than 16 bits
  std::vector<uint8_t> table;

  void Init(uint32_t m) {
    mask = m;
    shift = 0;
    drop = 0;
    if (m == 0) {
      table.assign(1, 0);
      return;
    }
    while (((m >> shift) & 1u) == 0) ++shift;
    const uint32_t field = m >> shift;
    if ((field & (field + 1)) != 0) Invalid("colour masks must be contiguous");
    int width = 0;
    while (width < 32 && ((field >> width) & 1u)) ++width;
    if (width > 16) drop = width - 16;
    const uint32_t maxValue = field >> drop;
    table.resize(static_cast<size_t>(maxValue) + 1);
    for (uint32_t v = 0; v <= maxValue; ++v) table[v] = static_cast<uint8_t>((v * 255u + maxValue / 2) / maxValue);
  }
  uint8_t operator()(uint32_t pixel) const { return table[((pixel & mask) >> shift) >> drop]; }
};

struct BmpHeader {
  int width = 0;
  int height = 0;  // absolute
  bool topDown = false;
  int bitCount = 0;
  uint32_t compression = BI_RGB;
  uint32_t masks[3] = {0, 0, 0};  // red, green, blue
  size_t paletteOffset = 0;
  int paletteEntrySize = 4;
  int paletteCount = 0;
  size_t pixelOffset = 0;
  uint32_t sizeImage = 0;
};

BmpHeader ParseHeader(const uint8_t* data, size_t size) {
  if (size < kFileHeaderSize + 4) Invalid("the file is too short");
  if (data[0] != 'B' || data[1] != 'M') Invalid("no BM signature");
  BmpHeader h;
  const uint32_t offBits = U32(data + 10);
  const uint32_t headerSize = U32(data + 14);
  const bool core = headerSize == kCoreHeaderSize;
  if (!core && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 &&
      headerSize != 124)
    Invalid("unsupported header size " + std::to_string(headerSize));
  if (size - kFileHeaderSize < headerSize) Invalid("the header is truncated");
  const uint8_t* p = data + kFileHeaderSize;

  int64_t width, height;
  unsigned planes;
  if (core) {
    width = U16(p + 4);
    height = U16(p + 6);
    planes = U16(p + 8);
    h.bitCount = U16(p + 10);
    h.paletteEntrySize = 3;
  } else {
    width = I32(p + 4);
    height = I32(p + 8);
    planes = U16(p + 12);
    h.bitCount = U16(p + 14);
    h.compression = U32(p + 16);
    h.sizeImage = U32(p + 20);
  }
  if (planes != 1) Invalid("plane count must be 1");
  if (width <= 0) Invalid("width must be positive");
  if (height == 0) Invalid("height must not be zero");
  h.topDown = height < 0;
  if (height < 0) height = -height;
  if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxPicturePixels)
    Invalid("the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) + ")");
  h.width = static_cast<int>(width);
  h.height = static_cast<int>(height);

  const int bits = h.bitCount;
  if (core ? (bits != 1 && bits != 4 && bits != 8 && bits != 24)
           : (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32))
    Invalid("unsupported bit count " + std::to_string(bits));

  switch (h.compression) {
    case BI_RGB: break;
    case BI_RLE8:
      if (bits != 8) Invalid("RLE8 needs 8 bits per pixel");
      break;
    case BI_RLE4:
      if (bits != 4) Invalid("RLE4 needs 4 bits per pixel");
      break;
    case BI_BITFIELDS:
    case BI_ALPHABITFIELDS:
      if (bits != 16 && bits != 32) Invalid("colour masks need 16 or 32 bits per pixel");
      break;
    default: Invalid("unsupported compression " + std::to_string(h.compression));
  }
  const bool rle = h.compression == BI_RLE8 || h.compression == BI_RLE4;
  if (rle && h.topDown) Invalid("compressed pictures must be stored bottom-up");

  size_t headerEnd = kFileHeaderSize + headerSize;
  if (h.compression == BI_BITFIELDS || h.compression == BI_ALPHABITFIELDS) {
    // A plain info header is followed by the masks; the longer headers hold them.
    if (headerSize == kInfoHeaderSize) {
      const size_t maskBytes = h.compression == BI_ALPHABITFIELDS ? 16 : 12;
      if (size - headerEnd < maskBytes) Invalid("the colour masks are truncated");
      headerEnd += maskBytes;
    }
    for (int i = 0; i < 3; ++i) h.masks[i] = U32(data + kFileHeaderSize + kInfoHeaderSize + 4 * i);
    if (bits == 16)
      for (const uint32_t m : h.masks)
        if (m > 0xFFFF) Invalid("a colour mask is wider than the pixel");
  } else if (bits == 16) {
    h.masks[0] = 0x7C00;
    h.masks[1] = 0x03E0;
    h.masks[2] = 0x001F;
  } else if (bits == 32) {
    h.masks[0] = 0xFF0000;
    h.masks[1] = 0x00FF00;
    h.masks[2] = 0x0000FF;
  }

  h.paletteOffset = headerEnd;
  if (bits <= 8) {
    const int64_t fullPalette = int64_t{1} << bits;
    int64_t count = fullPalette;
    if (core) {
      // Core headers have no count; a file may store fewer entries and
      // start its pixels right after them.
      if (offBits > headerEnd) count = std::min<int64_t>(count, (offBits - headerEnd) / 3);
      if (count == 0) count = fullPalette;
    } else {
      const uint32_t used = U32(p + 32);
      if (used > fullPalette) Invalid("the palette has more entries than the bit count allows");
      if (used != 0) count = used;
    }
    if (static_cast<int64_t>(size - headerEnd) < count * h.paletteEntrySize)
      Invalid("the palette runs past the end of the file");
    h.paletteCount = static_cast<int>(count);
  }

  const size_t paletteEnd = h.paletteOffset + static_cast<size_t>(h.paletteCount) * h.paletteEntrySize;
  if (offBits == 0) {
    h.pixelOffset = paletteEnd;  // some writers leave the offset out
  } else {
    if (offBits < headerEnd) Invalid("the pixel data starts inside the header");
    h.pixelOffset = offBits;
  }
  if (h.pixelOffset >= size) Invalid("there is no pixel data");
  return h;
}

using Palette = std::array<std::array<uint8_t, 3>, 256>;  // blue, green, red

void ReadPalette(const uint8_t* data, const BmpHeader& h, Palette& palette) {
  const uint8_t* p = data + h.paletteOffset;
  for (int i = 0; i < h.paletteCount; ++i, p += h.paletteEntrySize) palette[i] = {p[0], p[1], p[2]};
}

[[noreturn]] void IndexPastPalette() { Invalid("a pixel refers past the end of the palette"); }

uint64_t RowBytesFor(int width, int bits) { return (static_cast<uint64_t>(width) * bits + 31) / 32 * 4; }

// Uncompressed rows must all be in the file; checked before the picture is
// allocated. The last row may lack its padding.
void CheckPixelData(size_t size, const BmpHeader& h) {
  const uint64_t lastRowBytes = (static_cast<uint64_t>(h.width) * h.bitCount + 7) / 8;
  const uint64_t needed = RowBytesFor(h.width, h.bitCount) * static_cast<uint64_t>(h.height - 1) + lastRowBytes;
  if (static_cast<uint64_t>(size) - h.pixelOffset < needed) Invalid("the pixel data is truncated");
}

void DecodeRows(const uint8_t* data, const BmpHeader& h, const Palette& palette, TBitmap& out) {
  const int w = h.width;
  const int bits = h.bitCount;
  const uint64_t rowBytes = RowBytesFor(w, bits);
  Channel red, green, blue;
  if (bits == 16 || (bits == 32 && h.compression != BI_RGB)) {
    red.Init(h.masks[0]);
    green.Init(h.masks[1]);
    blue.Init(h.masks[2]);
  }
  const unsigned count = static_cast<unsigned>(h.paletteCount);
  const auto put = [&](uint8_t* dst, unsigned index) {
    if (index >= count) IndexPastPalette();
    std::memcpy(dst, palette[index].data(), 3);
  };
  uint8_t* const bits0 = out.Bits();
  const size_t stride = static_cast<size_t>(out.RowBytes());

  for (int row = 0; row < h.height; ++row) {
    const uint8_t* __restrict src = data + h.pixelOffset + rowBytes * static_cast<uint64_t>(row);
    uint8_t* __restrict dst = bits0 + stride * static_cast<size_t>(h.topDown ? row : h.height - 1 - row);
    switch (bits) {
      case 1:
        for (int x = 0; x < w; ++x, dst += 3) put(dst, (src[x >> 3] >> (7 - (x & 7))) & 1u);
        break;
      case 4:
        for (int x = 0; x < w; ++x, dst += 3) put(dst, (src[x >> 1] >> ((x & 1) ? 0 : 4)) & 15u);
        break;
      case 8:
        for (int x = 0; x < w; ++x, dst += 3) put(dst, src[x]);
        break;
      case 16:
        for (int x = 0; x < w; ++x, dst += 3) {
          const uint32_t v = U16(src + 2 * x);
          dst[0] = blue(v);
          dst[1] = green(v);
          dst[2] = red(v);
        }
        break;
      case 24: std::memcpy(dst, src, static_cast<size_t>(w) * 3); break;
      case 32:
        if (h.compression == BI_RGB) {
          for (int x = 0; x < w; ++x, dst += 3, src += 4) {
            dst[0] = src[0];
            dst[1] = src[1];
            dst[2] = src[2];
          }
        } else {
          for (int x = 0; x < w; ++x, dst += 3) {
            const uint32_t v = U32(src + 4 * x);
            dst[0] = blue(v);
            dst[1] = green(v);
            dst[2] = red(v);
          }
        }
        break;
    }
  }
}

// Run-length data: pairs of (count, index) runs and escapes (0,0) end of
// line, (0,1) end of picture, (0,2,dx,dy) move, (0,n, n indexes, padding to
// a 16-bit boundary) absolute run. Pixels never written stay black.
void DecodeRle(const uint8_t* data, size_t size, const BmpHeader& h, const Palette& palette, TBitmap& out) {
  const bool rle4 = h.compression == BI_RLE4;
  size_t p = h.pixelOffset;
  size_t end = size;
  if (h.sizeImage != 0 && h.sizeImage < size - p) end = p + h.sizeImage;
  const int w = h.width;
  const int height = h.height;
  const unsigned count = static_cast<unsigned>(h.paletteCount);
  uint8_t* const bits0 = out.Bits();
  const size_t stride = static_cast<size_t>(out.RowBytes());
  int x = 0, y = 0;

  const auto need = [&](size_t n) {
    if (end - p < n) Invalid("the compressed data is truncated");
  };
  const auto span = [&](int n) {
    if (y >= height || n > w - x) Invalid("a compressed run leaves the picture");
    return bits0 + stride * static_cast<size_t>(height - 1 - y) + static_cast<size_t>(x) * 3;
  };
  const auto put = [&](uint8_t*& dst, unsigned index) {
    if (index >= count) IndexPastPalette();
    std::memcpy(dst, palette[index].data(), 3);
    dst += 3;
  };

  for (;;) {
    if (p == end) {
      // A picture whose every line was closed needs no end marker.
      if (y >= height) break;
      Invalid("the compressed data ends before the picture does");
    }
    need(2);
    const unsigned n = data[p];
    const unsigned v = data[p + 1];
    p += 2;
    if (n > 0) {
      uint8_t* dst = span(static_cast<int>(n));
      for (unsigned i = 0; i < n; ++i) put(dst, rle4 ? ((i & 1) ? v & 15 : v >> 4) : v);
      x += static_cast<int>(n);
    } else if (v == 0) {
      x = 0;
      if (++y > height) Invalid("the compressed data has more lines than the picture");
    } else if (v == 1) {
      break;
    } else if (v == 2) {
      need(2);
      x += data[p];
      y += data[p + 1];
      p += 2;
      if (x > w || y > height) Invalid("a compressed move leaves the picture");
    } else {
      const size_t bytes = rle4 ? (v + 1) / 2 : v;
      need(bytes);
      uint8_t* dst = span(static_cast<int>(v));
      for (unsigned i = 0; i < v; ++i)
        put(dst, rle4 ? ((i & 1) ? data[p + i / 2] & 15 : data[p + i / 2] >> 4) : data[p + i]);
      x += static_cast<int>(v);
      // Absolute runs are padded to a 16-bit boundary; a missing pad byte at
      // the very end is forgiven.
      p += std::min(bytes + (bytes & 1), end - p);
    }
  }
}

TPixelFormat FormatForBits(int bits) {
  switch (bits) {
    case 1: return TPixelFormat::pf1bit;
    case 4: return TPixelFormat::pf4bit;
    case 8: return TPixelFormat::pf8bit;
    case 16: return TPixelFormat::pf16bit;
    case 32: return TPixelFormat::pf32bit;
    default: return TPixelFormat::pf24bit;
  }
}

// Replaces the pixels of `target` with those of `decoded`, keeping the
// target's transparency settings: loading a new picture does not change how
// it is meant to be drawn.
void TakePixels(TBitmap& target, const TBitmap& decoded) {
  const bool transparent = target.Transparent();
  const TTransparentMode mode = target.TransparentMode();
  const TColor fixedColor = mode == TTransparentMode::tmFixed ? target.TransparentColor() : clDefault;
  target.Assign(decoded);
  target.SetTransparentColor(fixedColor);
  target.SetTransparentMode(mode);
  target.SetTransparent(transparent);
}

// ---------------------------------------------------------------------------
// Writing

class ByteWriter {
 public:
  void U16(unsigned v) {
    bytes.push_back(static_cast<uint8_t>(v));
    bytes.push_back(static_cast<uint8_t>(v >> 8));
  }
  void U32(uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
  }
  std::vector<uint8_t> bytes;
};

uint32_t RgbOf(TColor c) { return static_cast<uint32_t>(ColorToRGB(c)) & 0xFFFFFFu; }

// Writes the headers and palette, then calls `fillRow(y, row)` for every
// picture row y (top = 0) with a zeroed buffer of the padded row size.
template <typename FillRow>
std::vector<uint8_t> Encode(const TBitmap& source, int bits, bool topDown, const std::vector<uint32_t>& palette,
                            uint32_t colorsUsed, FillRow fillRow) {
  const int w = source.Width();
  const int h = source.Height();
  if (w <= 0 || h <= 0) throw EInvalidGraphic("Cannot save an empty bitmap");
  const uint64_t rowBytes = RowBytesFor(w, bits);
  const uint64_t imageBytes = rowBytes * static_cast<uint64_t>(h);
  const uint64_t offBits = kFileHeaderSize + kInfoHeaderSize + 4 * palette.size();
  const uint64_t fileSize = offBits + imageBytes;
  if (fileSize > 0xFFFFFFFFu) throw EInvalidGraphic("The bitmap is too large to save");

  ByteWriter out;
  out.bytes.reserve(static_cast<size_t>(fileSize));
  out.U16('B' | ('M' << 8));
  out.U32(static_cast<uint32_t>(fileSize));
  out.U32(0);
  out.U32(static_cast<uint32_t>(offBits));
  out.U32(kInfoHeaderSize);
  out.U32(static_cast<uint32_t>(w));
  out.U32(static_cast<uint32_t>(topDown ? -h : h));
  out.U16(1);
  out.U16(static_cast<unsigned>(bits));
  out.U32(BI_RGB);
  out.U32(static_cast<uint32_t>(imageBytes));
  out.U32(3780);  // 96 dots per inch
  out.U32(3780);
  out.U32(colorsUsed);
  out.U32(0);
  for (const uint32_t rgb : palette) {
    out.bytes.push_back(static_cast<uint8_t>(rgb >> 16));  // blue
    out.bytes.push_back(static_cast<uint8_t>(rgb >> 8));   // green
    out.bytes.push_back(static_cast<uint8_t>(rgb));        // red
    out.bytes.push_back(0);
  }
  std::vector<uint8_t> row(static_cast<size_t>(rowBytes));
  for (int i = 0; i < h; ++i) {
    std::fill(row.begin(), row.end(), 0);
    fillRow(topDown ? i : h - 1 - i, row.data());
    out.bytes.insert(out.bytes.end(), row.begin(), row.end());
  }
  return std::move(out.bytes);
}

// Pixel colours of a bitmap as 0x00BBGGRR, row by row.
uint32_t PixelAt(const uint8_t* row, int x) {
  const uint8_t* p = row + 3 * x;
  return static_cast<uint32_t>(p[2]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[0]) << 16);
}

// Writes `palette` and maps every pixel to the first of its first
// `matchCount` entries that has the pixel's colour.
std::vector<uint8_t> EncodeIndexed(const TBitmap& source, int bits, bool topDown,
                                   const std::vector<uint32_t>& palette, size_t matchCount, uint32_t colorsUsed) {
  // A sorted table keeps lookups free of allocation; a one-entry cache
  // catches the long runs of one colour in typical art.
  std::vector<std::pair<uint32_t, unsigned>> lookup;
  for (size_t i = 0; i < matchCount; ++i) lookup.emplace_back(palette[i], static_cast<unsigned>(i));
  std::stable_sort(lookup.begin(), lookup.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  lookup.erase(std::unique(lookup.begin(), lookup.end(),
                           [](const auto& a, const auto& b) { return a.first == b.first; }),
               lookup.end());
  const int w = source.Width();
  const int perByte = 8 / bits;
  return Encode(source, bits, topDown, palette, colorsUsed, [&](int y, uint8_t* row) {
    const uint8_t* src = source.ScanLine(y);
    uint32_t lastColor = 0xFFFFFFFFu;
    unsigned lastIndex = 0;
    for (int x = 0; x < w; ++x) {
      const uint32_t c = PixelAt(src, x);
      if (c != lastColor) {
        const auto it = std::lower_bound(lookup.begin(), lookup.end(), c,
                                         [](const auto& e, uint32_t v) { return e.first < v; });
        if (it == lookup.end() || it->first != c)
          throw EInvalidGraphic("Bitmap colour " + std::to_string(c) + " is not in the palette");
        lastColor = c;
        lastIndex = it->second;
      }
      row[x / perByte] |= static_cast<uint8_t>(lastIndex << (8 - bits * (x % perByte + 1)));
    }
  });
}

}  // namespace

TBmpInfo ReadBmp(const uint8_t* data, size_t size, TBitmap& target) {
  if (data == nullptr) size = 0;
  const BmpHeader h = ParseHeader(data, size);
  Palette palette{};
  ReadPalette(data, h, palette);

  const bool rle = h.compression == BI_RLE8 || h.compression == BI_RLE4;
  if (!rle) CheckPixelData(size, h);
  TBitmap decoded(h.width, h.height);
  if (rle) {
    DecodeRle(data, size, h, palette, decoded);
  } else {
    DecodeRows(data, h, palette, decoded);
  }
  decoded.SetPixelFormat(FormatForBits(h.bitCount));
  if (h.bitCount <= 8) {
    std::vector<TColor> colors;
    colors.reserve(static_cast<size_t>(h.paletteCount));
    for (int i = 0; i < h.paletteCount; ++i) colors.push_back(RGB(palette[i][2], palette[i][1], palette[i][0]));
    decoded.SetPalette(std::move(colors));
  }
  TakePixels(target, decoded);

  TBmpInfo info;
  info.Width = h.width;
  info.Height = h.height;
  info.BitCount = h.bitCount;
  info.Compression = h.compression;
  info.TopDown = h.topDown;
  info.PaletteSize = h.paletteCount;
  return info;
}

TBmpInfo ReadBmp(TStream& stream, TBitmap& target) {
  const int64_t start = stream.Position();
  const int64_t remaining = stream.Size() - start;
  if (remaining <= 0) {
    // An empty stream holds an empty bitmap (that is what saving one writes).
    target.SetSize(0, 0);
    return TBmpInfo{};
  }
  if (remaining < static_cast<int64_t>(kFileHeaderSize)) Invalid("the file is too short");
  uint8_t fileHeader[kFileHeaderSize];
  stream.ReadBuffer(fileHeader, sizeof fileHeader);
  if (fileHeader[0] != 'B' || fileHeader[1] != 'M') Invalid("no BM signature");
  // The declared file size tells where the picture ends when more data
  // follows it; a size that cannot be right is ignored.
  const int64_t declared = U32(fileHeader + 2);
  const int64_t pixelOffset = U32(fileHeader + 10);
  const bool plausible = declared > std::max<int64_t>(kFileHeaderSize, pixelOffset) && declared <= remaining;
  const int64_t take = plausible ? declared : remaining;
  if (take > kMaxBmpFileBytes) Invalid("the file is too large");
  std::vector<uint8_t> bytes(static_cast<size_t>(take));
  std::memcpy(bytes.data(), fileHeader, sizeof fileHeader);
  if (take > static_cast<int64_t>(kFileHeaderSize))
    stream.ReadBuffer(bytes.data() + kFileHeaderSize, take - static_cast<int64_t>(kFileHeaderSize));
  return ReadBmp(bytes.data(), bytes.size(), target);
}

std::vector<uint8_t> WriteBmp24(const TBitmap& source) { return WriteBmp(source, 24, false); }

std::vector<uint8_t> WriteBmp8(const TBitmap& source, const std::vector<TColor>& palette) {
  if (palette.size() > 256) throw EInvalidGraphic("A palette holds at most 256 colours");
  // Always 256 entries on disk; the unused ones are black but never capture
  // a pixel, so a black pixel maps to the caller's black entry.
  std::vector<uint32_t> entries(256, 0);
  for (size_t i = 0; i < palette.size(); ++i) entries[i] = RgbOf(palette[i]);
  return EncodeIndexed(source, 8, false, entries, palette.size(), 256);
}

std::vector<uint8_t> WriteBmp(const TBitmap& source, int bitCount, bool topDown) {
  const int w = source.Width();
  switch (bitCount) {
    case 1:
    case 4:
    case 8: {
      std::vector<uint32_t> palette;
      const size_t limit = size_t{1} << bitCount;
      uint32_t lastColor = 0xFFFFFFFFu;
      for (int y = 0; y < source.Height(); ++y) {
        const uint8_t* src = source.ScanLine(y);
        for (int x = 0; x < w; ++x) {
          const uint32_t c = PixelAt(src, x);
          if (c == lastColor) continue;
          lastColor = c;
          if (std::find(palette.begin(), palette.end(), c) != palette.end()) continue;
          if (palette.size() == limit)
            throw EInvalidGraphic("The bitmap has more than " + std::to_string(limit) + " colours");
          palette.push_back(c);
        }
      }
      return EncodeIndexed(source, bitCount, topDown, palette, palette.size(), static_cast<uint32_t>(palette.size()));
    }
    case 16:
      return Encode(source, 16, topDown, {}, 0, [&](int y, uint8_t* row) {
        const uint8_t* src = source.ScanLine(y);
        for (int x = 0; x < w; ++x, src += 3) {
          const unsigned v = ((src[2] >> 3) << 10) | ((src[1] >> 3) << 5) | (src[0] >> 3);
          row[2 * x] = static_cast<uint8_t>(v);
          row[2 * x + 1] = static_cast<uint8_t>(v >> 8);
        }
      });
    case 24:
      return Encode(source, 24, topDown, {}, 0, [&](int y, uint8_t* row) {
        std::memcpy(row, source.ScanLine(y), static_cast<size_t>(w) * 3);
      });
    case 32:
      return Encode(source, 32, topDown, {}, 0, [&](int y, uint8_t* row) {
        const uint8_t* src = source.ScanLine(y);
        for (int x = 0; x < w; ++x, src += 3, row += 4) {
          row[0] = src[0];
          row[1] = src[1];
          row[2] = src[2];
        }
      });
    default: throw EInvalidGraphic("Cannot write a bitmap with " + std::to_string(bitCount) + " bits per pixel");
  }
}

// ---------------------------------------------------------------------------
// TBitmap and TGraphic file methods

void TBitmap::LoadFromStream(TStream& stream) { ReadBmp(stream, *this); }

void TBitmap::SaveToStream(TStream& stream) const {
  if (Empty()) return;  // an empty bitmap is stored as nothing
  std::vector<uint8_t> bytes;
  if (PixelFormat() == TPixelFormat::pf8bit && !Palette().empty() && Palette().size() <= 256) {
    try {
      bytes = WriteBmp8(*this, Palette());
    } catch (const EInvalidGraphic&) {
      // Pixels were drawn in colours the palette lacks: keep them all.
      bytes.clear();
    }
  }
  if (bytes.empty()) bytes = WriteBmp24(*this);
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

void TGraphic::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(file);
}

void TGraphic::SaveToFile(const std::string& fileName) const {
  TFileStream file(fileName, fmCreate);
  SaveToStream(file);
}
