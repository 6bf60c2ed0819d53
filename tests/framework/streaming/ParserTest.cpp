#include "framework/streaming/Parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/base/Exceptions.h"

namespace {

// Parses a whole description and answers its events.
std::vector<TParseEvent> ParseAll(const std::string& text) {
  TParser parser(text, "test");
  std::vector<TParseEvent> events;
  TParseEvent e;
  while (parser.Next(e)) events.push_back(e);
  return events;
}

// The value of the single property of `object A: TA <line> end`.
TPropValue ValueOf(const std::string& propertyLine) {
  const auto events = ParseAll("object A: TA\n  " + propertyLine + "\nend\n");
  EXPECT_EQ(events.size(), 3u);
  if (events.size() != 3 || events[1].kind != TParseEvent::Kind::Property) return {};
  return events[1].value;
}

std::string ErrorOf(const std::string& text) {
  try {
    ParseAll(text);
  } catch (const EReadError& e) {
    return e.Message();
  }
  return "(no error)";
}

using K = TPropValue::Kind;

TEST(ParserTest, NumbersOfEveryForm) {
  const struct {
    const char* text;
    int64_t value;
  } ints[] = {
      {"12", 12},
      {"-7", -7},
      {"0", 0},
      {"$FF", 255},
      {"$00c0C0c0", 0xC0C0C0},
      {"-$10", -16},
      {"$80000005", 0x80000005LL},
      {"$FFFFFFFFFFFFFFFF", -1},
      {"9223372036854775807", INT64_MAX},
      {"-9223372036854775808", INT64_MIN},
  };
  for (const auto& c : ints) {
    const TPropValue v = ValueOf(std::string("P = ") + c.text);
    EXPECT_EQ(v.kind, K::Integer) << c.text;
    EXPECT_EQ(v.integer, c.value) << c.text;
  }
  const struct {
    const char* text;
    double value;
  } reals[] = {{"1.5", 1.5}, {"-0.25", -0.25}, {"1e3", 1000}, {"2.5E-2", 0.025}, {"3.000000000000000000", 3}};
  for (const auto& c : reals) {
    const TPropValue v = ValueOf(std::string("P = ") + c.text);
    EXPECT_EQ(v.kind, K::Real) << c.text;
    EXPECT_DOUBLE_EQ(v.real, c.value) << c.text;
  }
}

TEST(ParserTest, StringsWithQuotesCodesAndJoins) {
  const struct {
    const char* text;
    const char* value;
  } cases[] = {
      {"'abc'", "abc"},
      {"''", ""},
      {"'it''s'", "it's"},
      {"''''", "'"},
      {"#65#66", "AB"},
      {"#$41'x'", "Ax"},
      {"'a'#13#10'b'", "a\r\nb"},
      {"#1057'ортарий'", "Сортарий"},
      {"'Сорт' + 'арий'", "Сортарий"},
      {"'x' +\n    'y' +\n    #33", "xy!"},
      {"#128512", "\xF0\x9F\x98\x80"},
  };
  for (const auto& c : cases) {
    const TPropValue v = ValueOf(std::string("P = ") + c.text);
    EXPECT_EQ(v.kind, K::String) << c.text;
    EXPECT_EQ(v.text, c.value) << c.text;
  }
  EXPECT_EQ(ValueOf("P = #0'z'").text, std::string("\0z", 2));
}

TEST(ParserTest, IdentifiersSetsListsAndBinary) {
  TPropValue v = ValueOf("Color = clBtnFace");
  EXPECT_EQ(v.kind, K::Ident);
  EXPECT_EQ(v.text, "clBtnFace");

  const struct {
    const char* text;
    std::vector<std::string> items;
  } sets[] = {{"[]", {}}, {"[akLeft, akTop]", {"akLeft", "akTop"}}, {"[ fsBold ]", {"fsBold"}},
              {"[biSystemMenu,\n  biMinimize]", {"biSystemMenu", "biMinimize"}}};
  for (const auto& c : sets) {
    v = ValueOf(std::string("S = ") + c.text);
    EXPECT_EQ(v.kind, K::Set) << c.text;
    EXPECT_EQ(v.items, c.items) << c.text;
  }

  const struct {
    const char* text;
    std::vector<std::string> items;
  } lists[] = {{"()", {}},
               {"( 'a' 'b' )", {"a", "b"}},
               {"(\n    'возрастанию'\n    'убыванию')", {"возрастанию", "убыванию"}},
               {"(\n 'x' + 'y'\n 'z'#33)", {"xy", "z!"}}};
  for (const auto& c : lists) {
    v = ValueOf(std::string("Items.Strings = ") + c.text);
    EXPECT_EQ(v.kind, K::List) << c.text;
    EXPECT_EQ(v.items, c.items) << c.text;
  }

  const struct {
    const char* text;
    std::vector<uint8_t> bytes;
  } blocks[] = {{"{}", {}}, {"{ 0A0b\n    FF\n    00 }", {0x0A, 0x0B, 0xFF, 0x00}}, {"{4142}", {0x41, 0x42}}};
  for (const auto& c : blocks) {
    v = ValueOf(std::string("Data = ") + c.text);
    EXPECT_EQ(v.kind, K::Binary) << c.text;
    EXPECT_EQ(v.bytes, c.bytes) << c.text;
  }
}

TEST(ParserTest, CollectionsHoldItemsThatMayHoldCollections) {
  const auto events = ParseAll(
      "object A: TA\n"
      "  Sections = <\n"
      "    item\n"
      "      Name = 'BUTTON'\n"
      "      Index = 3\n"
      "    end\n"
      "    item\n"
      "      Images = <\n"
      "        item\n"
      "          Rect.Left = -1\n"
      "        end>\n"
      "    end>\n"
      "  Empty = <>\n"
      "end\n");
  ASSERT_EQ(events.size(), 4u);
  const TPropValue& v = events[1].value;
  ASSERT_EQ(v.kind, K::Collection);
  ASSERT_EQ(v.collection.size(), 2u);
  EXPECT_EQ(v.collection[0].line, 3);
  ASSERT_EQ(v.collection[0].properties.size(), 2u);
  EXPECT_EQ(v.collection[0].properties[0].first, "Name");
  EXPECT_EQ(v.collection[0].properties[0].second.text, "BUTTON");
  EXPECT_EQ(v.collection[0].properties[1].second.integer, 3);
  const TPropValue& inner = v.collection[1].properties.at(0).second;
  ASSERT_EQ(inner.kind, K::Collection);
  ASSERT_EQ(inner.collection.size(), 1u);
  EXPECT_EQ(inner.collection[0].properties.at(0).first, "Rect.Left");
  EXPECT_EQ(inner.collection[0].properties.at(0).second.integer, -1);
  EXPECT_EQ(inner.collection[0].properties.at(0).second.line, 10);
  EXPECT_EQ(events[2].value.kind, K::Collection);
  EXPECT_TRUE(events[2].value.collection.empty());
}

TEST(ParserTest, EventsFollowTheNestingWithLines) {
  const auto events = ParseAll(
      "\xEF\xBB\xBF"
      "object Form1: TForm1\r\n"
      "  Font.Height = -11\r\n"
      "  object Panel1: TPanel\r"
      "    object TTimer\n"
      "    end\n"
      "  end\n"
      "  INHERITED Other: TOther\n"
      "  END\n"
      "end");
  const struct {
    TParseEvent::Kind kind;
    const char* name;
    const char* className;
    int line;
  } expected[] = {
      {TParseEvent::Kind::BeginObject, "Form1", "TForm1", 1}, {TParseEvent::Kind::Property, "Font.Height", "", 2},
      {TParseEvent::Kind::BeginObject, "Panel1", "TPanel", 3}, {TParseEvent::Kind::BeginObject, "", "TTimer", 4},
      {TParseEvent::Kind::EndObject, "", "", 5},               {TParseEvent::Kind::EndObject, "", "", 6},
      {TParseEvent::Kind::BeginObject, "Other", "TOther", 7},  {TParseEvent::Kind::EndObject, "", "", 8},
      {TParseEvent::Kind::EndObject, "", "", 9},
  };
  ASSERT_EQ(events.size(), std::size(expected));
  for (size_t i = 0; i < events.size(); ++i) {
    EXPECT_EQ(events[i].kind, expected[i].kind) << i;
    EXPECT_EQ(events[i].name, expected[i].name) << i;
    EXPECT_EQ(events[i].className, expected[i].className) << i;
    EXPECT_EQ(events[i].line, expected[i].line) << i;
  }
}

TEST(ParserTest, MalformedTextFailsWithItsLine) {
  const struct {
    std::string text;
    const char* message;  // the whole message after "test "
  } cases[] = {
      {"", "line 1: 'object' expected but end of file found"},
      {"objekt A: TA\nend", "line 1: 'object' expected but identifier objekt found"},
      {"object A: TA\n  Left 5\nend", "line 2: '=' expected but number 5 found"},
      {"object A: TA\n  Left = \nend", "line 3: Value expected but identifier end found"},
      {"object A: TA\n  Caption = 'abc\nend", "line 2: Unterminated string"},
      {"object A: TA\n  Caption = 'abc", "line 2: Unterminated string"},
      {"object A: TA\n  Data = {\n 0A0\n }\nend", "line 2: Odd number of hex digits in binary block"},
      {"object A: TA\n  Data = {\n 0A0G }\nend", "line 3: Invalid 'G' in binary block"},
      {"object A: TA\n  Data = { 00", "line 2: Unterminated binary block"},
      {"object A: TA\n  Left = 5\n", "line 3: Unexpected end of file, 'end' expected"},
      {"object A: TA\nend\nend", "line 3: End of file expected but identifier end found"},
      {"object A: TA\n  N = 99999999999999999999\nend", "line 2: Number too large"},
      {"object A: TA\n  N = $1FFFFFFFFFFFFFFFF\nend", "line 2: Number too large"},
      {"object A: TA\n  N = 12abc\nend", "line 2: Invalid number 12a"},
      {"object A: TA\n  N = @\nend", "line 2: Invalid '@'"},
      {"object A: TA\n  N = 'a' + 5\nend", "line 2: String expected but number 5 found"},
      {"object A: TA\n  N = #\nend", "line 2: Character code expected after #"},
      {"object A: TA\n  N = #1114112\nend", "line 2: Invalid character code"},
      {"object A: TA\n  N = #55296\nend", "line 2: Invalid character code"},
      {"object A: TA\n  S = [1]\nend", "line 2: Set element expected but number 1 found"},
      {"object A: TA\n  S = [a b]\nend", "line 2: ',' or ']' expected but identifier b found"},
      {"object A: TA\n  L = ('a' 5)\nend", "line 2: String or ')' expected but number 5 found"},
      {"object A: TA\n  C = < thing end >\nend", "line 2: 'item' or '>' expected but identifier thing found"},
      {"object A: TA\n  Font..Height = 1\nend", "line 2: Invalid name Font..Height"},
      {"object A: TA\n  Font. = 1\nend", "line 2: Invalid name Font."},
      {"object A.B: TA\nend", "line 1: Invalid name A.B"},
      {"object A: TA\n  = 1\nend", "line 2: Property name, 'object' or 'end' expected but '=' found"},
      {"object A: TA\n\n\n\n\n\n  Left = = 5\nend", "line 7: Value expected but '=' found"},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorOf(c.text), std::string("test ") + c.message) << c.text;
}

TEST(ParserTest, DeepNestingFailsCleanly) {
  // Ten thousand nested objects: the parser stops at its limit instead of
  // growing a stack for all of them.
  std::string objects;
  for (int i = 0; i < 10000; ++i) objects += "object O" + std::to_string(i) + ": TX\n";
  EXPECT_EQ(ErrorOf(objects), "test line 65: Objects nested too deeply");

  std::string collections = "object A: TA\n  C = ";
  for (int i = 0; i < 10000; ++i) collections += "<item C = ";
  EXPECT_NE(ErrorOf(collections).find("Collections nested too deeply"), std::string::npos);

  // Exactly at the limit is fine.
  std::string deepest;
  for (int i = 0; i < TParser::kMaxDepth; ++i) deepest += "object O: TX\n";
  for (int i = 0; i < TParser::kMaxDepth; ++i) deepest += "end\n";
  EXPECT_EQ(ParseAll(deepest).size(), 2u * TParser::kMaxDepth);
}

TEST(ParserTest, OversizedTokensAreRefused) {
  EXPECT_EQ(ErrorOf("object " + std::string(300, 'a') + ": TA\nend"), "test line 1: Identifier too long");
  EXPECT_EQ(ErrorOf("object A: TA\n  N = " + std::string(70, '1') + "\nend"), "test line 2: Number too long");
  // A string whose joined parts pass the limit.
  const std::string half(TLexer::kMaxString / 2 + 1, 'x');
  EXPECT_EQ(ErrorOf("object A: TA\n  S = '" + half + "' +\n '" + half + "'\nend"), "test line 3: String too long");
}

}  // namespace
