// The bad-files corpus (tests/data/bad, listed in its MANIFEST) through the
// calls the running program reads each kind of file with. Every file fails
// with the exception its line names, or loads what its line says, and the
// program goes on: the window repaints exactly as before with the stored
// skin, the listing pane keeps its text, and a good file of the same kind
// loads right after the bad one.
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "AppFixture.h"
#include "archives/PreloadedZips.h"
#include "framework/base/Exceptions.h"
#include "framework/graphics/Picture.h"
#include "framework/streaming/Reader.h"
#include "skin/pixels/sGradient.h"
#include "skin/sSkinManager.h"
#include "skin/sSkinOverlay.h"

namespace {

namespace fs = std::filesystem;

struct TBadFile {
  std::string Reader, File, Result, Detail;
};

// What reading a file gave: the exception's class and message, or the facts
// of what was loaded ("size", "segments", "local" ...) and the text it shows.
struct TOutcome {
  std::string ErrorClass, Message;
  std::map<std::string, std::string> Facts;
  std::string Text;
};

const fs::path kSource = SORTARIUM_SOURCE_DIR;
const fs::path kBad = kSource / "tests" / "data" / "bad";

std::vector<TBadFile> ReadManifest() {
  std::vector<TBadFile> files;
  std::ifstream in(kBad / "MANIFEST");
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields;
    std::stringstream split(line);
    for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
    fields.resize(4);
    files.push_back({fields[0], fields[1], fields[2], fields[3]});
  }
  return files;
}

std::string ReadText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// "key=value key=value" as a map.
std::map<std::string, std::string> Pairs(const std::string& text) {
  std::map<std::string, std::string> pairs;
  std::stringstream words(text);
  for (std::string word; words >> word;) {
    const size_t eq = word.find('=');
    pairs[word.substr(0, eq)] = eq == std::string::npos ? "" : word.substr(eq + 1);
  }
  return pairs;
}

template <class Read>
TOutcome Catching(Read&& read) {
  TOutcome outcome;
  try {
    read(outcome);
  } catch (const Exception& e) {
    outcome.ErrorClass = e.ClassName();
    outcome.Message = e.Message();
  }
  return outcome;
}

class BadFilesTest : public AppFixture {
 protected:
  TsSkinManager& M() { return *form->sSkinManager1; }

  // Lets the skin-change animation and every timer run out.
  void Settle() {
    for (int i = 0; i < 40; ++i) {
      backend->Advance(25);
      Pump();
    }
  }
  // The window as it is on screen, row by row.
  std::vector<uint8_t> Screen() {
    Settle();
    const TBitmap& screen = backend->FindWindow(form->Handle())->Screen;
    std::vector<uint8_t> pixels;
    for (int y = 0; y < screen.Height(); ++y)
      pixels.insert(pixels.end(), screen.ScanLine(y), screen.ScanLine(y) + screen.Width() * 3);
    return pixels;
  }

  // Activates skin `name` of folder `dir` as --skins-dir and --skin do.
  void UseSkin(const fs::path& dir, const std::string& name) {
    ApplySkinOptions(M(), TSkinOptions{name, dir.string()});
    Settle();
  }

  TOutcome Picture(const fs::path& file) {
    static const std::map<std::string, std::string> good = {
        {".bmp", "fuzz/corpus/bmp/rgb24.bmp"}, {".png", "fuzz/corpus/png/rgb.png"},
        {".jpg", "fuzz/corpus/jpeg/baseline.jpg"}};
    const fs::path goodFile = kSource / good.at(file.extension().string());
    TPicture picture;
    picture.LoadFromFile(goodFile.string());
    const TSize goodSize{picture.Width(), picture.Height()};
    TOutcome outcome = Catching([&](TOutcome& o) {
      picture.LoadFromFile(file.string());
      o.Facts["size"] = std::to_string(picture.Width()) + "x" + std::to_string(picture.Height());
    });
    if (!outcome.ErrorClass.empty()) {
      EXPECT_EQ((TSize{picture.Width(), picture.Height()}), goodSize) << "the picture keeps what it held";
    }
    picture.LoadFromFile(goodFile.string());
    EXPECT_EQ((TSize{picture.Width(), picture.Height()}), goodSize) << "a good picture after the bad one";
    return outcome;
  }

  TOutcome Description(const fs::path& file) {
    const std::vector<uint8_t> before = Screen();
    TForm* bad = Application->CreateForm<TForm>();
    TOutcome outcome = Catching([&](TOutcome& o) {
      TReader(ReadText(file), file.filename().string()).ReadRootComponent(bad);
      o.Facts["components"] = std::to_string(bad->ComponentCount());
    });
    EXPECT_FALSE(bad->IsLoading() || bad->IsReading()) << "nothing is left half-read";
    TComponent::Free(bad);
    EXPECT_TRUE(Screen() == before) << "the main window paints as before";

    TForm* good = Application->CreateForm<TForm>();
    TReader("object Good: TForm\n  Caption = 'ok'\n  object P: TsPanel\n    Width = 40\n  end\nend\n", "Good.dfm")
        .ReadRootComponent(good);
    EXPECT_EQ(good->Caption(), "ok");
    EXPECT_NE(good->FindComponent("P"), nullptr) << "a good description after the bad one";
    TComponent::Free(good);
    return outcome;
  }

  // The show-program button loads the listing of the chosen order; a file
  // it cannot load is reported in the application's message box, the
  // pane keeping its text.
  TOutcome Listing(const fs::path& file) {
    const fs::path listing = dir / TForm1::ListingFileName(0);
    const std::string goodText = ReadText(listing);
    // Copied as it is: a link stays a link.
    fs::remove(listing);
    fs::copy(file, listing, fs::copy_options::copy_symlinks);
    form->sText1->SetText("kept");
    TOutcome outcome = Catching([&](TOutcome& o) {
      form->sText1->Lines()->LoadFromFile(TForm1::ListingFileName(0));
      o.Text = form->sText1->Text();
    });
    form->sText1->SetText("kept");
    backend->ClearMessageBoxes();
    ClickControl(form->sBitBtn2);
    if (outcome.ErrorClass.empty()) {
      EXPECT_TRUE(backend->MessageBoxes().empty());
      EXPECT_EQ(form->sText1->Text(), outcome.Text) << "the button loads what the pane loads";
    } else {
      EXPECT_EQ(form->sText1->Text(), "kept");
      EXPECT_EQ(backend->MessageBoxes().size(), 1u);
      if (!backend->MessageBoxes().empty()) {
        EXPECT_EQ(backend->MessageBoxes()[0].Caption, kApplicationTitle);
        EXPECT_EQ(backend->MessageBoxes()[0].Text, outcome.Message + ".");
      }
    }
    fs::remove(listing);
    std::ofstream(listing, std::ios::binary) << goodText;
    ClickControl(form->sBitBtn2);
    EXPECT_NE(form->sText1->Text().find("SortAscending"), std::string::npos) << "a good listing after the bad one";
    return outcome;
  }

  // A skin folder that fails leaves the stored skin active, reported once,
  // and the window paints exactly as it did; one that loads is active.
  TOutcome Skin(const fs::path& folder) {
    const std::vector<uint8_t> before = Screen();
    std::vector<std::string> reports;
    M().OnSkinError = [&](const std::string& message) { reports.push_back(message); };
    const std::string path = folder.string() + "/";
    TOutcome outcome = Catching([&](TOutcome&) { ReadSkinFolder(path, M().CommonSections()->ToVector(), &M()); });
    UseSkin(folder.parent_path(), folder.filename().string());
    if (outcome.ErrorClass.empty()) {
      EXPECT_TRUE(reports.empty());
      EXPECT_EQ(M().CommonSkinData.SkinPath, path);
      outcome.Facts = {{"sections", std::to_string(M().Sections().size())},
                       {"masks", std::to_string(M().Masks().size())},
                       {"patterns", std::to_string(M().Patterns().size())},
                       {"master", M().MasterBitmap() ? "yes" : "no"}};
      if (const int panel = M().FindSection("PANEL"); panel >= 0)
        outcome.Facts["segments"] = std::to_string(M().Sections()[static_cast<size_t>(panel)].GradientArray.size());
    } else {
      EXPECT_EQ(reports.size(), 1u) << "reported once";
      if (!reports.empty()) {
        EXPECT_NE(reports[0].find(outcome.Message), std::string::npos) << reports[0];
      }
      EXPECT_EQ(M().SkinName(), "NextKavra (internal)");
      EXPECT_TRUE(M().CommonSkinData.Active);
      EXPECT_EQ(M().CommonSkinData.SkinPath, "");
      EXPECT_EQ(M().Sections().size(), 62u);
      EXPECT_TRUE(Screen() == before) << "the stored skin paints the window as before";
    }
    M().OnSkinError = nullptr;
    UseSkin(kSource / "resources" / "skins", "Projector");
    EXPECT_EQ(M().CommonSkinData.SkinPath, (kSource / "resources" / "skins" / "Projector").string() + "/")
        << "a good skin folder after the bad one";
    UseSkin(kSource / "resources" / "skins", "NextKavra (internal)");
    EXPECT_TRUE(Screen() == before) << "back to the stored skin";
    return outcome;
  }

  // A gradient is read by itself and as the gradient of a skin folder's
  // section, where a bad one makes the manager keep the stored skin.
  TOutcome Gradient(const fs::path& file) {
    const std::string text = ReadText(file);
    TOutcome outcome = Catching([&](TOutcome& o) { o.Facts["segments"] = std::to_string(ParseGradient(text).size()); });
    const fs::path folder = dir / "gradient-skin" / "Gradient";
    fs::create_directories(folder);
    std::ofstream(folder / "Options.dat", std::ios::binary | std::ios::trunc)
        << "[GLOBALINFO]\nVERSION=5\n[PANEL]\nGRADIENTDATA=" << text << "\n";
    TOutcome viaSkin = Skin(folder);
    EXPECT_EQ(viaSkin.ErrorClass, outcome.ErrorClass) << viaSkin.Message;
    if (outcome.ErrorClass.empty()) {
      EXPECT_EQ(viaSkin.Facts["segments"], outcome.Facts["segments"]);
    }
    return outcome;
  }

  TOutcome Zip(const fs::path& file) {
    TOutcome outcome = Catching([&](TOutcome& o) {
      const TZipFile* zip = LoadArchive(nullptr, file.string(), 0);
      ASSERT_NE(zip, nullptr);
      size_t data = 0;
      for (const TLocalFile& f : zip->LocalFiles) data += f.Data.size();
      o.Facts = {{"local", std::to_string(zip->LocalFiles.size())},
                 {"central", std::to_string(zip->CentralFiles.size())},
                 {"end", zip->EndSignature ? "yes" : "no"},
                 {"data", std::to_string(data)},
                 {"comment", std::to_string(zip->Comment.size())}};
      if (!zip->LocalFiles.empty()) {
        char crc[16];
        std::snprintf(crc, sizeof crc, "%08x", zip->LocalFiles[0].Crc32);
        o.Facts["method"] = std::to_string(zip->LocalFiles[0].Method);
        o.Facts["crc"] = crc;
      }
    });
    const int general = PreloadedZipFiles()->Find("_general.zip");
    EXPECT_GE(general, 0) << "the start-up archive stays listed";
    if (general >= 0) {
      EXPECT_EQ(PreloadedZipFiles()->Items(general).Zip->LocalFiles.size(), 5u);
    }
    const TZipFile* good = LoadArchive(nullptr, (kSource / "resources" / "GENERAL_ZIP.zip").string(), 0);
    EXPECT_TRUE(good && good->LocalFiles.size() == 5 && good->EndSignature) << "a good archive after the bad one";
    return outcome;
  }

  TOutcome Read(const TBadFile& f) {
    const fs::path file = kBad / f.File;
    if (f.Reader == "picture") return Picture(file);
    if (f.Reader == "description") return Description(file);
    if (f.Reader == "listing") return Listing(file);
    if (f.Reader == "skin") return Skin(file);
    if (f.Reader == "gradient") return Gradient(file);
    if (f.Reader == "zip") return Zip(file);
    ADD_FAILURE() << "unknown reader " << f.Reader;
    return {};
  }
};

TEST_F(BadFilesTest, EveryFileFailsOrLoadsAsItsManifestSays) {
  const std::vector<TBadFile> files = ReadManifest();
  ASSERT_GE(files.size(), 100u);
  for (const TBadFile& f : files) {
    SCOPED_TRACE(f.File);
    ASSERT_TRUE(fs::exists(fs::symlink_status(kBad / f.File)));
    ASSERT_FALSE(f.Detail.empty()) << "every line says what to look for";
    const TOutcome got = Read(f);
    if (f.Result != "loads") {
      EXPECT_EQ(got.ErrorClass, f.Result) << got.Message;
      EXPECT_NE(got.Message.find(f.Detail), std::string::npos) << got.Message;
    } else if (!got.ErrorClass.empty()) {
      ADD_FAILURE() << "refused with " << got.ErrorClass << ": " << got.Message;
    } else if (f.Reader == "listing") {
      EXPECT_NE(got.Text.find(f.Detail), std::string::npos) << got.Text.substr(0, 200);
    } else if (f.Reader == "picture") {
      EXPECT_EQ(got.Facts.at("size"), f.Detail);
    } else {
      for (const auto& [key, value] : Pairs(f.Detail))
        EXPECT_EQ(got.Facts.count(key) ? got.Facts.at(key) : "?", value) << key;
    }
  }
  // The trainer itself is undisturbed: hidden again, the listing pane
  // empties and a click on a cell makes the first manual step.
  ClickControl(form->sBitBtn3);
  EXPECT_EQ(form->sText1->Text(), "");
  EXPECT_TRUE(form->IsManualMode());
  ClickCell(4);
  EXPECT_EQ(form->ManualPosition(), 1);
}

}  // namespace
