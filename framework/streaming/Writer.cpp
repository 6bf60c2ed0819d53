#include "framework/streaming/Writer.h"

#include <charconv>
#include <cmath>

#include "framework/base/Colors.h"

namespace {

constexpr int kBinaryBytesPerLine = 32;

std::string Indent(int levels) { return std::string(static_cast<size_t>(levels) * 2, ' '); }

std::string RealText(double value) {
  if (!std::isfinite(value)) return "0.0";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, result.ptr);
  // A real must read back as a real: "5" would be an integer.
  if (text.find_first_of(".e") == std::string::npos) text += ".0";
  return text;
}

void WriteValue(std::string& out, const TPropValue& value, int indent);

void WriteCollection(std::string& out, const TPropValue& value, int indent) {
  out += "<";
  for (const TPropValue::Item& item : value.collection) {
    out += "\n" + Indent(indent + 1) + "item";
    for (const auto& [name, v] : item.properties) {
      out += "\n" + Indent(indent + 2) + name + " = ";
      WriteValue(out, v, indent + 2);
    }
    out += "\n" + Indent(indent + 1) + "end";
  }
  out += ">";
}

void WriteBinary(std::string& out, const std::vector<uint8_t>& bytes, int indent) {
  static const char kHex[] = "0123456789ABCDEF";
  out += "{";
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i % kBinaryBytesPerLine == 0) out += "\n" + Indent(indent + 1);
    out += kHex[bytes[i] >> 4];
    out += kHex[bytes[i] & 15];
  }
  out += "}";
}

void WriteValue(std::string& out, const TPropValue& value, int indent) {
  switch (value.kind) {
    case TPropValue::Kind::Integer: out += std::to_string(value.integer); break;
    case TPropValue::Kind::Real: out += RealText(value.real); break;
    case TPropValue::Kind::String: out += QuoteString(value.text); break;
    case TPropValue::Kind::Ident: out += value.text; break;
    case TPropValue::Kind::Set: {
      out += "[";
      for (size_t i = 0; i < value.items.size(); ++i) out += (i ? ", " : "") + value.items[i];
      out += "]";
      break;
    }
    case TPropValue::Kind::List: {
      out += "(";
      for (const std::string& line : value.items) out += "\n" + Indent(indent + 1) + QuoteString(line);
      out += ")";
      break;
    }
    case TPropValue::Kind::Collection: WriteCollection(out, value, indent); break;
    case TPropValue::Kind::Binary: WriteBinary(out, value.bytes, indent); break;
  }
}

}  // namespace

TPropValue IntegerValue(int64_t value) {
  TPropValue v;
  v.kind = TPropValue::Kind::Integer;
  v.integer = value;
  return v;
}

TPropValue RealValue(double value) {
  TPropValue v;
  v.kind = TPropValue::Kind::Real;
  v.real = value;
  return v;
}

TPropValue StringValue(std::string value) {
  TPropValue v;
  v.kind = TPropValue::Kind::String;
  v.text = std::move(value);
  return v;
}

TPropValue IdentValue(std::string value) {
  TPropValue v;
  v.kind = TPropValue::Kind::Ident;
  v.text = std::move(value);
  return v;
}

TPropValue BoolValue(bool value) { return IdentValue(value ? "True" : "False"); }

TPropValue ColorPropValue(int32_t color) {
  std::string name = ColorToIdent(color);
  if (!name.empty()) return IdentValue(std::move(name));
  return IntegerValue(color);
}

TPropValue CollectionValue(std::vector<TPropertyList> items) {
  TPropValue v;
  v.kind = TPropValue::Kind::Collection;
  for (TPropertyList& properties : items) {
    TPropValue::Item item;
    item.properties = std::move(properties);
    v.collection.push_back(std::move(item));
  }
  return v;
}

std::string QuoteString(const std::string& text) {
  std::string out;
  bool quoted = false;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32) {
      if (quoted) out += '\'';
      quoted = false;
      out += "#" + std::to_string(byte);
      continue;
    }
    if (!quoted) out += '\'';
    quoted = true;
    out += c;
    if (c == '\'') out += '\'';
  }
  if (quoted) out += '\'';
  if (out.empty()) out = "''";
  return out;
}

std::string WriteProperty(const std::string& name, const TPropValue& value, int indent) {
  std::string out = Indent(indent) + name + " = ";
  WriteValue(out, value, indent);
  out += "\n";
  return out;
}
