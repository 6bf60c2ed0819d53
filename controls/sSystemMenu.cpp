#include "controls/sSystemMenu.h"

#include <algorithm>

#include "controls/sSkinProvider.h"
#include "framework/components/Application.h"
#include "framework/components/Windows.h"
#include "framework/graphics/Canvas.h"
#include "skin/sContentPaint.h"
#include "skin/sItemPaint.h"
#include "skin/sSkinManager.h"

namespace {

constexpr const char* kMenuSection = "MENUITEM";
constexpr int kRowHeight = 24;
constexpr int kTextIndent = 24;   // room left of the text, where a check would go
constexpr int kShortCutGap = 32;  // between an item's text and its short cut
constexpr int kMenuBorder = 3;

}  // namespace

// --- the menu ---

TsSystemMenu::TsSystemMenu(TsSkinProvider& provider) : provider_(provider) {
  items_[ItemRestore] = {"ItemRestore", "Восстановить", "", SC_RESTORE};
  items_[ItemMove] = {"ItemMove", "Переместить", "", SC_MOVE};
  items_[ItemSize] = {"ItemSize", "Размер", "", SC_SIZE};
  items_[ItemMinimize] = {"ItemMinimize", "Свернуть", "", SC_MINIMIZE};
  items_[ItemMaximize] = {"ItemMaximize", "Развернуть", "", SC_MAXIMIZE};
  items_[ItemClose] = {"ItemClose", "Закрыть", "Alt+F4", SC_CLOSE};
  UpdateItems();
}

TsSystemMenu::~TsSystemMenu() { Close(); }

void TsSystemMenu::UpdateItems() {
  const TFrameStyle style = provider_.Style();
  const TShownFrameItems shown = ShownFrameItems(style);
  const bool normal = style.State == TWindowState::wsNormal;
  const bool sizeable =
      style.Border == TFormBorderStyle::bsSizeable || style.Border == TFormBorderStyle::bsSizeToolWin;
  items_[ItemRestore].Visible = shown.Restore;
  items_[ItemRestore].Enabled = !normal;
  items_[ItemMove].Visible = shown.Move;
  // Windows here are moved by dragging their title; there is no keyboard
  // move to start from a menu.
  items_[ItemMove].Enabled = false;
  items_[ItemSize].Visible = shown.Size;
  items_[ItemSize].Enabled = false;
  (void)sizeable;
  items_[ItemMinimize].Visible = shown.Minimize;
  items_[ItemMinimize].Enabled =
      style.State != TWindowState::wsMinimized && CaptionButtonWorks(style, TCaptionButton::Minimize);
  items_[ItemMaximize].Visible = shown.Maximize;
  items_[ItemMaximize].Enabled = style.State != TWindowState::wsMaximized && style.Icons.Contains(biMaximize);
  items_[ItemClose].Visible = shown.Close;
  items_[ItemClose].Enabled = true;
}

void TsSystemMenu::Popup(TPoint screenPoint) {
  Close();
  UpdateItems();
  popup_ = TComponent::Create<TsSystemMenuPopup>(&provider_, *this);
  popup_->SetBounds(screenPoint.X, screenPoint.Y, popup_->Width(), popup_->Height());
  popup_->Show();
}

void TsSystemMenu::Close() {
  if (popup_) popup_->Dismiss();
}

void TsSystemMenu::PopupGone(TsSystemMenuPopup* popup) {
  if (popup_ == popup) popup_ = nullptr;
}

void TsSystemMenu::Choose(Item item) {
  const TsSystemMenuItem& chosen = items_[static_cast<size_t>(item)];
  if (!chosen.Visible || !chosen.Enabled) return;
  if (TCustomForm* form = provider_.Form(); form && !form->IsDestroying())
    form->Perform(WM_SYSCOMMAND, chosen.Command);
}

// --- the popup ---

TsSystemMenuPopup::TsSystemMenuPopup(TComponent* owner, TsSystemMenu& menu) : TCustomForm(owner), menu_(&menu) {
  SetBorderStyle(TFormBorderStyle::bsNone);
  SetBorderIcons({});
  if (TCustomForm* form = menu.provider_.Form()) *Font() = *form->Font();
  Font()->SetHeight(-13);
  Layout();
}

TsSystemMenuPopup::~TsSystemMenuPopup() {
  if (menu_) menu_->PopupGone(this);
}

void TsSystemMenuPopup::Layout() {
  rows_.clear();
  int width = 0;
  TBitmap measure(1, 1);
  TCanvas* canvas = measure.Canvas();
  *canvas->Font() = *Font();
  for (int i = 0; i < TsSystemMenu::ItemCount; ++i) {
    const auto item = static_cast<TsSystemMenu::Item>(i);
    const TsSystemMenuItem& it = menu_->Items(item);
    if (!it.Visible) continue;
    rows_.push_back(item);
    int w = canvas->TextWidth(it.Caption);
    if (!it.ShortCut.empty()) w += kShortCutGap + canvas->TextWidth(it.ShortCut);
    width = std::max(width, w);
  }
  SetBounds(Left(), Top(), kTextIndent + width + kTextIndent + 2 * kMenuBorder,
            static_cast<int>(rows_.size()) * kRowHeight + 2 * kMenuBorder);
}

TRect TsSystemMenuPopup::RowRect(int row) const {
  return TRect{kMenuBorder, kMenuBorder + row * kRowHeight, Width() - kMenuBorder, kMenuBorder + (row + 1) * kRowHeight};
}

int TsSystemMenuPopup::RowAt(TPoint p) const {
  for (int row = 0; row < static_cast<int>(rows_.size()); ++row)
    if (RowRect(row).Contains(p)) return row;
  return -1;
}

void TsSystemMenuPopup::Dismiss() {
  if (dismissed_) return;
  dismissed_ = true;
  if (menu_) menu_->PopupGone(this);
  menu_ = nullptr;
  Hide();
  Release();
}

void TsSystemMenuPopup::MoveHot(int step) {
  const int count = static_cast<int>(rows_.size());
  if (count == 0) return;
  int row = hotRow_;
  for (int tries = 0; tries < count; ++tries) {
    row = row < 0 ? (step > 0 ? 0 : count - 1) : (row + step + count) % count;
    if (menu_->Items(rows_[static_cast<size_t>(row)]).Enabled) break;
  }
  hotRow_ = row;
  Invalidate();
}

void TsSystemMenuPopup::ChooseRow(int row) {
  if (!menu_ || row < 0 || row >= static_cast<int>(rows_.size())) return;
  TsSystemMenu* menu = menu_;
  const TsSystemMenu::Item item = rows_[static_cast<size_t>(row)];
  if (!menu->Items(item).Enabled) return;
  // The popup goes first: the command may close the window it belongs to.
  Dismiss();
  menu->Choose(item);
}

void TsSystemMenuPopup::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT: {
      TPaintStruct ps;
      if (HDC dc = BeginPaint(Handle(), ps)) PaintMenu(dc);
      EndPaint(Handle(), ps);
      return;
    }
    case WM_ERASEBKGND:
      m.Result = 1;
      return;
    case WM_NCHITTEST:
      m.Result = HTCLIENT;
      return;
    case WM_MOUSEMOVE: {
      const int row = RowAt({GetXParam(m.LParam), GetYParam(m.LParam)});
      if (row != hotRow_ && (row < 0 || menu_->Items(rows_[static_cast<size_t>(row)]).Enabled)) {
        hotRow_ = row;
        Invalidate();
      }
      return;
    }
    case WM_LBUTTONUP:
      ChooseRow(RowAt({GetXParam(m.LParam), GetYParam(m.LParam)}));
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      switch (static_cast<int>(m.WParam)) {
        case VK_UP: MoveHot(-1); break;
        case VK_DOWN: MoveHot(1); break;
        case VK_RETURN:
        case VK_SPACE: ChooseRow(hotRow_); break;
        case VK_ESCAPE:
        case VK_MENU: Dismiss(); break;
        case VK_F4:
          Dismiss();
          if (TCustomForm* form = menu_ ? menu_->provider_.Form() : nullptr) form->Perform(WM_SYSCOMMAND, SC_CLOSE);
          break;
        default: break;
      }
      m.Result = 1;
      return;
    case WM_ACTIVATE:
      // Clicking anywhere else closes the menu, as menus do.
      if (LoWord(m.WParam) == WA_INACTIVE) Dismiss();
      TCustomForm::WndProc(m);
      return;
    default:
      TCustomForm::WndProc(m);
  }
}

void TsSystemMenuPopup::PaintMenu(HDC dc) {
  TBitmap image(Width(), Height());
  TsSkinManager* manager = menu_ ? menu_->provider_.FrameSkinManager() : nullptr;
  const int section = manager ? manager->FindSection(kMenuSection) : -1;
  TsItemSkin skin;
  skin.Manager = manager;
  skin.SkinIndex = section;
  skin.Section = kMenuSection;
  const TRect whole{0, 0, Width(), Height()};
  if (section >= 0) {
    PaintItemByIndex(skin, TCacheInfo{}, image, TItemPlace{whole, {}, TPaintState::Normal}, TBorderCentre::Fill);
  } else {
    image.Fill(clBtnFace);
    TRect edge = whole;
    DrawEdge(image.Canvas()->Handle(), edge, EDGE_RAISED, BF_RECT);
  }
  TsCommonData colours(this, false);
  colours.SetSkinManager(manager);
  colours.SetSkinSection(kMenuSection);
  TCanvas* canvas = image.Canvas();
  for (int row = 0; row < static_cast<int>(rows_.size()) && menu_; ++row) {
    const TsSystemMenuItem& item = menu_->Items(rows_[static_cast<size_t>(row)]);
    const TRect r = RowRect(row);
    const bool hot = row == hotRow_ && item.Enabled;
    if (hot) {
      if (section >= 0)
        PaintItemByIndex(skin, TCacheInfo{}, image, TItemPlace{r, {}, TPaintState::Hot}, TBorderCentre::Fill);
      else
        FillRect(canvas->Handle(), r, clHighlight);
    }
    *canvas->Font() = *Font();
    if (section < 0) canvas->Font()->SetColor(hot ? clHighlightText : clMenuText);
    // The rows are a fixed height, laid out for the menu's own font.
    const TContentLook look{item.Enabled, hot, TCaptionFontSize::AsOwned};
    WriteTextEx(*canvas, item.Caption, look, colours, DT_LEFT | DT_VCENTER | DT_SINGLELINE,
                TRect{r.Left + kTextIndent, r.Top, r.Right - kTextIndent, r.Bottom});
    if (!item.ShortCut.empty())
      WriteTextEx(*canvas, item.ShortCut, look, colours, DT_RIGHT | DT_VCENTER | DT_SINGLELINE,
                  TRect{r.Left + kTextIndent, r.Top, r.Right - kTextIndent / 2, r.Bottom});
  }
  BitBlt(dc, 0, 0, Width(), Height(), canvas->Handle(), 0, 0, SRCCOPY);
}

// --- opening it from the provider ---

void TsSkinProvider::ShowSystemMenu() {
  if (!form_) return;
  const TFrameMetrics m = Metrics();
  ShowSystemMenuAt({form_->Left() + m.BorderWidth, form_->Top() + m.TitleBand()});
}

void TsSkinProvider::ShowSystemMenuAt(TPoint screenPoint) {
  if (!form_ || !makeSkinMenu_) return;
  if (!systemMenu_) systemMenu_ = std::make_unique<TsSystemMenu>(*this);
  ResetButtonStates();
  systemMenu_->Popup(screenPoint);
}
