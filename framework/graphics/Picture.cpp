#include "framework/graphics/Picture.h"

#include <algorithm>
#include <vector>

#include "framework/base/Exceptions.h"
#include "framework/base/SysUtils.h"
#include "framework/graphics/Canvas.h"

namespace {

std::vector<TPictureFormat> BuiltInFormats() {
  std::vector<TPictureFormat> formats;
  formats.push_back(TPictureFormat{
      "bmp", "Bitmaps",
      [](const uint8_t* data, size_t size) { return data != nullptr && size >= 2 && data[0] == 'B' && data[1] == 'M'; },
      [] { return std::make_unique<TBitmap>(); }});
  return formats;
}

std::vector<TPictureFormat>& Formats() {
  static std::vector<TPictureFormat> formats = BuiltInFormats();
  return formats;
}

std::string NormalizedExtension(std::string ext) {
  if (!ext.empty() && ext[0] == '.') ext.erase(0, 1);
  return LowerCase(std::move(ext));
}

// Enough leading bytes for every registered signature.
constexpr size_t kSniffBytes = 32;

}  // namespace

// A format registered again under the same extension replaces the old one,
// so start-up code may register without checking what is there.
void TPictureFormats::Register(TPictureFormat format) {
  format.Extension = NormalizedExtension(format.Extension);
  auto& formats = Formats();
  const auto it = std::find_if(formats.begin(), formats.end(),
                               [&](const TPictureFormat& f) { return f.Extension == format.Extension; });
  if (it != formats.end()) {
    *it = std::move(format);
  } else {
    formats.push_back(std::move(format));
  }
}

const TPictureFormat* TPictureFormats::FindByExtension(const std::string& ext) {
  const std::string wanted = NormalizedExtension(ext);
  for (const TPictureFormat& f : Formats())
    if (f.Extension == wanted) return &f;
  return nullptr;
}

const TPictureFormat* TPictureFormats::FindByContent(const uint8_t* data, size_t size) {
  for (const TPictureFormat& f : Formats())
    if (f.Sniff && f.Sniff(data, size)) return &f;
  return nullptr;
}

int TPictureFormats::Count() { return static_cast<int>(Formats().size()); }

// ---------------------------------------------------------------------------
// TPicture

void TPicture::LoadFromFile(const std::string& fileName) {
  std::string ext = ExtractFileExt(fileName);
  if (!ext.empty()) ext.erase(0, 1);
  const TPictureFormat* format = TPictureFormats::FindByExtension(ext);
  // The message shows the extension as the user wrote it.
  if (!format || !format->Create) throw EInvalidGraphic(Format(SUnknownExtension, {ext}));
  std::unique_ptr<TGraphic> graphic = format->Create();
  graphic->LoadFromFile(fileName);
  graphic_ = std::move(graphic);
}

void TPicture::LoadFromStream(TStream& stream) {
  const int64_t start = stream.Position();
  uint8_t head[kSniffBytes];
  const int64_t n = stream.Read(head, sizeof head);
  stream.SetPosition(start);
  const TPictureFormat* format = TPictureFormats::FindByContent(head, static_cast<size_t>(std::max<int64_t>(n, 0)));
  if (!format || !format->Create) throw EInvalidGraphic(std::string(SInvalidImage) + ": unknown picture format");
  std::unique_ptr<TGraphic> graphic = format->Create();
  graphic->LoadFromStream(stream);
  graphic_ = std::move(graphic);
}

void TPicture::Assign(const TPicture& source) {
  if (&source == this) return;
  graphic_ = source.graphic_ ? source.graphic_->Clone() : nullptr;
}

TBitmap* TPicture::Bitmap() {
  if (auto* bitmap = dynamic_cast<TBitmap*>(graphic_.get())) return bitmap;
  // Asking for the bitmap turns the picture into one, as the picture's
  // users then draw on it.
  auto bitmap = std::make_unique<TBitmap>();
  if (graphic_) bitmap->Assign(*graphic_);
  graphic_ = std::move(bitmap);
  return static_cast<TBitmap*>(graphic_.get());
}

// ---------------------------------------------------------------------------
// TBitmap from any graphic

void TPicture::Assign(const TPersistent& source) {
  if (const auto* picture = dynamic_cast<const TPicture*>(&source)) {
    Assign(*picture);
  } else if (const auto* graphic = dynamic_cast<const TGraphic*>(&source)) {
    Assign(graphic->Clone());
  } else {
    TPersistent::Assign(source);
  }
}

void TBitmap::Assign(const TPersistent& source) {
  if (const auto* graphic = dynamic_cast<const TGraphic*>(&source)) {
    Assign(*graphic);
    return;
  }
  TPersistent::Assign(source);
}

void TBitmap::Assign(const TGraphic& source) {
  if (const auto* bitmap = dynamic_cast<const TBitmap*>(&source)) {
    Assign(*bitmap);
    return;
  }
  // Other formats know how to draw themselves; a white ground shows through
  // whatever they leave uncovered.
  SetSize(source.Width(), source.Height());
  Fill(clWhite);
  if (!source.Empty()) source.Draw(*Canvas(), TRect{0, 0, source.Width(), source.Height()});
  SetPixelFormat(TPixelFormat::pf24bit);
  SetPalette({});
  SetTransparent(source.Transparent());
  Touch();
}
