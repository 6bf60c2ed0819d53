// PNG reader under libFuzzer: any input either loads or fails with the
// framework's exception; whatever loads must survive an encode and a decode.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "FuzzSupport.h"
#include "framework/base/Exceptions.h"
#include "framework/graphics/Picture.h"
#include "framework/graphics/PngImage.h"


extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The stream path walks the chunks itself before decoding.
  try {
    TMemoryStream stream(std::vector<uint8_t>(data, data + size));
    TPngImage image;
    image.LoadFromStream(stream);
  } catch (const Exception&) {
  }

  TBitmap bitmap;
  try {
    DecodePng(data, size, bitmap);
  } catch (const Exception&) {
    return 0;
  }
  const std::vector<uint8_t> again = EncodePng(bitmap);
  TBitmap second;
  DecodePng(again.data(), again.size(), second);
  if (!SamePixels(bitmap, second)) std::abort();
  return 0;
}
