// Writes values and objects in the window-description format that TReader
// reads (see Reader.h), so that tools can produce descriptions and tests can
// write what they read back. Output uses two spaces per level, CR-free line
// ends, and the layouts the reader expects:
//
//   Images = <
//     item
//       SectionName = 'BUTTON'
//       Image.Data = {
//         0A000000424D...}
//     end>
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "framework/streaming/ClassRegistry.h"

// Values of each kind, ready to write.
TPropValue IntegerValue(int64_t value);
TPropValue RealValue(double value);
TPropValue StringValue(std::string value);
TPropValue IdentValue(std::string value);
TPropValue BoolValue(bool value);
// A colour by name when it has one (clWhite, clBtnFace), else by number.
TPropValue ColorPropValue(int32_t color);
using TPropertyList = std::vector<std::pair<std::string, TPropValue>>;
TPropValue CollectionValue(std::vector<TPropertyList> items);

// The lines of `name = value` at `indent` levels, each ending in '\n'.
std::string WriteProperty(const std::string& name, const TPropValue& value, int indent);
// A string literal: quoted, '' for a quote, control characters as #N.
std::string QuoteString(const std::string& text);
