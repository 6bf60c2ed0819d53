#include "controls/sFrameGeometry.h"

#include "framework/components/Windows.h"
#include "skin/sSkinManager.h"

namespace {

bool IsToolBorder(TFormBorderStyle b) {
  return b == TFormBorderStyle::bsToolWindow || b == TFormBorderStyle::bsSizeToolWin;
}

// Single, tool-window and dialog borders are fixed; the others size.
bool FixedFrame(const TFrameStyle& style) {
  switch (style.Border) {
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsToolWindow:
      return true;
    case TFormBorderStyle::bsDialog:
      return !style.MDIChild;
    default:
      return false;
  }
}

// The icon follows the caption's height in the steps icons come in.
int IconSideForCaption(int h) {
  if (h < 9) return 0;
  if (h <= 16) return 8;
  if (h <= 27) return 16;
  return 32;
}

}  // namespace

TFrameStyle TFrameStyle::Of(const TCustomForm& form) {
  TFrameStyle s;
  s.Border = form.BorderStyle();
  s.Icons = form.BorderIcons();
  s.State = form.WindowState();
  s.HasCaptionBits = !form.HandleAllocated() || (form.Style() & WS_CAPTION) == WS_CAPTION;
  s.MDIChild = form.FormStyle() == TFormStyle::fsMDIChild;
  s.HasMainMenu = false;  // the framework's forms carry no main menu
  return s;
}

TFrameMetrics FrameMetricsFor(const TFrameStyle& style, TSize iconSize) {
  TFrameMetrics m;
  if (style.Border == TFormBorderStyle::bsNone) return m;
  if (style.HasCaptionBits)
    m.CaptionHeight = GetSystemMetrics(IsToolBorder(style.Border) ? SM_CYSMCAPTION : SM_CYCAPTION);
  const bool fixed = FixedFrame(style);
  m.BorderWidth = GetSystemMetrics(fixed ? SM_CXFIXEDFRAME : SM_CXFRAME);
  m.BorderHeight = GetSystemMetrics(fixed ? SM_CYFIXEDFRAME : SM_CYFRAME);
  m.MenuHeight = style.HasMainMenu ? GetSystemMetrics(SM_CYMENU) - 1 : 0;
  const int side = IconSideForCaption(m.CaptionHeight);
  m.TitleIcon = {iconSize.cx != 0 ? iconSize.cx : side, iconSize.cy != 0 ? iconSize.cy : side};
  return m;
}

bool TShownFrameItems::Button(TCaptionButton b) const {
  switch (b) {
    case TCaptionButton::Close: return Close;
    case TCaptionButton::Maximize: return Maximize;
    case TCaptionButton::Minimize: return Minimize;
    case TCaptionButton::Help: return Help;
  }
  return false;
}

TShownFrameItems ShownFrameItems(const TFrameStyle& style) {
  TShownFrameItems s;
  const bool sysMenu = style.Icons.Contains(biSystemMenu);
  const bool sizeable = style.Border == TFormBorderStyle::bsSizeable;
  const bool single = style.Border == TFormBorderStyle::bsSingle;
  const bool minimized = style.State == TWindowState::wsMinimized;
  s.Close = sysMenu;
  // A minimized window always offers the way back (and onwards).
  s.Maximize = minimized || (sysMenu && (sizeable || (single && style.Icons.Contains(biMaximize))));
  s.Minimize = minimized || (sysMenu && (sizeable || (single && style.Icons.Contains(biMinimize))));
  s.Help = style.Icons.Contains(biHelp);
  s.Restore = (single || sizeable) && s.Close;
  s.Size = single || sizeable || style.Border == TFormBorderStyle::bsSizeToolWin;
  s.Move = true;
  return s;
}

bool CaptionButtonWorks(const TFrameStyle& style, TCaptionButton button) {
  const bool notNormal = style.State != TWindowState::wsNormal;
  switch (button) {
    case TCaptionButton::Maximize:
      return style.Icons.Contains(biMaximize) || notNormal;
    case TCaptionButton::Minimize:
      return style.Icons.Contains(biMinimize) || style.State == TWindowState::wsMinimized;
    default:
      return true;
  }
}

int CaptionButtonHitCode(TCaptionButton button) {
  switch (button) {
    case TCaptionButton::Close: return HTCLOSE;
    case TCaptionButton::Maximize: return HTMAXBUTTON;
    case TCaptionButton::Minimize: return HTMINBUTTON;
    case TCaptionButton::Help: return HTHELP;
  }
  return HTNOWHERE;
}

TCaptionButtonSize CaptionButtonImageSize(const TsSkinManager* manager, int maskIndex) {
  if (!manager || !manager->MaskIndexValid(maskIndex))
    return {kPlainCaptionButtonSize, kPlainCaptionButtonSize};
  const TsMaskData& m = manager->Masks()[static_cast<size_t>(maskIndex)];
  const int count = std::max<int>(1, m.ImageCount);
  TCaptionButtonSize size;
  if (m.Bmp && m.Bmp->Width() > 0) {
    size.Width = m.Bmp->Width() / count;
    size.Height = m.Bmp->Height() / 2;
  } else {
    size.Width = m.R.Width() / count;
    size.Height = m.FrameHeight();
  }
  // A damaged entry must not make a button that cannot be seen or hit.
  if (size.Width <= 0 || size.Height <= 0) return {kPlainCaptionButtonSize, kPlainCaptionButtonSize};
  return size;
}

TCaptionButtonsLayout LayOutCaptionButtons(const TsSkinManager* manager, const std::array<int, kCaptionButtonCount>& images,
                                    const TShownFrameItems& shown, const TFrameMetrics& metrics, int windowWidth,
                                    int titleButtonCount, int titleButtonImage) {
  TCaptionButtonsLayout layout;
  const int height = CaptionButtonImageSize(manager, images[static_cast<size_t>(TCaptionButton::Close)]).Height;
  int top = (metrics.CaptionHeight + metrics.BorderHeight - height) / 2;
  if (height < 16) top += 2;
  int x = windowWidth - metrics.BorderWidth;
  if (metrics.CaptionHeight > 0) {
    for (TCaptionButton b : kCaptionButtonsFromRight) {
      if (!shown.Button(b)) continue;
      const int width = CaptionButtonImageSize(manager, images[static_cast<size_t>(b)]).Width;
      layout.Buttons[static_cast<size_t>(b)] = TRect{x - width, top, x, top + height};
      x -= width;
    }
    const TCaptionButtonSize extra = CaptionButtonImageSize(manager, titleButtonImage);
    for (int i = 0; i < titleButtonCount; ++i) {
      layout.TitleButtons.push_back(TRect{x - extra.Width, top, x, top + height});
      x -= extra.Width;
    }
  }
  layout.ButtonsLeft = x;
  return layout;
}

TRect TitleIconRect(const TFrameMetrics& metrics, bool shown) {
  if (!shown || metrics.CaptionHeight <= 0 || metrics.TitleIcon.cx <= 0 || metrics.TitleIcon.cy <= 0) return {};
  const int left = metrics.BorderWidth + 2;
  const int top = metrics.BorderHeight + (metrics.CaptionHeight - metrics.TitleIcon.cy) / 2;
  return TRect::FromBounds(left, top, metrics.TitleIcon.cx, metrics.TitleIcon.cy);
}

int TitleBarHitTest(const TTitleHitInput& in) {
  if (in.Metrics.CaptionHeight <= 0) return HTNOWHERE;
  const TRect band{0, 0, in.WindowWidth, in.Metrics.TitleBand()};
  if (!band.Contains(in.Point)) return HTNOWHERE;
  if (in.Icon.Contains(in.Point)) return HTSYSMENU;
  for (TCaptionButton b : kCaptionButtonsFromRight) {
    if (!in.Layout.Of(b).Contains(in.Point)) continue;
    return CaptionButtonWorks(in.Style, b) ? CaptionButtonHitCode(b) : HTCAPTION;
  }
  for (size_t k = 0; k < in.Layout.TitleButtons.size(); ++k) {
    if (!in.Layout.TitleButtons[k].Contains(in.Point)) continue;
    const bool enabled = k < in.TitleButtonsEnabled.size() && in.TitleButtonsEnabled[k];
    return enabled ? kTitleButtonHitBase + static_cast<int>(k) : HTCAPTION;
  }
  return HTCAPTION;
}

std::vector<size_t> CharacterPrefixLengths(const std::string& text) {
  std::vector<size_t> lengths;
  // Every position that does not start a UTF-8 continuation byte ends a
  // character; cutting elsewhere would leave half a letter.
  for (size_t i = text.size(); i-- > 0;)
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) lengths.push_back(i);
  return lengths;
}
