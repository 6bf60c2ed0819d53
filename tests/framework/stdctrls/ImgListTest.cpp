// The image list: pictures of one size added as bitmaps or strips, drawn by
// index with their transparent pixels and the list's background colour.
#include "framework/stdctrls/ImgList.h"

#include <gtest/gtest.h>

#include "FrameworkFixture.h"
#include "framework/streaming/ClassRegistry.h"
#include "framework/streaming/Reader.h"

namespace {

constexpr TColor kKey = RGB(255, 0, 255);
constexpr TColor kRed = RGB(200, 0, 0);
constexpr TColor kBlue = RGB(0, 0, 200);
constexpr TColor kUnder = RGB(10, 20, 30);

// A 2 x 2 picture: `ink` everywhere but the top-left pixel, which is `corner`.
void Picture(TBitmap& bmp, TColor ink, TColor corner, int width = 2) {
  bmp.SetSize(width, 2);
  bmp.Fill(ink);
  bmp.SetPixel(0, 0, corner);
}

// Draws image `index` of `list` into a 4 x 2 bitmap of kUnder at (1, 0)
// and answers the three pixels of interest: left of the image, its
// top-left and its bottom-right.
std::vector<TColor> DrawnAt1(const TImageList& list, int index) {
  TBitmap target(4, 2);
  target.Fill(kUnder);
  list.Draw(*target.Canvas(), 1, 0, index);
  return {target.Pixel(0, 0), target.Pixel(1, 0), target.Pixel(2, 1)};
}

}  // namespace

// Strips add one image per frame, pictures of another size are refused,
// and indexes outside the list draw nothing.
TEST(ImageListTest, AddsPicturesOfItsSizeAndDrawsThemByIndex) {
  TImageList list(nullptr);
  list.SetWidth(2);
  list.SetHeight(2);
  TBitmap strip;
  strip.SetSize(4, 2);
  strip.Fill(kRed);
  for (int y = 0; y < 2; ++y)
    for (int x = 2; x < 4; ++x) strip.SetPixel(x, y, kBlue);
  EXPECT_EQ(list.Add(strip), 0);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(DrawnAt1(list, 0), (std::vector<TColor>{kUnder, kRed, kRed}));
  EXPECT_EQ(DrawnAt1(list, 1), (std::vector<TColor>{kUnder, kBlue, kBlue}));

  TBitmap wrong;
  for (TSize size : {TSize{3, 2}, TSize{2, 3}, TSize{1, 2}, TSize{0, 0}}) {
    wrong.SetSize(size.cx, size.cy);
    EXPECT_EQ(list.Add(wrong), -1) << size.cx << "x" << size.cy;
  }
  EXPECT_EQ(list.Count(), 2);
  for (int bad : {-1, 2, 1000}) EXPECT_EQ(DrawnAt1(list, bad), (std::vector<TColor>{kUnder, kUnder, kUnder})) << bad;

  list.Delete(0);
  EXPECT_EQ(DrawnAt1(list, 0), (std::vector<TColor>{kUnder, kBlue, kBlue})) << "the second image moved up";
  list.SetWidth(3);
  EXPECT_EQ(list.Count(), 0) << "images of the old size do not fit a new size";
}

// A masked image leaves its transparent pixels alone, or fills them with
// the list's background colour when it has one; opaque images cover all.
TEST(ImageListTest, TransparentPixelsShowWhatIsUnderOrTheBackgroundColour) {
  TImageList list(nullptr);
  list.SetWidth(2);
  list.SetHeight(2);
  TBitmap picture;
  Picture(picture, kRed, kKey);
  ASSERT_EQ(list.AddMasked(picture, kKey), 0);
  ASSERT_EQ(list.Add(picture), 1);

  EXPECT_EQ(DrawnAt1(list, 0), (std::vector<TColor>{kUnder, kUnder, kRed}));
  EXPECT_EQ(DrawnAt1(list, 1), (std::vector<TColor>{kUnder, kKey, kRed})) << "an opaque image shows its key pixels";
  list.SetBkColor(kBlue);
  EXPECT_EQ(DrawnAt1(list, 0), (std::vector<TColor>{kUnder, kBlue, kRed}));
  EXPECT_EQ(DrawnAt1(list, 1), (std::vector<TColor>{kUnder, kKey, kRed}));
}

// A description can name an image list with its size and background.
TEST(ImageListTest, DescriptionNamesAListWithItsSize) {
  RegisterFrameworkClasses();
  TComponent holder(nullptr);
  TReader("object Holder: TComponent\n  object Images: TImageList\n    Width = 24\n    Height = 20\n"
          "    BkColor = clBtnFace\n  end\nend\n",
          "test")
      .ReadRootComponent(&holder);
  auto* list = dynamic_cast<TImageList*>(holder.FindComponent("Images"));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->Width(), 24);
  EXPECT_EQ(list->Height(), 20);
  EXPECT_EQ(list->BkColor(), clBtnFace);
}
