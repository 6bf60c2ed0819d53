#include "framework/streaming/PropertyHelpers.h"

#include "framework/base/SysUtils.h"
#include "framework/components/Collection.h"
#include "framework/graphics/BmpCodec.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/Picture.h"

namespace {

int FindName(const std::string& ident, const std::vector<std::string>& names) {
  for (size_t i = 0; i < names.size(); ++i)
    if (SameText(names[i], ident)) return static_cast<int>(i);
  return -1;
}

}  // namespace

int IdentIndex(const TPropValue& value, const std::vector<std::string>& names, TReader& reader) {
  const int index = FindName(value.AsIdent(), names);
  if (index < 0) reader.Error(value.line, "Invalid property value " + value.text);
  return index;
}

uint64_t SetBits(const TPropValue& value, const std::vector<std::string>& names, TReader& reader) {
  if (value.kind != TPropValue::Kind::Set) reader.Error(value.line, "Set value expected");
  uint64_t bits = 0;
  for (const std::string& item : value.items) {
    const int index = FindName(item, names);
    if (index < 0 || index >= 64) reader.Error(value.line, "Invalid set element " + item);
    bits |= uint64_t{1} << index;
  }
  return bits;
}

TColor ColorValue(const TPropValue& value, TReader& reader) {
  if (value.kind == TPropValue::Kind::Ident) {
    if (auto color = ColorFromIdent(value.text)) return *color;
    reader.Error(value.line, "Invalid colour " + value.text);
  }
  return value.AsInt();
}

int CharsetValue(const TPropValue& value, TReader& reader) {
  static const struct {
    const char* name;
    int code;
  } kCharsets[] = {
      {"ANSI_CHARSET", ANSI_CHARSET},     {"DEFAULT_CHARSET", DEFAULT_CHARSET},
      {"SYMBOL_CHARSET", SYMBOL_CHARSET}, {"MAC_CHARSET", 77},
      {"SHIFTJIS_CHARSET", 128},          {"HANGEUL_CHARSET", 129},
      {"JOHAB_CHARSET", 130},             {"GB2312_CHARSET", 134},
      {"CHINESEBIG5_CHARSET", 136},       {"GREEK_CHARSET", 161},
      {"TURKISH_CHARSET", 162},           {"VIETNAMESE_CHARSET", 163},
      {"HEBREW_CHARSET", 177},            {"ARABIC_CHARSET", 178},
      {"BALTIC_CHARSET", 186},            {"RUSSIAN_CHARSET", RUSSIAN_CHARSET},
      {"THAI_CHARSET", 222},              {"EASTEUROPE_CHARSET", EASTEUROPE_CHARSET},
      {"OEM_CHARSET", 255},
  };
  if (value.kind == TPropValue::Kind::Ident) {
    for (const auto& c : kCharsets)
      if (SameText(value.text, c.name)) return c.code;
    reader.Error(value.line, "Invalid character set " + value.text);
  }
  const int code = value.AsInt();
  if (code < 0 || code > 255) reader.Error(value.line, "Invalid character set " + std::to_string(code));
  return code;
}

// --- Collections and pictures ---

void ReadCollection(TCollection& collection, const TPropValue& value, TReader& reader) {
  if (value.kind != TPropValue::Kind::Collection) reader.Error(value.line, "Collection expected");
  collection.Clear();
  for (const TPropValue::Item& stored : value.collection) {
    TCollectionItem* item = collection.AddItem();
    for (const auto& [path, v] : stored.properties) {
      bool done = false;
      try {
        done = reader.SetObjectProperty(item, item->ClassName(), path, v);
      } catch (const EReadError&) {
        throw;
      } catch (const Exception& e) {
        reader.Error(v.line, path + ": " + e.Message());
      }
      if (!done) reader.Error(v.line, "Property " + path + " does not exist in " + item->ClassName());
    }
  }
}

namespace {

// The file bytes of a stored picture block, after its length check.
std::pair<const uint8_t*, size_t> StoredFileBytes(const TPropValue& value, TReader& reader) {
  if (value.kind != TPropValue::Kind::Binary) reader.Error(value.line, "Binary data expected");
  const std::vector<uint8_t>& bytes = value.bytes;
  if (bytes.size() < 4) reader.Error(value.line, "Stored data is too short");
  const uint32_t count = static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
                         static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
  if (count != bytes.size() - 4)
    reader.Error(value.line, Format("Stored data holds %s bytes but says %s",
                                    {IntToStr(static_cast<int64_t>(bytes.size() - 4)), IntToStr(int64_t{count})}));
  return {bytes.data() + 4, bytes.size() - 4};
}

TPropValue StoredFileValue(const TGraphic* graphic) {
  TMemoryStream stream;
  if (graphic) graphic->SaveToStream(stream);
  return StoredBytesValue(stream.Bytes());
}

}  // namespace

std::vector<uint8_t> ReadStoredBytes(const TPropValue& value, TReader& reader) {
  const auto [data, size] = StoredFileBytes(value, reader);
  return std::vector<uint8_t>(data, data + size);
}

TPropValue StoredBytesValue(const std::vector<uint8_t>& file) {
  const auto count = static_cast<uint32_t>(file.size());
  TPropValue v;
  v.kind = TPropValue::Kind::Binary;
  v.bytes.resize(4 + file.size());
  for (int i = 0; i < 4; ++i) v.bytes[static_cast<size_t>(i)] = static_cast<uint8_t>(count >> (8 * i));
  std::copy(file.begin(), file.end(), v.bytes.begin() + 4);
  return v;
}

void ReadBitmapData(TBitmap& bitmap, const TPropValue& value, TReader& reader) {
  const auto [data, size] = StoredFileBytes(value, reader);
  if (size == 0) {
    bitmap.SetSize(0, 0);
    return;
  }
  try {
    ReadBmp(data, size, bitmap);
  } catch (const Exception& e) {
    reader.Error(value.line, e.Message());
  }
}

void ReadPictureData(TPicture& picture, const TPropValue& value, TReader& reader) {
  const auto [data, size] = StoredFileBytes(value, reader);
  if (size == 0) {
    picture.Clear();
    return;
  }
  try {
    TReadOnlyMemoryStream stream(data, size);
    picture.LoadFromStream(stream);
  } catch (const Exception& e) {
    reader.Error(value.line, e.Message());
  }
}

TPropValue BitmapDataValue(const TBitmap& bitmap) { return StoredFileValue(&bitmap); }
TPropValue PictureDataValue(const TPicture& picture) { return StoredFileValue(picture.Graphic()); }
