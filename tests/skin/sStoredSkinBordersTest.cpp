// The masked borders of the skin stored in the main window's description,
// painted by the engine: where a corner piece meets the edge beside it no
// seam may show.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "SkinManagerFixture.h"
#include "skin/pixels/sMaskDraw.h"

namespace {

constexpr TColor kOwn = RGB(40, 200, 120);    // what the control painted under its border
constexpr TColor kParent = RGB(250, 30, 60);  // the parent's picture, for the clear corner pixels
// Per channel. A rounding that reaches the last row of a small corner may
// step the art's grey once (8 of 256), which moves a channel by at most 8.
constexpr int kTolerance = 8;

class StoredSkinBordersTest : public SkinManagerFixture {
 protected:
  // The skin manager of the main window's description, read as the
  // program reads it.
  TsSkinManager* StoredManager() {
    std::ifstream in(std::string(SORTARIUM_SOURCE_DIR) + "/resources/Unit1.dfm", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const std::string dfm = text.str();
    const std::string head = "  object sSkinManager1: TsSkinManager\n";
    const size_t begin = dfm.find(head);
    const size_t end = dfm.find("\n  end\n", begin);
    if (begin == std::string::npos || end == std::string::npos) return nullptr;
    return ReadManager(dfm.substr(begin + head.size(), end + 1 - begin - head.size()));
  }
};

int ChannelGap(TColor a, TColor b) {
  return std::max({std::abs(GetRValue(a) - GetRValue(b)), std::abs(GetGValue(a) - GetGValue(b)),
                   std::abs(GetBValue(a) - GetBValue(b))});
}

}  // namespace

// The engine mixes corners through their mask as it is and edges through
// the lighter reading of it. Art that used the same greys for both showed
// darker squares at the corners of the buttons, and clear pixels inside a
// corner (magenta) let the parent through where the edge shows the
// control's own background. Every masked control border is painted
// 145 x 60 (a main window button) in every look over one colour, and each
// pixel of a corner's row or column next to an edge must match its
// neighbour in the edge; the outermost pixels of the window's own round
// borders must still show the parent.
TEST_F(StoredSkinBordersTest, CornersMeetTheirEdgesWithoutASeam) {
  TsSkinManager* manager = StoredManager();
  ASSERT_NE(manager, nullptr);
  ASSERT_TRUE(manager->CommonSkinData.Active);
  TBitmap parent(200, 100);
  parent.Fill(kParent);
  const TCacheInfo under{&parent, 10, 10, true};
  const int w = 145, h = 60;

  int checkedBorders = 0;
  for (const TsMaskData& entry : manager->Masks()) {
    if (entry.MaskType != 1 || entry.PropertyName != "BORDERSMASK") continue;
    ++checkedBorders;
    const int wl = entry.WL, wt = entry.WT, wr = entry.WR, wb = entry.WB;
    if (wl <= 0 || wt <= 0 || wr <= 0 || wb <= 0) {
      ADD_FAILURE() << entry.SectionName << "." << entry.PropertyName << " has a border side without width";
      continue;
    }
    for (int state = 0; state < entry.ImageCount; ++state) {
      SCOPED_TRACE(entry.SectionName + "." + entry.PropertyName + " state " + std::to_string(state));
      TBitmap target(w, h);
      target.Fill(kOwn);
      PaintBorder(target, {0, 0, w, h}, TBorderCentre::Fill, TKeyPixels::Keep, static_cast<TPaintState>(state),
                  entry, manager->MasterBitmap(), under);
      int worst = 0;
      std::string where;
      const auto compare = [&](int cx, int cy, int ex, int ey) {
        const int gap = ChannelGap(target.Pixel(cx, cy), target.Pixel(ex, ey));
        if (gap > worst)
          worst = gap, where = "corner (" + std::to_string(cx) + "," + std::to_string(cy) + ") against edge (" +
                               std::to_string(ex) + "," + std::to_string(ey) + ")";
      };
      for (int x = 0; x < wl; ++x) compare(x, wt - 1, x, wt), compare(x, h - wb, x, h - wb - 1);
      for (int x = w - wr; x < w; ++x) compare(x, wt - 1, x, wt), compare(x, h - wb, x, h - wb - 1);
      for (int y = 0; y < wt; ++y) compare(wl - 1, y, wl, y), compare(w - wr, y, w - wr - 1, y);
      for (int y = h - wb; y < h; ++y) compare(wl - 1, y, wl, y), compare(w - wr, y, w - wr - 1, y);
      EXPECT_LE(worst, kTolerance) << where;
      // The window's own borders are round: their outermost corner pixels
      // show the parent, so a mended corner has not simply been filled.
      const bool round = entry.SectionName == "BUTTON" || entry.SectionName == "BUTTON_HUGE" ||
                         entry.SectionName == "GROUPBOX";
      if (round) {
        for (const TPoint p : {TPoint{0, 0}, TPoint{w - 1, 0}, TPoint{0, h - 1}, TPoint{w - 1, h - 1}}) {
          EXPECT_EQ(target.Pixel(p.X, p.Y), kParent) << "corner pixel " << p.X << "," << p.Y;
        }
      }
    }
  }
  EXPECT_GE(checkedBorders, 3) << "BUTTON, BUTTON_HUGE and GROUPBOX at least";
}
