#include "AppFixture.h"
#include "skin/sCommonData.h"

#include "archives/ArchiveUnits.h"
#include "framework/base/Exceptions.h"
#include "archives/PreloadedZips.h"
#include "archives/QorStoredSkin.h"

namespace {

struct GeometryCase {
  int width, height;
  int cell, fontHeight;
};

class StartupGeometryTest : public AppFixture, public ::testing::WithParamInterface<GeometryCase> {
 protected:
  void SetUp() override {
    screen = {GetParam().width, GetParam().height};
    AppFixture::SetUp();
  }
};

TEST_P(StartupGeometryTest, CellsAndPanesAreSizedFromTheScreen) {
  const GeometryCase g = GetParam();
  for (int k = 1; k <= 10; ++k) {
    TStaticText* c = form->Cell(k);
    EXPECT_EQ(c->BoundsRect(), Bounds((k - 1) * g.cell, 0, g.cell, 113)) << "cell " << k;
    EXPECT_EQ(c->Font()->Height(), g.fontHeight) << "a positive, full-cell height";
  }
  EXPECT_EQ(form->sPanel1->Width(), g.width);
  EXPECT_EQ(form->sPanel1->Height(), 113);
  EXPECT_EQ(form->sPanel2->BoundsRect(), Bounds(-16, 112, 193, g.height - 113));
  EXPECT_EQ(form->sText1->BoundsRect(), Bounds(176, 112, g.width - 193, g.height - 113));
  EXPECT_EQ(form->BoundsRect(), Bounds(0, 0, g.width, g.height)) << "the window fills the work area";
}

INSTANTIATE_TEST_SUITE_P(Screens, StartupGeometryTest,
                         ::testing::Values(GeometryCase{1024, 768, 102, 64}, GeometryCase{1025, 768, 102, 64},
                                           GeometryCase{1035, 768, 104, 65}, GeometryCase{1366, 768, 137, 86},
                                           GeometryCase{1920, 1080, 192, 120}));

class StartupTest : public AppFixture {};

TEST_F(StartupTest, WindowStartsReadyForManualSorting) {
  EXPECT_EQ(form->Caption(), "Сортарий");
  EXPECT_EQ(Application->Title(), "Сортарий");
  EXPECT_TRUE(form->IsManualMode());
  EXPECT_EQ(form->ManualPosition(), 0);
  EXPECT_FALSE(form->sBitBtn4->Enabled());
  EXPECT_TRUE(form->sBitBtn1->Enabled());
  EXPECT_EQ(form->sRadioGroup->ItemIndex(), 0);
  EXPECT_EQ(form->sText1->Text(), "");
  for (int k = 1; k <= 10; ++k) {
    EXPECT_GE(form->Value(k), 10);
    EXPECT_LE(form->Value(k), 98);
    EXPECT_EQ(CellText(k), std::to_string(form->Value(k)));
    EXPECT_EQ(CellColor(k), clBtnFace);
    EXPECT_EQ(form->Cell(k)->Tag(), k);
  }
  EXPECT_EQ(form->sBitBtn1->Caption(), "Заполнить \r\nмассив");
  EXPECT_EQ(form->sBitBtn4->Caption(), "Упорядочить\r\nавтоматически");
  EXPECT_EQ(form->sRadioGroup->Items()->ToVector(), (std::vector<std::string>{"возрастанию", "убыванию"}));
  EXPECT_EQ(form->sPanel1->SkinData()->SkinSection(), "PANEL");
  EXPECT_EQ(form->sRadioGroup->SkinData()->SkinSection(), "GROUPBOX");
  EXPECT_EQ(form->sBitBtn2->SkinData()->SkinSection(), "BUTTON");
  EXPECT_TRUE(form->sBitBtn2->SkinData()->Skinned());
}

TEST_F(StartupTest, ControlsAreCreatedInStoredOrderWithTheirTabOrder) {
  std::vector<std::string> names;
  for (int i = 0; i < form->ComponentCount(); ++i) names.push_back(form->Components(i)->Name());
  const std::vector<std::string> expected = {
      "sPanel1",     "StaticText1", "StaticText2",    "StaticText3",    "StaticText4", "StaticText5",
      "StaticText6", "StaticText7", "StaticText8",    "StaticText9",    "StaticText10", "sSkinManager1",
      "sSkinProvider1", "sPanel2",  "sBitBtn1",       "sRadioGroup",    "sBitBtn2",    "sBitBtn3",
      "sBitBtn4",    "sText1"};
  EXPECT_EQ(names, expected);
  EXPECT_EQ(form->sPanel1->TabOrder(), 0);
  EXPECT_EQ(form->sPanel2->TabOrder(), 1);
  EXPECT_EQ(form->sText1->TabOrder(), 2);
  EXPECT_EQ(form->sRadioGroup->TabOrder(), 1);
  EXPECT_EQ(form->sBitBtn4->TabOrder(), 4);
  EXPECT_EQ(form->Cell(7)->Parent(), form->sPanel1);
  EXPECT_EQ(form->sBitBtn3->Parent(), form->sPanel2);
}

TEST_F(StartupTest, DifferentSeedsGiveDifferentRows) {
  const auto first = Values();
  SetRandomizeSeed(999);
  form->FormCreate(form);
  EXPECT_NE(Values(), first);
}

// Start-up preloads the program's two archives: the skin file's archive as
// the global stored skin's bytes, the pictures' directory under
// "_general.zip"; shut-down frees both.
TEST_F(StartupTest, ArchivesArePreloadedAndFreedAgain) {
  TQorPreloadedZipFileList* list = PreloadedZipFiles();
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->Count(), 1);
  const TQorPreloadedZipFile& general = list->Items(0);
  EXPECT_EQ(general.Name, "_general.zip");
  EXPECT_EQ(general.Tag, 0);
  const TZipFile& zip = *general.Zip;
  ASSERT_EQ(zip.LocalFiles.size(), 5u);
  EXPECT_EQ(zip.CentralFiles.size(), 5u);
  EXPECT_EQ(zip.EndSignature, kEndOfDirectorySignature);
  const char* names[] = {"dropdown_disabled.png", "dropdown.png", "stdicon16.png", "stdicon32.png", "stdicon48.png"};
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(zip.LocalFiles[i].Name, names[i]);
    EXPECT_EQ(zip.CentralFiles[i].Name, names[i]);
    EXPECT_EQ(zip.LocalFiles[i].Method, i < 2 ? 8 : 0) << names[i];
    EXPECT_EQ(zip.LocalFiles[i].Data.size(), zip.LocalFiles[i].CompressedSize);
  }
  TQorStoredSkin* skin = GlobalQorStoredSkin();
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(skin->FileName(), "_internal.zip");
  EXPECT_EQ(skin->FileData().Size(), 2482);
  EXPECT_EQ(QorStoredSkins(), std::vector<TQorStoredSkin*>{skin});

  StopArchiveUnits();
  EXPECT_EQ(PreloadedZipFiles(), nullptr);
  EXPECT_EQ(GlobalQorStoredSkin(), nullptr);
  EXPECT_TRUE(QorStoredSkins().empty());
}

// A start-up that fails says why in the application's message box, titled
// as the program, before the program ends.
TEST_F(StartupTest, StartUpFailureIsShownInTheApplicationsMessageBox) {
  backend->ClearMessageBoxes();
  ReportStartupFailure(EResNotFound("Resource INTERNAL_ZIP not found"));
  ASSERT_EQ(backend->MessageBoxes().size(), 1u);
  EXPECT_EQ(backend->MessageBoxes()[0].Caption, "Сортарий");
  EXPECT_EQ(backend->MessageBoxes()[0].Text, "Resource INTERNAL_ZIP not found.");
}

}  // namespace
