#include "framework/streaming/Writer.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>

#include "framework/base/Exceptions.h"
#include "framework/components/Collection.h"
#include "framework/streaming/Parser.h"
#include "framework/streaming/PublishedFields.h"

namespace {

// Writes one property, parses it back and answers the value read.
TPropValue RoundTrip(const TPropValue& value) {
  const std::string text = "object A: TA\n" + WriteProperty("P", value, 1) + "end\n";
  TParser parser(text, "test");
  TParseEvent begin, property, end;
  EXPECT_TRUE(parser.Next(begin));
  EXPECT_TRUE(parser.Next(property)) << text;
  EXPECT_EQ(property.kind, TParseEvent::Kind::Property) << text;
  EXPECT_TRUE(parser.Next(end));
  return property.value;
}

void ExpectSame(const TPropValue& a, const TPropValue& b) {
  ASSERT_EQ(a.kind, b.kind);
  EXPECT_EQ(a.integer, b.integer);
  EXPECT_EQ(a.real, b.real);
  EXPECT_EQ(a.text, b.text);
  EXPECT_EQ(a.items, b.items);
  EXPECT_EQ(a.bytes, b.bytes);
  ASSERT_EQ(a.collection.size(), b.collection.size());
  for (size_t i = 0; i < a.collection.size(); ++i) {
    const auto& pa = a.collection[i].properties;
    const auto& pb = b.collection[i].properties;
    ASSERT_EQ(pa.size(), pb.size());
    for (size_t j = 0; j < pa.size(); ++j) {
      EXPECT_EQ(pa[j].first, pb[j].first);
      ExpectSame(pa[j].second, pb[j].second);
    }
  }
}

}  // namespace

// Every kind of value reads back as written, including the awkward ones.
TEST(WriterTest, EveryValueKindReadsBackAsWritten) {
  std::vector<uint8_t> bytes(77);
  std::mt19937 random(3);
  for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
  TPropValue set;
  set.kind = TPropValue::Kind::Set;
  set.items = {"biSystemMenu", "biMinimize"};
  TPropValue emptySet;
  emptySet.kind = TPropValue::Kind::Set;
  TPropValue list;
  list.kind = TPropValue::Kind::List;
  list.items = {"возрастанию", "it's", ""};
  TPropValue binary;
  binary.kind = TPropValue::Kind::Binary;
  binary.bytes = bytes;
  TPropValue emptyBinary;
  emptyBinary.kind = TPropValue::Kind::Binary;

  const TPropValue values[] = {
      IntegerValue(0),
      IntegerValue(-2147483648LL),
      IntegerValue(4294967295LL),
      RealValue(5),
      RealValue(-0.125),
      RealValue(1e-30),
      StringValue(""),
      StringValue("Сортарий"),
      StringValue("it's 'quoted'"),
      StringValue("line\r\nbreak\tand tab"),
      StringValue("\x01"),
      IdentValue("clWhite"),
      BoolValue(false),
      set,
      emptySet,
      list,
      binary,
      emptyBinary,
      CollectionValue({}),
      CollectionValue({{{"A", IntegerValue(1)}, {"Inner", CollectionValue({{{"B", StringValue("x")}}, {}})}},
                       {}}),
  };
  for (const TPropValue& v : values) {
    SCOPED_TRACE(WriteProperty("P", v, 0));
    ExpectSame(RoundTrip(v), v);
  }
}

TEST(WriterTest, ColoursAreWrittenByNameWhenTheyHaveOne) {
  EXPECT_EQ(WriteProperty("Color", ColorPropValue(clWhite), 0), "Color = clWhite\n");
  EXPECT_EQ(WriteProperty("Color", ColorPropValue(clBtnFace), 0), "Color = clBtnFace\n");
  EXPECT_EQ(WriteProperty("Color", ColorPropValue(15847088), 0), "Color = 15847088\n");
  EXPECT_EQ(QuoteString("a'b"), "'a''b'");
  EXPECT_EQ(QuoteString("a\nb"), "'a'#10'b'");
  EXPECT_EQ(QuoteString(""), "''");
}

namespace {

struct TTestItem : TCollectionItem {
  std::string Label;
  int32_t Size = 0;
  void Assign(const TPersistent& source) override {
    const auto& s = dynamic_cast<const TTestItem&>(source);
    Label = s.Label;
    Size = s.Size;
  }
};
struct TTestItems : TOwnedCollection<TTestItem> {};
struct TOtherItems : TOwnedCollection<TTestItem> {};

}  // namespace

TEST(CollectionTest, AssignCopiesDeleteRenumbersAndBadIndexesThrow) {
  TTestItems a;
  for (int i = 0; i < 3; ++i) {
    TTestItem* item = a.Add();
    item->Label = "item" + std::to_string(i);
    item->Size = i;
  }
  TTestItems b;
  b.Add();
  b.Assign(a);
  ASSERT_EQ(b.Count(), 3);
  b[1]->Label = "changed";
  EXPECT_EQ(a[1]->Label, "item1");
  EXPECT_EQ(b[2]->Collection(), &b);

  a.Delete(0);
  EXPECT_EQ(a.Count(), 2);
  EXPECT_EQ(a[0]->Label, "item1");
  EXPECT_EQ(a[0]->Index(), 0);
  EXPECT_THROW(a.Items(2), EListError);
  EXPECT_THROW(a.Delete(-1), EListError);

  TOtherItems other;
  EXPECT_THROW(other.Assign(a), EConvertError);  // another kind of collection
  b.Assign(b);
  EXPECT_EQ(b.Count(), 3);
}
