// Skin folders written by a test: a temporary skin directory, skins in it
// made of an "Options.dat" text and a few small bitmaps, and a manager with
// one stored skin to fall back to.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "SkinManagerFixture.h"
#include "framework/backend/headless/HeadlessBackend.h"
#include "framework/graphics/BmpCodec.h"

namespace test_skin_folders {

namespace fs = std::filesystem;

// A bitmap of w x h whose pixel (x, y) is RGB(x, y, seed), as BMP file bytes.
inline std::vector<uint8_t> BmpBytes(int w, int h, int seed = 7) {
  TBitmap bmp(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) bmp.SetPixel(x, y, RGB(x & 255, y & 255, seed));
  return WriteBmp24(bmp);
}

inline void WriteBytes(const fs::path& file, const std::vector<uint8_t>& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline void WriteText(const fs::path& file, const std::string& text) {
  WriteBytes(file, std::vector<uint8_t>(text.begin(), text.end()));
}

}  // namespace test_skin_folders

class SkinFolderFixture : public SkinManagerFixture {
 protected:
  void SetUp() override {
    SkinManagerFixture::SetUp();
    dir = test_skin_folders::fs::temp_directory_path() /
          ("sortarium-skins-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    test_skin_folders::fs::remove_all(dir);
    test_skin_folders::fs::create_directories(dir);
  }
  void TearDown() override {
    test_skin_folders::fs::remove_all(dir);
    SkinManagerFixture::TearDown();
  }

  // A skin folder `name` with `options` as its "Options.dat" and a master
  // bitmap "Master.bmp" of 60 x 40.
  test_skin_folders::fs::path MakeSkin(const std::string& name, const std::string& options) {
    const auto folder = dir / name;
    test_skin_folders::WriteText(folder / "Options.dat", options);
    test_skin_folders::WriteBytes(folder / "Master.bmp", test_skin_folders::BmpBytes(60, 40));
    return folder;
  }

  // A manager over the test's skin directory with one stored skin "Stored"
  // of two sections and one image.
  TsSkinManager* StoredManager() {
    TsSkinManager* m = NewManager();
    TsStoredSkin* skin = test_skins::AddSkin(*m->InternalSkins(), "Stored");
    test_skins::AddSection(*skin, "GLOBALINFO");
    test_skins::AddSection(*skin, "BUTTON")->Color = clRed;
    test_skins::AddImage(*skin, "BUTTON", "BORDERSMASK", {0, 0, 9, 6});
    m->SetSkinDirectory(dir.string());
    return m;
  }

  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const TRecordedMessageBox& box : backend->MessageBoxes()) texts.push_back(box.Text);
    return texts;
  }

  test_skin_folders::fs::path dir;
};
