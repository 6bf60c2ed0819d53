// TPicture and the registry of picture formats. BMP is built in; other
// codecs (PNG, JPEG) register themselves at start-up by file extension and by
// the first bytes of their files.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/graphics/Bitmap.h"

struct TPictureFormat {
  std::string Extension;    // lower case, without the dot: "bmp", "png", "jpg"
  std::string Description;  // "Portable Network Graphics"
  // Whether the leading bytes belong to this format.
  std::function<bool(const uint8_t* data, size_t size)> Sniff;
  std::function<std::unique_ptr<TGraphic>()> Create;
};

class TPictureFormats {
 public:
  static void Register(TPictureFormat format);
  static const TPictureFormat* FindByExtension(const std::string& ext);
  static const TPictureFormat* FindByContent(const uint8_t* data, size_t size);
  static int Count();
};

class TPicture : public TPersistent {
 public:
  SORTARIUM_CLASS(TPicture)
  TPicture() = default;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  // Chooses the format by extension (EInvalidGraphic for an unknown one);
  // EFOpenError when the file cannot be opened.
  void LoadFromFile(const std::string& fileName);
  // Chooses the format by the stream's leading bytes.
  void LoadFromStream(TStream& stream);
  void Assign(const TPicture& source);
  void Assign(const TPersistent& source) override;
  void Assign(std::unique_ptr<TGraphic> graphic) { graphic_ = std::move(graphic); }
  void Clear() { graphic_.reset(); }

  TGraphic* Graphic() const { return graphic_.get(); }
  // The picture as a bitmap (created from any other format on demand).
  TBitmap* Bitmap();
  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }
  bool Empty() const { return !graphic_ || graphic_->Empty(); }

 private:
  std::unique_ptr<TGraphic> graphic_;
};

// PNG through libpng. Registered by RegisterPngFormat (called at start-up).
void RegisterPngFormat();
std::vector<uint8_t> EncodePng(const TBitmap& bitmap);
void SavePng(const TBitmap& bitmap, const std::string& fileName);
// Decodes into 24 bits (alpha composed over white). EInvalidGraphic on bad data.
void DecodePng(const uint8_t* data, size_t size, TBitmap& target);
// Decodes keeping the colours as stored and puts each pixel's opacity into
// `opacity` as a grey level (255 throughout for a picture without alpha):
// for a window icon, whose edges must blend with whatever is behind them.
void DecodePngWithOpacity(const uint8_t* data, size_t size, TBitmap& target, TBitmap& opacity);
