// Pictures: the graphic base class and the device-independent bitmap.
//
// A TBitmap always stores 24-bit pixels (blue, green, red), top-down, each
// row padded to a multiple of four bytes. Files of other depths are converted
// on load; PixelFormat remembers what was loaded or asked for. Code that
// walks pixels takes the row distance from ScanLine(1) - ScanLine(0), never
// assumes it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/base/Colors.h"
#include "framework/base/Persistent.h"
#include "framework/base/Streams.h"
#include "framework/base/Types.h"

class TCanvas;

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum class TTransparentMode { tmAuto, tmFixed };

// The largest picture any reader accepts: wider, taller or more pixels than
// this is refused before memory is allocated.
inline constexpr int kMaxPictureSide = 32768;
inline constexpr int64_t kMaxPicturePixels = int64_t{64} * 1024 * 1024;

class TGraphic : public TPersistent {
 public:
  SORTARIUM_CLASS(TGraphic)
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual bool Empty() const { return Width() == 0 || Height() == 0; }
  virtual void LoadFromStream(TStream& stream) = 0;
  virtual void SaveToStream(TStream& stream) const = 0;
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;
  // Draws the picture onto a canvas, stretched to `dest`.
  virtual void Draw(TCanvas& canvas, const TRect& dest) const = 0;
  virtual std::unique_ptr<TGraphic> Clone() const = 0;
  bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool value) { transparent_ = value; }

 private:
  bool transparent_ = false;
};

class TBitmap : public TGraphic {
 public:
  TBitmap();
  TBitmap(int width, int height);
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;
  SORTARIUM_CLASS(TBitmap)

  // Copies size, pixels, palette and transparency settings.
  void Assign(const TBitmap& source);
  // Takes a decoded picture of any kind (draws it into this bitmap).
  void Assign(const TGraphic& source);
  void Assign(const TPersistent& source) override;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  // Size changes keep the pixels that stay inside; new pixels are black.
  void SetWidth(int w) { SetSize(w, height_); }
  void SetHeight(int h) { SetSize(width_, h); }
  void SetSize(int w, int h);

  TPixelFormat PixelFormat() const { return pixelFormat_; }
  // Storage stays 24-bit; the value says how the bitmap is saved. A bitmap
  // loaded from a palette file keeps its palette and pf8bit, so saving it
  // again writes the same file; any other format saves 24 bits.
  void SetPixelFormat(TPixelFormat pf) { pixelFormat_ = pf; }
  const std::vector<TColor>& Palette() const { return palette_; }
  void SetPalette(std::vector<TColor> palette) { palette_ = std::move(palette); }
  // A device-independent bitmap is the only kind there is; kept for the API.
  void SetHandleType(int) {}

  // Writable rows count as a change of the pixels (see Generation).
  uint8_t* ScanLine(int y);
  const uint8_t* ScanLine(int y) const;
  int RowBytes() const { return stride_; }
  uint8_t* Bits() {
    writable_ = true;
    return pixels_.data();
  }
  const uint8_t* Bits() const { return pixels_.data(); }

  // Reading outside the bitmap answers clNone; writing outside does nothing.
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);
  // Fills the whole bitmap (color is resolved with ColorToRGB).
  void Fill(TColor color);

  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode m) { transparentMode_ = m; }
  // tmAuto: the bottom-left pixel; tmFixed: the colour that was set.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor c);

  TCanvas* Canvas();
  void Dormant() {}
  void FreeImage() {}

  // BMP file format (reading any common depth; writing 8 bits with the
  // palette as loaded when the format is still pf8bit and every pixel is in
  // it, else 24 bits).
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) const override;
  void Draw(TCanvas& canvas, const TRect& dest) const override;
  std::unique_ptr<TGraphic> Clone() const override;

  // A stamp of the pixels. It changes whenever they may have changed: any
  // drawing through the API or the canvas, and any writable ScanLine or
  // Bits handed out before it was asked. No two bitmaps share a stamp, nor
  // one bitmap at two times between which it was written, so a copy of a
  // picture is known to be current by its stamp alone.
  uint64_t Generation() const;
  void Touch();

 private:
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  std::vector<uint8_t> pixels_;
  TPixelFormat pixelFormat_ = TPixelFormat::pf24bit;
  std::vector<TColor> palette_;
  TTransparentMode transparentMode_ = TTransparentMode::tmAuto;
  TColor transparentColor_ = clDefault;
  std::unique_ptr<TCanvas> canvas_;
  mutable uint64_t generation_;
  // A writable row was handed out since the stamp was last taken.
  mutable bool writable_ = false;
};

// A picture of a compressed format (PNG, JPEG), kept decoded in a 24-bit
// bitmap that gives its size and draws it.
class TDecodedGraphic : public TGraphic {
 public:
  SORTARIUM_CLASS(TDecodedGraphic)
  int Width() const override { return bitmap_.Width(); }
  int Height() const override { return bitmap_.Height(); }
  void Draw(TCanvas& canvas, const TRect& dest) const override;
  const TBitmap& Bitmap() const { return bitmap_; }

 protected:
  TBitmap bitmap_;
};
