#include "framework/resources/Resources.h"

#include <gtest/gtest.h>

#include <string>

#include "FrameworkFixture.h"
#include "framework/base/Exceptions.h"
#include "framework/streaming/Reader.h"

// The test program embeds tests/data/resources: Greeting.txt, Sample.dfm,
// Empty.txt, Bytes.bin and Bytes.dat.
namespace {

std::string Text(const TResourceData& r) { return std::string(reinterpret_cast<const char*>(r.Data), r.Size); }

class ResourcesTest : public FrameworkFixture {
 protected:
  void SetUp() override {
    FrameworkFixture::SetUp();
    RegisterCompiledResources();
    RegisterFrameworkClasses();
  }
};

TEST_F(ResourcesTest, FilesAreFoundByNameIgnoringCase) {
  for (const char* name : {"GREETING", "greeting", "Greeting", "GREETING.TXT", "greeting.txt"}) {
    const TResourceData r = FindResource(name);
    ASSERT_NE(r.Data, nullptr) << name;
    EXPECT_EQ(Text(r), "Привет, Сортарий!\n") << name;
  }
  EXPECT_EQ(FindResource("GREETING.").Data, nullptr);
  EXPECT_EQ(FindResource("").Data, nullptr);
}

TEST_F(ResourcesTest, FilesSharingANameAreFoundOnlyByTheirFullNames) {
  EXPECT_EQ(FindResource("BYTES").Data, nullptr);
  const TResourceData bin = FindResource("Bytes.bin");
  ASSERT_EQ(bin.Size, 256u);
  for (size_t i = 0; i < 256; ++i) ASSERT_EQ(bin.Data[i], i);
  EXPECT_EQ(Text(FindResource("BYTES.DAT")), std::string("\0\xFF" "dat", 5));
}

TEST_F(ResourcesTest, AnEmptyFileIsAnEmptyResource) {
  const TResourceData r = FindResource("EMPTY");
  EXPECT_NE(r.Data, nullptr);
  EXPECT_EQ(r.Size, 0u);
  TResourceStream stream("Empty.txt");
  EXPECT_EQ(stream.Size(), 0);
  EXPECT_TRUE(stream.ReadAll().empty());
}

TEST_F(ResourcesTest, StreamReadsTheBytesAndRefusesWrites) {
  TResourceStream stream("greeting");
  EXPECT_EQ(stream.Size(), static_cast<int64_t>(std::string("Привет, Сортарий!\n").size()));
  char head[12] = {};
  stream.ReadBuffer(head, 12);
  EXPECT_EQ(std::string(head, 12), "Привет");
  EXPECT_THROW(stream.Write("x", 1), EWriteError);
}

TEST_F(ResourcesTest, MissingResourceSaysSo) {
  try {
    TResourceStream stream("NOPE");
    FAIL() << "a stream over nothing";
  } catch (const EResNotFound& e) {
    EXPECT_STREQ(e.what(), "Resource NOPE not found");
  }
  TForm* form = Application->CreateForm<TForm>();
  EXPECT_THROW(ReadComponentResource(form, "NOPE"), EResNotFound);
}

TEST_F(ResourcesTest, RegisteringAgainReplacesTheBytes) {
  static const uint8_t first[] = {1, 2, 3};
  static const uint8_t second[] = {9};
  RegisterResource("runtime-one", first, sizeof first);
  EXPECT_EQ(FindResource("RUNTIME-ONE").Size, 3u);
  RegisterResource("Runtime-One", second, sizeof second);
  const TResourceData r = FindResource("runtime-one");
  ASSERT_EQ(r.Size, 1u);
  EXPECT_EQ(r.Data[0], 9);
}

TEST_F(ResourcesTest, ReadsAFormDescriptionFromAResource) {
  TForm* form = Application->CreateForm<TForm>();
  ReadComponentResource(form, "Sample");
  EXPECT_EQ(form->Name(), "SampleForm");
  EXPECT_EQ(form->Left(), 10);
  EXPECT_EQ(form->Top(), 20);
  EXPECT_EQ(form->Caption(), "Из ресурса");
  ASSERT_EQ(form->ComponentCount(), 1);
  EXPECT_EQ(form->Components(0)->Name(), "Box");
  EXPECT_EQ(dynamic_cast<TControl*>(form->Components(0))->Width(), 30);
}

}  // namespace
