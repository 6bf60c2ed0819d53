// A running framework with skin managers owned by the test, a form that
// records the skin commands it hears, and helpers that put small stored
// skins together by hand.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FrameworkFixture.h"
#include "framework/streaming/ClassRegistry.h"
#include "framework/streaming/Reader.h"
#include "skin/sMessages.h"
#include "skin/sSkinManager.h"

// What a form was told, and the state of things when it was told.
struct THeardCommand {
  uint16_t Code;
  bool SkinChanging;  // SkinIsChanging at that moment
  bool SkinActive;    // the manager's CommonSkinData.Active at that moment
};

class SkinManagerFixture : public FrameworkFixture {
 protected:
  void SetUp() override {
    FrameworkFixture::SetUp();
    RegisterFrameworkClasses();
    RegisterSkinClasses();
    // A manager left behind by another test must not decide who is default.
    DefaultManager = nullptr;
    SkinIsChanging = false;
    root = std::make_unique<TComponent>(nullptr);
  }

  void TearDown() override {
    root.reset();
    EXPECT_EQ(DefaultManager, nullptr) << "the default manager outlived its component";
    DefaultManager = nullptr;
    FrameworkFixture::TearDown();
  }

  TsSkinManager* NewManager() { return TComponent::Create<TsSkinManager>(root.get()); }

  // A form whose window procedure writes down every skin command.
  TForm* ListeningForm() {
    TForm* form = MakeForm(40, 30);
    auto original = form->WindowProc;
    form->WindowProc = [this, original](TMessage& m) {
      if (const uint16_t code = SkinCommandCode(m)) {
        if (code == SKC_NEWSKIN || code == SKC_REMOVESKIN || code == SKC_REFRESH) {
          const TsSkinManager* manager = CommandManager(m);
          heard.push_back({code, SkinIsChanging, manager && manager->CommonSkinData.Active});
        }
      }
      original(m);
    };
    return form;
  }

  std::vector<uint16_t> HeardCodes() const {
    std::vector<uint16_t> codes;
    for (const THeardCommand& h : heard) codes.push_back(h.Code);
    return codes;
  }

  // Reads `body` as the properties of one manager under a plain root.
  TsSkinManager* ReadManager(const std::string& body, TComponent* owner = nullptr) {
    if (!owner) owner = root.get();
    const std::string text = "object Holder: TComponent\n  object sSkinManager1: TsSkinManager\n" + body +
                             "  end\nend\n";
    TReader reader(text, "Manager.dfm");
    reader.ReadRootComponent(owner);
    return dynamic_cast<TsSkinManager*>(owner->FindComponent("sSkinManager1"));
  }

  std::unique_ptr<TComponent> root;
  std::vector<THeardCommand> heard;
};

namespace test_skins {

inline TsSkinGeneral* AddSection(TsStoredSkin& skin, const std::string& name, const std::string& parent = "") {
  TsSkinGeneral* s = skin.GeneralData.Add();
  s->SectionName = name;
  s->ParentClass = parent;
  return s;
}

// An image cut from the master bitmap.
inline TsSkinImage* AddImage(TsStoredSkin& skin, const std::string& section, const std::string& property,
                             TRect r = {0, 0, 9, 6}, int imageCount = 1, int maskType = 0,
                             TsImgType type = TsImgType::itisaBorder) {
  TsSkinImage* i = skin.Images.Add();
  i->SectionName = section;
  i->PropertyName = property;
  i->Left = r.Left;
  i->Top = r.Top;
  i->Right = r.Right;
  i->Bottom = r.Bottom;
  i->ImageCount = imageCount;
  i->MaskType = maskType;
  i->ImgType = type;
  return i;
}

// A stored skin with a small silver master bitmap and no sections yet.
inline TsStoredSkin* AddSkin(TsStoredSkins& skins, const std::string& name, double version = 5) {
  TsStoredSkin* skin = skins.Add();
  skin->Name = name;
  skin->Version = version;
  skin->MasterBitmap.SetSize(30, 20);
  skin->MasterBitmap.Fill(clSilver);
  return skin;
}

// The pixels of a bitmap, row by row.
inline std::vector<TColor> Pixels(const TBitmap& bmp) {
  std::vector<TColor> out;
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x) out.push_back(bmp.Pixel(x, y));
  return out;
}

// Sizes a bitmap to `width` columns and paints `pixels` into it row by row.
inline void Paint(TBitmap& bmp, int width, const std::vector<TColor>& pixels) {
  const int height = static_cast<int>(pixels.size()) / width;
  bmp.SetSize(width, height);
  for (size_t i = 0; i < pixels.size(); ++i)
    bmp.SetPixel(static_cast<int>(i) % width, static_cast<int>(i) / width, pixels[i]);
}

}  // namespace test_skins
