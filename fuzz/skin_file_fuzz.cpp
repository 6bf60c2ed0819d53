// Skin files under libFuzzer, read through the manager's own reader with the
// overlay laid on top. The input is split at the first line "%%": before it
// the "Options.dat" text, after it the overlay's lines. The folder holds a
// small master bitmap, an own bitmap and a JPEG, so every line form reaches
// real pictures. Any text must either load or fail with the framework's
// errors, and what loads must be held to its meaning.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/base/Exceptions.h"
#include "framework/base/SysUtils.h"
#include "framework/components/StringList.h"
#include "framework/graphics/BmpCodec.h"
#include "framework/graphics/JpegImage.h"
#include "framework/graphics/Picture.h"
#include "skin/sSkinFile.h"
#include "skin/sSkinFolder.h"
#include "skin/sSkinOverlay.h"

namespace {

std::vector<uint8_t> Bmp(int w, int h) {
  TBitmap bmp(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) bmp.SetPixel(x, y, (x * 37 + y * 11) & 0xFFFFFF);
  return WriteBmp24(bmp);
}

// The folder's files are fixed; the JPEG is a truncated one, so JPEG lines
// reach the decoder and its "unreadable picture is skipped" path.
const TsSkinFolder& Folder() {
  static const TsSkinFolder folder = TsSkinFolder::InMemory({{"Master.bmp", Bmp(64, 48)},
                                                             {"OWN.BMP", Bmp(12, 6)},
                                                             {"art/cell.bmp", Bmp(3, 3)},
                                                             {"broken.jpg", {0xFF, 0xD8, 0xFF, 0xE0, 0, 16}}});
  return folder;
}

void Check(const TsLoadedSkin& skin) {
  for (const TsGeneralData& s : skin.Sections)
    if (s.ImagePercent < 0 || s.ImagePercent > 100 || s.Transparency < 0 || s.Transparency > 100 ||
        s.FadingIterations < 1)
      std::abort();
  for (const TsMaskData& m : skin.Masks) {
    if (m.ImageCount < 1 || m.MaskType < 0 || m.MaskType > 1 || m.R.Width() < 0 || m.R.Height() < 0) std::abort();
    if (m.WL < 0 || m.WL > m.FrameWidth() || m.WT < 0 || m.WT > m.FrameHeight()) std::abort();
    if (m.Bmp && (m.Bmp->Width() < 1 || m.Bmp->PixelFormat() != TPixelFormat::pf24bit)) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool started = [] {
    RegisterJpegFormat();
    return true;
  }();
  (void)started;
  const std::vector<std::string> lines =
      SplitLines(DecodeTextBytes(std::vector<uint8_t>(data, data + size)));
  std::vector<std::string> file, overlay;
  bool inOverlay = false;
  for (const std::string& line : lines) {
    if (!inOverlay && line == "%%") {
      inOverlay = true;
      continue;
    }
    (inOverlay ? overlay : file).push_back(line);
  }
  try {
    TsLoadedSkin skin = ReadSkinFile(TsSkinText(file, "Options.dat"), Folder(), nullptr);
    Check(skin);
    LayOverlay(skin, overlay, Folder(), nullptr);
    Check(skin);
  } catch (const EConvertError&) {
  } catch (const EReadError&) {
  }
  return 0;
}
