// A PNG picture: decoded once into a 24-bit bitmap (alpha composed over
// white), drawn and saved from that bitmap.
#pragma once

#include <memory>

#include "framework/graphics/Bitmap.h"

class TPngImage : public TDecodedGraphic {
 public:
  SORTARIUM_CLASS(TPngImage)
  TPngImage() = default;

  // Reads one PNG file from the current position and leaves the stream just
  // after its IEND chunk.
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) const override;
  std::unique_ptr<TGraphic> Clone() const override;

  void Assign(const TBitmap& source) { bitmap_.Assign(source); }
  // Takes another PNG picture or any bitmap.
  void Assign(const TPersistent& source) override {
    if (const auto* png = dynamic_cast<const TPngImage*>(&source)) {
      bitmap_.Assign(png->bitmap_);
    } else if (const auto* bitmap = dynamic_cast<const TBitmap*>(&source)) {
      bitmap_.Assign(*bitmap);
    } else {
      TGraphic::Assign(source);
    }
  }
};

// Whether the bytes start with the PNG signature.
bool IsPngSignature(const uint8_t* data, size_t size);
