// BMP reader under libFuzzer: any input either loads or fails with the
// framework's exception; whatever loads must survive a write and a re-read.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "FuzzSupport.h"
#include "framework/base/Exceptions.h"
#include "framework/graphics/BmpCodec.h"


extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The stream path finds the end of the file on its own.
  try {
    TMemoryStream stream(std::vector<uint8_t>(data, data + size));
    TBitmap viaStream;
    viaStream.LoadFromStream(stream);
  } catch (const Exception&) {
  }

  TBitmap bitmap;
  try {
    ReadBmp(data, size, bitmap);
  } catch (const Exception&) {
    return 0;
  }
  const std::vector<uint8_t> again = WriteBmp24(bitmap);
  TBitmap second;
  ReadBmp(again.data(), again.size(), second);
  if (!SamePixels(bitmap, second)) std::abort();
  return 0;
}
