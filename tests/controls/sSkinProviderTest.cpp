// The skinned window frame: its caption buttons' places and images, what
// the title bar hits, the caption that fits, the window's shape, the skin
// commands, the control adapter, and skins that leave parts out.
#include "controls/sSkinProvider.h"

#include <gtest/gtest.h>

#include "FrameFixture.h"
#include "controls/sControlAdapter.h"
#include "controls/sFrameRegion.h"
#include "controls/sSystemMenu.h"
#include "framework/components/Windows.h"
#include "framework/stdctrls/RichEdit.h"
#include "framework/stdctrls/StdCtrls.h"
#include "skin/sMessages.h"

namespace {

using namespace frame_art;

// Window (300 x 200, single border): borders 3, caption 24, buttons 17 x 16.
constexpr int kW = 300;
constexpr int kBand = 27;

TEST_F(FrameFixture, CaptionButtonsTouchAtTheRightInsideTheBorder) {
  MakeSkin();
  MakeSkinnedForm();
  const TCaptionButtonsLayout layout = provider->CaptionLayout();
  // Close first from the right edge, inside the 3-pixel border; minimize
  // touching it; top = (24 + 3 - 16) / 2.
  EXPECT_EQ(layout.Of(TCaptionButton::Close), (TRect{kW - 3 - 17, 5, kW - 3, 21}));
  EXPECT_EQ(layout.Of(TCaptionButton::Minimize), (TRect{kW - 3 - 34, 5, kW - 3 - 17, 21}));
  EXPECT_TRUE(layout.Of(TCaptionButton::Maximize).IsEmpty());
  EXPECT_TRUE(layout.Of(TCaptionButton::Help).IsEmpty());
  // Painted from their images' first (normal, red) frame while the window is active.
  EXPECT_EQ(OnScreen(kW - 3 - 9, 12), kStateColors[0]);
  EXPECT_EQ(OnScreen(kW - 3 - 26, 12), kStateColors[0]);

  // A sizeable window with all icons shows four buttons, still touching.
  form->SetBorderStyle(TFormBorderStyle::bsSizeable);
  form->SetBorderIcons({biSystemMenu, biMinimize, biMaximize, biHelp});
  const TCaptionButtonsLayout all = provider->CaptionLayout();
  int right = kW - 4;
  for (TCaptionButton b : kCaptionButtonsFromRight) {
    EXPECT_EQ(all.Of(b).Right, right);
    EXPECT_EQ(all.Of(b).Width(), 17);
    EXPECT_EQ(all.Of(b).Top, (24 + 4 - 16) / 2);
    right = all.Of(b).Left;
  }
}

TEST_F(FrameFixture, TitleBarHitsButtonsIconCaptionAndLeavesTheRestToTheForm) {
  MakeSkin();
  MakeSkinnedForm();
  provider->TitleIcon()->Glyph()->SetSize(16, 16);
  auto hit = [&](int x, int y) {
    return static_cast<int>(SendMessage(form->Handle(), WM_NCHITTEST, 0, MakeLParam(100 + x, 50 + y)));
  };
  EXPECT_EQ(hit(kW - 3 - 9, 12), HTCLOSE);
  EXPECT_EQ(hit(kW - 3 - 26, 12), HTMINBUTTON);
  EXPECT_EQ(hit(3 + 2 + 8, 3 + 4 + 8), HTSYSMENU);
  EXPECT_EQ(hit(150, 12), HTCAPTION);
  // Left of the skinned buttons, where the plain frame had its own: caption.
  EXPECT_EQ(hit(kW - 3 - 40, 12), HTCAPTION);
  EXPECT_EQ(hit(150, 100), HTCLIENT);
  EXPECT_EQ(hit(1, 100), HTBORDER);
  EXPECT_EQ(hit(-5, 100), HTNOWHERE);

  // A minimize button that is shown but may not minimize is caption.
  form->SetBorderStyle(TFormBorderStyle::bsSizeable);
  form->SetBorderIcons({biSystemMenu});
  EXPECT_EQ(hit(kW - 4 - 17 - 17 - 9, 12), HTCAPTION);
  EXPECT_EQ(hit(kW - 4 - 9, 12), HTCLOSE);
}

TEST_F(FrameFixture, HoverAndPressFollowTheMouseAndTheCloseButtonCloses) {
  MakeSkin();
  MakeSkinnedForm();
  bool closed = false;
  form->OnClose = [&](TComponent*, TCloseAction& action) {
    closed = true;
    action = TCloseAction::caNone;
  };
  const TPoint close{kW - 3 - 9, 12};
  backend->InjectMouseMove(form->Handle(), close);
  Pump();
  UpdateAllWindows();
  EXPECT_EQ(provider->ButtonState(TCaptionButton::Close), TPaintState::Hot);
  EXPECT_EQ(OnScreen(close.X, close.Y), kStateColors[1]);
  backend->InjectMouseButton(form->Handle(), close, 0, true);
  Pump();
  UpdateAllWindows();
  EXPECT_EQ(provider->ButtonState(TCaptionButton::Close), TPaintState::Pressed);
  EXPECT_EQ(OnScreen(close.X, close.Y), kStateColors[2]);
  // Released elsewhere: nothing happens, the button is normal again.
  backend->InjectMouseMove(form->Handle(), {150, 100});
  backend->InjectMouseButton(form->Handle(), {150, 100}, 0, false);
  Pump();
  EXPECT_FALSE(closed);
  EXPECT_EQ(provider->ButtonState(TCaptionButton::Close), TPaintState::Normal);
  Click(form, close.X, close.Y);
  EXPECT_TRUE(closed);
}

TEST_F(FrameFixture, MinimizeButtonMinimizesAndTheWindowRestores) {
  MakeSkin();
  MakeSkinnedForm();
  Click(form, kW - 3 - 26, 12);
  EXPECT_EQ(form->WindowState(), TWindowState::wsMinimized);
  form->Perform(WM_SYSCOMMAND, SC_RESTORE);
  EXPECT_EQ(form->WindowState(), TWindowState::wsNormal);
}

// The title's font follows the skin's font scale as far as the caption
// holds its text: at 150 the caption's ink is taller and still inside the
// title band; at 300 it stops where its cell fills the caption; back at 100
// the band is the same pixels as before.
TEST_F(FrameFixture, TitleFollowsTheFontScaleWithinTheCaption) {
  MakeSkin();
  MakeSkinnedForm(kW, 200, "Сортарий");
  const int band = 3 + GetSystemMetrics(SM_CYCAPTION);  // a single border is 3 pixels
  // Rows of the band left of the buttons, and the first and last that hold
  // ink: a pixel unlike the band's own at the same row, right of the text.
  auto rows = [&]() {
    std::vector<TColor> pixels;
    for (int y = 0; y < band; ++y)
      for (int x = 0; x < kW - 40; ++x) pixels.push_back(OnScreen(x, y));
    return pixels;
  };
  auto ink = [&]() {
    int top = -1, bottom = -1;
    for (int y = 0; y < band; ++y)
      for (int x = 8; x < kW - 80; ++x)
        if (OnScreen(x, y) != OnScreen(kW - 60, y)) {
          if (top < 0) top = y;
          bottom = y;
        }
    return std::pair{top, bottom};
  };
  auto rescale = [&](int percent) {
    manager->CommonSkinData.FontScale = percent;
    manager->AnnounceRefresh();
    Pump();
    UpdateAllWindows();
  };
  const std::vector<TColor> before = rows();
  const auto [top, bottom] = ink();
  ASSERT_GE(top, 0) << "no caption drawn";

  rescale(150);
  const auto [top150, bottom150] = ink();
  EXPECT_GE(bottom150 - top150, (bottom - top) * 4 / 3) << top << ".." << bottom << " at 100";
  EXPECT_GE(top150, 3);
  EXPECT_LT(bottom150, band);
  rescale(300);
  const auto [top300, bottom300] = ink();
  EXPECT_LE(bottom300 - top300 + 1, GetSystemMetrics(SM_CYCAPTION) - 2);
  EXPECT_GE(bottom300 - top300, bottom150 - top150);
  rescale(100);
  EXPECT_EQ(rows(), before);
}

TEST_F(FrameFixture, LongCaptionsEndInDotsAndNoRoomGivesNoText) {
  MakeSkin();
  const std::string caption = "Сортарий — тренажёр сортировки выбором для учеников начальной школы";
  MakeSkinnedForm(kW, 200, caption);
  TBitmap measure(1, 1);
  TCanvas* canvas = measure.Canvas();
  *canvas->Font() = *form->Font();
  canvas->Font()->SetHeight(-13);
  canvas->Font()->SetStyle(TFontStyles{fsBold});
  // Text from 3 + 4 to the buttons' left (300 - 34) less 6.
  const int space = (kW - 34 - 6) - (3 + 4);
  const std::string drawn = provider->DrawnCaption();
  ASSERT_GE(drawn.size(), 4u);
  ASSERT_EQ(drawn.substr(drawn.size() - 3), "...");
  const std::string kept = drawn.substr(0, drawn.size() - 3);
  EXPECT_EQ(caption.compare(0, kept.size(), kept), 0) << drawn;
  EXPECT_LE(canvas->TextWidth(drawn), space);
  // One character more would not have fitted (Cyrillic letters are two bytes).
  const size_t next = kept.size() + ((static_cast<unsigned char>(caption[kept.size()]) & 0x80) ? 2 : 1);
  EXPECT_GT(canvas->TextWidth(caption.substr(0, next) + "..."), space);

  form->SetWidth(50);
  UpdateAllWindows();
  EXPECT_EQ(provider->DrawnCaption(), "");
  form->SetWidth(kW);
  form->SetCaption("Сортарий");
  UpdateAllWindows();
  EXPECT_EQ(provider->DrawnCaption(), "Сортарий");
}

TEST_F(FrameFixture, WindowShapeLeavesOutTheMagentaCornerRuns) {
  MakeSkin();
  MakeSkinnedForm();
  // Frame corners: rows 0 and 1 at the left, row 0 at the right, the last
  // row at the right; the title adds one pixel at each top corner (already
  // inside the frame's runs).
  EXPECT_EQ(provider->ShapeRunCount(), 6);
  TRegion shape;
  ASSERT_NE(GetWindowRgn(form->Handle(), &shape), 0);
  const int h = 200;
  for (TPoint out : {TPoint{0, 0}, TPoint{2, 0}, TPoint{0, 1}, TPoint{kW - 3, 0}, TPoint{kW - 1, 0},
                     TPoint{kW - 2, h - 1}, TPoint{kW - 1, h - 1}})
    EXPECT_FALSE(shape.Contains(out)) << out.X << "," << out.Y;
  for (TPoint in : {TPoint{3, 0}, TPoint{1, 1}, TPoint{0, 2}, TPoint{kW - 4, 0}, TPoint{kW - 1, 1},
                    TPoint{kW - 3, h - 1}, TPoint{0, h - 1}})
    EXPECT_TRUE(shape.Contains(in)) << in.X << "," << in.Y;
  // Outside the shape nothing of the window is drawn.
  EXPECT_NE(OnScreen(0, 0), OnScreen(3, 0));
}

TEST(FrameRegionRuns, RunsOfAHandMadeMaskLandInWindowCoordinates) {
  // A 6 x 4 frame (two frames side by side, no mask) with 2 x 2 corners.
  TBitmap master(12, 4);
  master.Fill(clWhite);
  const TColor k = 0xFF00FF;
  for (TPoint p : {TPoint{0, 0}, TPoint{1, 0}, TPoint{5, 0}, TPoint{0, 3}, TPoint{4, 3}, TPoint{5, 3}})
    master.SetPixel(p.X, p.Y, k);
  master.SetPixel(7, 0, k);  // the second frame is never read
  TsMaskData entry;
  entry.R = {0, 0, 12, 4};
  entry.ImageCount = 2;
  entry.MaskType = 0;
  entry.WL = entry.WT = entry.WR = entry.WB = 2;
  std::vector<TRect> runs;
  CollectCornerRuns(runs, entry, &master, {40, 30}, TCornerRows::Top);
  CollectCornerRuns(runs, entry, &master, {40, 30}, TCornerRows::Bottom);
  const std::vector<TRect> expected = {{0, 0, 2, 1}, {39, 0, 40, 1}, {0, 29, 1, 30}, {38, 29, 40, 30}};
  EXPECT_EQ(runs, expected);
  // A corner taller than the bitmap gives nothing.
  entry.WB = 9;
  runs.clear();
  CollectCornerRuns(runs, entry, &master, {40, 30}, TCornerRows::Bottom);
  EXPECT_TRUE(runs.empty());
}

TEST_F(FrameFixture, CaptionButtonImagesComeFromGlobalInfoElseFromTheFrame) {
  MakeSkin();
  TCaptionImageRequest big;
  big.FrameSkinIndex = manager->FindSection("FORM");
  const TCaptionButtonImages global = ResolveCaptionButtonImages(*manager, big);
  EXPECT_EQ(global.Close, manager->FindMaskByNames("GLOBALINFO", "BICONCLOSE"));
  EXPECT_EQ(global.Minimize, manager->FindMaskByNames("GLOBALINFO", "BICONMIN"));
  EXPECT_EQ(global.Help, manager->FindMaskByNames("GLOBALINFO", "BICONHELP"));
  // A small border without "SICON…" images takes the big ones.
  TCaptionImageRequest small = big;
  small.BigBorder = false;
  EXPECT_EQ(ResolveCaptionButtonImages(*manager, small).Close, global.Close);
  delete manager;

  frame_art::TSkinShape noGlobal;
  noGlobal.GlobalCaptionButtons = false;
  MakeSkin(noGlobal);
  big.FrameSkinIndex = manager->FindSection("FORM");
  const TCaptionButtonImages own = ResolveCaptionButtonImages(*manager, big);
  EXPECT_EQ(own.Close, manager->FindMaskByNames("FORM", "BICONCLOSE"));
  EXPECT_EQ(own.Maximize, manager->FindMaskByNames("FORM", "BICONMAX"));
  EXPECT_GE(own.Close, 0);
}

TEST_F(FrameFixture, RemovingTheSkinGivesThePlainFrameBackAndANewSkinRestoresIt) {
  MakeSkin();
  MakeSkinnedForm();
  EXPECT_EQ(form->Color(), kGlobalColor);
  EXPECT_NE(GetWindowRgn(form->Handle(), nullptr), 0);
  EXPECT_EQ(form->Style() & WS_SYSMENU, 0u) << "the framework would draw caption buttons of its own";
  const TColor skinnedBorder = OnScreen(1, 100);
  EXPECT_EQ(skinnedBorder, kFrame);

  manager->SetActive(false);
  Pump();
  UpdateAllWindows();
  EXPECT_FALSE(provider->FormSkinned());
  EXPECT_EQ(form->Color(), clBtnFace);
  EXPECT_EQ(GetWindowRgn(form->Handle(), nullptr), 0);
  EXPECT_NE(form->Style() & WS_SYSMENU, 0u);
  EXPECT_NE(OnScreen(1, 100), kFrame);
  EXPECT_EQ(OnScreen(0, 0), ColorToRGB(clBtnFace)) << "the plain frame is drawn into the corners again";
  EXPECT_EQ(SendSkinCommand(form->Handle(), SKC_GETPROVIDER), 0);

  manager->SetActive(true);
  Pump();
  UpdateAllWindows();
  EXPECT_TRUE(provider->FormSkinned());
  EXPECT_EQ(form->Color(), kGlobalColor);
  EXPECT_NE(GetWindowRgn(form->Handle(), nullptr), 0);
  EXPECT_EQ(OnScreen(1, 100), kFrame);
  EXPECT_EQ(OnScreen(kW - 3 - 9, 12), kStateColors[0]);
}

TEST_F(FrameFixture, AnswersTheCacheWithTheClientOffsetAndItselfAsProvider) {
  MakeSkin();
  MakeSkinnedForm();
  SharedCacheInfo = {};
  TMessage m{SM_KAVRACMD, SkinCommandWParam(SKC_GETCACHE), 0, 0};
  form->WindowProc(m);
  ASSERT_TRUE(SharedCacheInfo.Ready);
  EXPECT_EQ(SharedCacheInfo.Bmp, provider->SkinData()->CacheBmp.get());
  EXPECT_EQ(SharedCacheInfo.X, 3);
  EXPECT_EQ(SharedCacheInfo.Y, kBand);
  EXPECT_EQ(SharedCacheInfo.Bmp->Width(), kW);
  const LRESULT answer = SendSkinCommand(form->Handle(), SKC_GETPROVIDER);
  EXPECT_EQ(answer, reinterpret_cast<LRESULT>(static_cast<TsFrameProvider*>(provider)));

  // Freed alone, the provider gives the form its own procedure back.
  TComponent::Free(provider);
  provider = nullptr;
  EXPECT_EQ(SendSkinCommand(form->Handle(), SKC_GETPROVIDER), 0);
  UpdateAllWindows();
  EXPECT_NE(OnScreen(1, 100), kFrame);
}

TEST_F(FrameFixture, InactiveWindowShowsTheLighterButtons) {
  MakeSkin();
  MakeSkinnedForm();
  SendMessage(form->Handle(), WM_NCACTIVATE, 0);
  UpdateAllWindows();
  EXPECT_FALSE(provider->FormActive());
  // Lighter mode mixes the red frame through a mask of at least 100.
  const TColor c = OnScreen(kW - 3 - 9, 12);
  EXPECT_NE(c, kStateColors[0]);
  EXPECT_LT(GetRValue(c), 255);
}

// --- skins that leave things out ---

TEST_F(FrameFixture, SkinsWithoutPartsStillGiveAUsableFrame) {
  struct Case {
    const char* Name;
    frame_art::TSkinShape Shape;
  };
  std::vector<Case> cases(4);
  cases[0].Name = "no FORM";
  cases[0].Shape.Form = false;
  cases[1].Name = "no FORMTITLE";
  cases[1].Shape.FormTitle = false;
  cases[2].Name = "no BICON";
  cases[2].Shape.GlobalCaptionButtons = false;
  cases[2].Shape.FormCaptionButtons = false;
  cases[3].Name = "narrow frame image";
  cases[3].Shape.NarrowFrameImage = true;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    MakeSkin(c.Shape);
    MakeSkinnedForm();
    EXPECT_TRUE(provider->FormSkinned());
    EXPECT_EQ(provider->DrawnCaption(), "Сортарий");
    // The close button is there and works wherever its picture comes from.
    const TRect close = provider->CaptionLayout().Of(TCaptionButton::Close);
    ASSERT_FALSE(close.IsEmpty());
    EXPECT_EQ(SendMessage(form->Handle(), WM_NCHITTEST, 0,
                          MakeLParam(100 + close.Left + close.Width() / 2, 50 + close.Top + close.Height() / 2)),
              HTCLOSE);
    // The client area is the form's, whatever the frame did.
    EXPECT_EQ(OnScreen(150, 100), ColorToRGB(form->Color()));
    if (!c.Shape.FormCaptionButtons) {
      EXPECT_EQ(close.Width(), kPlainCaptionButtonSize);
    }
    TComponent::Free(form);
    form = nullptr;
    delete manager;
  }
}

// --- the control adapter ---

class TSynEdit : public TCustomControl {
 public:
  SORTARIUM_CLASS(TSynEdit)
  using TCustomControl::TCustomControl;
};
class TGridEh : public TCustomControl {
 public:
  SORTARIUM_CLASS(TGridEh)
  using TCustomControl::TCustomControl;
};
class TPlainList : public TCustomControl {
 public:
  SORTARIUM_CLASS(TPlainList)
  using TCustomControl::TCustomControl;
};

TEST_F(FrameFixture, AdapterTakesEditsListsKnownClassesAndOptionsEhButNotTheCells) {
  TClassRegistry& r = TClassRegistry::Instance();
  r.RegisterClass("TCustomListBox", "TCustomControl");
  r.RegisterClass("TPlainList", "TCustomListBox");
  r.RegisterClass("TGridEh", "TCustomControl");
  r.RegisterProperty("TGridEh", "OptionsEh", [](TPersistent*, const TPropValue&, TReader&) {});
  MakeSkin();
  MakeSkinnedForm();
  auto place = [&](TWinControl* c) {
    c->SetParent(form);
    c->SetBounds(10, 10, 50, 40);
    return c;
  };
  TWinControl* edit = place(new TRichEdit(form));
  TWinControl* syn = place(new TSynEdit(form));
  TWinControl* list = place(new TPlainList(form));
  TWinControl* eh = place(new TGridEh(form));
  TWinControl* cell = place(new TStaticText(form));
  for (TWinControl* c : {edit, syn, list, eh, cell}) AnnounceControl(c);
  TsControlAdapter* adapter = provider->Adapter();
  ASSERT_NE(adapter, nullptr);
  for (TWinControl* c : {edit, syn, list, eh}) {
    ASSERT_NE(adapter->ItemOf(c), nullptr) << c->ClassName();
    EXPECT_EQ(adapter->ItemOf(c)->SkinData().SkinSection(), kAdaptedSection);
  }
  EXPECT_EQ(adapter->ItemOf(cell), nullptr);
  EXPECT_EQ(adapter->Count(), 4);
  // Announced again, a control keeps its one item; the application may
  // give it another section.
  provider->OnSkinItem = [&](TComponent* item, bool&, std::string& section) {
    if (item == syn) section = "PANEL";
  };
  AnnounceControl(syn);
  AnnounceControl(edit);
  EXPECT_EQ(adapter->Count(), 4);
  EXPECT_EQ(adapter->ItemOf(syn)->SkinData().SkinSection(), "PANEL");
  // A control without a parent is never adopted.
  TRichEdit loose(nullptr);
  EXPECT_FALSE(TsControlAdapter::Accepts(&loose));
}

TEST_F(FrameFixture, AdoptedRichEditIsPaintedFromEditWithASkinnedScrollBar) {
  MakeSkin();
  MakeSkinnedForm(400, 300);
  auto* edit = new TRichEdit(form);
  edit->SetParent(form);
  edit->SetBounds(20, 20, 200, 120);
  std::string text;
  for (int i = 0; i < 40; ++i) text += "line " + std::to_string(i) + "\n";
  edit->Lines()->SetText(text);
  AnnounceControl(edit);
  Pump();
  UpdateAllWindows();
  ASSERT_NE(provider->Adapter()->ItemOf(edit), nullptr);
  EXPECT_EQ(ColorToRGB(edit->Color()), kEditColor);
  const TPoint o{3 + 20, kBand + 20};  // the edit's top-left in the window
  EXPECT_EQ(OnScreen(o.X + 1, o.Y + 60), kEditBorder);
  const TEditScrollBar& bar = edit->VerticalBar();
  ASSERT_TRUE(bar.Shown());
  const TRect up = bar.ArrowRect(false), thumb = bar.ThumbRect();
  EXPECT_EQ(OnScreen(o.X + up.Left + 2, o.Y + up.Top + up.Height() / 2), kArrowColor);
  EXPECT_EQ(OnScreen(o.X + thumb.Left + 2, o.Y + thumb.Top + thumb.Height() / 2), kThumbColor);
  // The wheel scrolls and the skinned thumb moves with it.
  const int before = edit->FirstVisibleLine();
  backend->InjectWheel(form->Handle(), {o.X + 50, o.Y + 50}, -120);
  Pump();
  UpdateAllWindows();
  EXPECT_GT(edit->FirstVisibleLine(), before);
  const TRect moved = edit->VerticalBar().ThumbRect();
  EXPECT_GT(moved.Top, thumb.Top);
  EXPECT_EQ(OnScreen(o.X + moved.Left + 2, o.Y + moved.Bottom - 2), kThumbColor);
  EXPECT_EQ(OnScreen(o.X + thumb.Left + 2, o.Y + thumb.Top + 1), kTrackColor);
}

TEST_F(FrameFixture, SystemMenuShowsTheItemsTheWindowAllowsAndRunsThem) {
  MakeSkin();
  MakeSkinnedForm();
  provider->ShowSystemMenu();
  TsSystemMenu* menu = provider->SystemMenu();
  ASSERT_NE(menu, nullptr);
  ASSERT_NE(menu->OpenPopup(), nullptr);
  // Single border with minimize: no maximize; restore only greyed.
  EXPECT_TRUE(menu->Items(TsSystemMenu::ItemRestore).Visible);
  EXPECT_FALSE(menu->Items(TsSystemMenu::ItemRestore).Enabled);
  EXPECT_TRUE(menu->Items(TsSystemMenu::ItemMove).Visible);
  EXPECT_TRUE(menu->Items(TsSystemMenu::ItemSize).Visible);
  EXPECT_TRUE(menu->Items(TsSystemMenu::ItemMinimize).Visible);
  EXPECT_FALSE(menu->Items(TsSystemMenu::ItemMaximize).Visible);
  EXPECT_TRUE(menu->Items(TsSystemMenu::ItemClose).Visible);
  EXPECT_EQ(menu->OpenPopup()->Rows().size(), 5u);
  // Down arrow to the first working item (minimize), then Enter.
  PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  Pump();
  EXPECT_EQ(menu->OpenPopup(), nullptr);
  EXPECT_EQ(form->WindowState(), TWindowState::wsMinimized);
}

}  // namespace
