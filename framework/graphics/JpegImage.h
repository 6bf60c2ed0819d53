// A JPEG picture: the file's bytes as they were loaded, and the picture
// decoded from them into a 24-bit bitmap. Saving writes the loaded bytes back
// untouched; there is no encoder, as the program only ever shows JPEGs.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/graphics/Bitmap.h"

class TJPEGImage : public TDecodedGraphic {
 public:
  SORTARIUM_CLASS(TJPEGImage)
  TJPEGImage() = default;

  // Reads one JPEG file from the current position, decodes it at once (so a
  // bad file fails here, not when it is first drawn) and leaves the stream
  // just after its end-of-image marker.
  void LoadFromStream(TStream& stream) override;
  // Writes the bytes that were loaded; EInvalidGraphic when nothing was.
  void SaveToStream(TStream& stream) const override;
  std::unique_ptr<TGraphic> Clone() const override;
  // Copies another JPEG picture; other kinds fail with EConvertError.
  void Assign(const TPersistent& source) override;

  const std::vector<uint8_t>& Data() const { return data_; }

 private:
  std::vector<uint8_t> data_;
};

// Whether the bytes start like a JPEG file (FF D8 FF).
bool IsJpegSignature(const uint8_t* data, size_t size);
// Decodes a whole JPEG file into 24 bits. Grey pictures come out grey;
// CMYK ones are refused. EInvalidGraphic on bad or truncated data.
void DecodeJpeg(const uint8_t* data, size_t size, TBitmap& target);
// Registers "jpg" and "jpeg" with the picture formats (called at start-up).
void RegisterJpegFormat();
