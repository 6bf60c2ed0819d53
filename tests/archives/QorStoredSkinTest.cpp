// A skin file held as bytes by a component, as a description stores it,
// and start-up without the resources it needs.
#include "archives/QorStoredSkin.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "archives/ArchiveUnits.h"
#include "archives/PreloadedZips.h"
#include "framework/base/Exceptions.h"
#include "framework/streaming/ClassRegistry.h"
#include "framework/streaming/Reader.h"

// The bytes of a FileData block come back as they were stored; every
// stored skin is in the list while it lives.
TEST(QorStoredSkinTest, DescriptionsStoreTheFileBytesAndTheListFollowsLifetimes) {
  RegisterFrameworkClasses();
  RegisterQorStoredSkinClass();
  const std::string text =
      "object Holder: TComponent\n"
      "  object Skin1: TQorStoredSkin\n"
      "    FileName = 'blue.zip'\n"
      "    FileData = {05000000 504B030400}\n"
      "  end\n"
      "end\n";
  TComponent root(nullptr);
  TReader reader(text, "Test.dfm");
  reader.ReadRootComponent(&root);
  auto* skin = dynamic_cast<TQorStoredSkin*>(root.FindComponent("Skin1"));
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(skin->FileName(), "blue.zip");
  EXPECT_EQ(skin->FileData().Bytes(), (std::vector<uint8_t>{0x50, 0x4B, 0x03, 0x04, 0x00}));
  EXPECT_EQ(skin->FileData().Position(), 0);
  const auto& all = QorStoredSkins();
  EXPECT_NE(std::find(all.begin(), all.end(), skin), all.end());
  TComponent::Free(skin);
  EXPECT_EQ(std::find(all.begin(), all.end(), skin), all.end());

  // A block whose count disagrees with its bytes fails the read by line.
  const std::string lying = "object Holder: TComponent\n  object Skin2: TQorStoredSkin\n"
                            "    FileData = {09000000 504B}\n  end\nend\n";
  TComponent other(nullptr);
  TReader bad(lying, "Bad.dfm");
  EXPECT_THROW(bad.ReadRootComponent(&other), EReadError);
}

// This test program compiles in no resources: start-up says which one is
// missing, and shut-down still frees what start-up made.
TEST(ArchiveUnitsTest, AMissingResourceFailsStartUpByName) {
  try {
    StartArchiveUnits();
    FAIL() << "start-up went on without its resources";
  } catch (const EResNotFound& e) {
    EXPECT_STREQ(e.what(), "Resource INTERNAL_ZIP not found");
  }
  StopArchiveUnits();
  EXPECT_EQ(GlobalQorStoredSkin(), nullptr);
  EXPECT_EQ(PreloadedZipFiles(), nullptr);
}
