// A small JSON writer for the driver's one-line reports.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "framework/base/Colors.h"
#include "framework/base/Types.h"

class TJson {
 public:
  static std::string Quote(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
      switch (c) {
        case '"':
          out += "\\\"";
          break;
        case '\\':
          out += "\\\\";
          break;
        case '\n':
          out += "\\n";
          break;
        case '\r':
          out += "\\r";
          break;
        case '\t':
          out += "\\t";
          break;
        default:
          if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
          } else {
            out += static_cast<char>(c);
          }
      }
    }
    return out + "\"";
  }
  // "#RRGGBB" of a colour after system colours are resolved.
  static std::string Color(TColor c) {
    const TColor rgb = ColorToRGB(c);
    char buf[16];
    std::snprintf(buf, sizeof buf, "\"#%02X%02X%02X\"", GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
    return buf;
  }
  static std::string Bounds(const TRect& r) {
    return "[" + std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Width()) + "," +
           std::to_string(r.Height()) + "]";
  }
  static std::string Bool(bool b) { return b ? "true" : "false"; }
  static std::string Array(const std::vector<std::string>& items) {
    std::string out = "[";
    for (size_t i = 0; i < items.size(); ++i) out += (i ? "," : "") + items[i];
    return out + "]";
  }
  // Members are written in the order given.
  static std::string Object(const std::vector<std::pair<std::string, std::string>>& members) {
    std::string out = "{";
    for (size_t i = 0; i < members.size(); ++i)
      out += (i ? "," : "") + Quote(members[i].first) + ":" + members[i].second;
    return out + "}";
  }
};
