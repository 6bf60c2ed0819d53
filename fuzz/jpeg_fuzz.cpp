// JPEG reader under libFuzzer: any input either loads or fails with the
// framework's exception. Whatever loads through a stream keeps exactly the
// bytes it consumed, saves them back unchanged and decodes from them to the
// same pixels again.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "FuzzSupport.h"
#include "framework/base/Exceptions.h"
#include "framework/graphics/JpegImage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TBitmap direct;
  bool decoded = true;
  try {
    DecodeJpeg(data, size, direct);
  } catch (const Exception&) {
    decoded = false;
  }

  TMemoryStream stream(std::vector<uint8_t>(data, data + size));
  TJPEGImage image;
  try {
    image.LoadFromStream(stream);
  } catch (const Exception&) {
    return 0;
  }
  const std::vector<uint8_t>& kept = image.Data();
  if (kept.empty() || kept.size() > size || std::memcmp(kept.data(), data, kept.size()) != 0) std::abort();
  if (stream.Position() != static_cast<int64_t>(kept.size())) std::abort();
  if (image.Width() != image.Bitmap().Width() || image.Height() != image.Bitmap().Height()) std::abort();

  TMemoryStream saved;
  image.SaveToStream(saved);
  if (saved.Bytes() != kept) std::abort();
  TBitmap again;
  DecodeJpeg(kept.data(), kept.size(), again);
  if (!SamePixels(again, image.Bitmap())) std::abort();
  // When the picture is the whole input, both entries see the same bytes.
  if (kept.size() == size && (!decoded || !SamePixels(direct, image.Bitmap()))) std::abort();
  return 0;
}
