// The borders as the engine really paints them, for judging the art where
// pieces meet: the stored skin is loaded by a skin manager and the left
// column of the main window (its panel, the group box, the buttons) is
// painted through the item pipeline, each item over the picture of the one
// under it. Every item is written as its own picture at four times the size,
// nearest neighbour, with a few pixels of what lies around it.
#include <filesystem>

#include "SkinArt.h"
#include "framework/backend/headless/HeadlessBackend.h"
#include "framework/components/Application.h"
#include "framework/graphics/Picture.h"
#include "skin/sItemPaint.h"
#include "skin/sSkinManager.h"

namespace {

constexpr int kScale = 4;
constexpr int kMargin = 3;
// Corners where pieces meet are also written four times larger again.
constexpr int kCornerScale = 16;

void SaveScaled(const TBitmap& scene, TRect area, const std::string& fileName, int scale = kScale) {
  area = area.Intersect({0, 0, scene.Width(), scene.Height()});
  TBitmap out(area.Width() * scale, area.Height() * scale);
  for (int y = 0; y < out.Height(); ++y)
    for (int x = 0; x < out.Width(); ++x) out.SetPixel(x, y, scene.Pixel(area.Left + x / scale, area.Top + y / scale));
  SavePng(out, fileName);
}

struct TPlaced {
  const char* Section;
  TRect Bounds;  // in the panel
  TPaintState State;
  const char* File;
};

}  // namespace

void RenderBorders(const TsStoredSkins& skins, const std::string& dir) {
  InstallHeadlessBackend();
  InitializeFramework();
  {
    TComponent owner(nullptr);
    auto* manager = TComponent::Create<TsSkinManager>(&owner);
    manager->SetInternalSkins(skins);
    manager->SetSkinName(skins[0]->Name);
    if (!manager->CommonSkinData.Active) throw std::runtime_error("the skin does not load");
    const auto item = [&](const char* section) {
      return TsItemSkin{manager, manager->FindSection(section), section};
    };

    // The main window's left panel, as tall as it is there, with its
    // children at their places; the large button stands where the lower
    // buttons would be.
    TBitmap panel(193, 457);
    PaintItemByIndex(item("PANEL"), {}, panel, {{0, 0, panel.Width(), panel.Height()}, {}, TPaintState::Normal},
                     TBorderCentre::Fill);
    const TCacheInfo under{&panel, 0, 0, true};
    const TPlaced children[] = {
        {"GROUPBOX", {16, 0, 177, 81}, TPaintState::Normal, "groupbox.png"},
        {"BUTTON", {24, 96, 169, 156}, TPaintState::Normal, "button-normal.png"},
        {"BUTTON", {24, 176, 169, 236}, TPaintState::Hot, "button-hot.png"},
        {"BUTTON", {24, 256, 169, 316}, TPaintState::Pressed, "button-pressed.png"},
        {"BUTTON_HUGE", {24, 336, 169, 450}, TPaintState::Normal, "button-huge.png"},
    };
    TBitmap scene;
    scene.Assign(panel);
    std::filesystem::create_directories(dir);
    for (const TPlaced& c : children) {
      TBitmap picture(c.Bounds.Width(), c.Bounds.Height());
      PaintItemByIndex(item(c.Section), under, picture,
                       {{0, 0, picture.Width(), picture.Height()}, {c.Bounds.Left, c.Bounds.Top}, c.State},
                       TBorderCentre::Fill);
      for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
          scene.SetPixel(c.Bounds.Left + x, c.Bounds.Top + y, picture.Pixel(x, y));
    }
    for (const TPlaced& c : children)
      SaveScaled(scene, c.Bounds.Inflate(kMargin, kMargin), dir + "/" + c.File);
    SaveScaled(scene, {0, 0, 48, 48}, dir + "/panel-corner.png");
    for (const TPlaced& c : children) {
      const std::string name = std::string(c.File).substr(0, std::string(c.File).size() - 4);
      const TRect r = c.Bounds;
      SaveScaled(scene, {r.Left - kMargin, r.Top - kMargin, r.Left + 14, r.Top + 14}, dir + "/" + name + "-corner.png",
                 kCornerScale);
      SaveScaled(scene, {r.Right - 14, r.Bottom - 14, r.Right + kMargin, r.Bottom + kMargin},
                 dir + "/" + name + "-corner-br.png", kCornerScale);
    }
    // The huge button in its other looks, each over the same place.
    for (const TPaintState state : {TPaintState::Hot, TPaintState::Pressed}) {
      const TRect r = children[4].Bounds;
      TBitmap picture(r.Width(), r.Height());
      PaintItemByIndex(item("BUTTON_HUGE"), under, picture, {{0, 0, r.Width(), r.Height()}, {r.Left, r.Top}, state},
                       TBorderCentre::Fill);
      TBitmap one;
      one.Assign(scene);
      for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) one.SetPixel(r.Left + x, r.Top + y, picture.Pixel(x, y));
      SaveScaled(one, r.Inflate(kMargin, kMargin),
                 dir + (state == TPaintState::Hot ? "/button-huge-hot.png" : "/button-huge-pressed.png"));
    }
  }
  FinalizeFramework();
}
