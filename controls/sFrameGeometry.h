// The measures of a skinned window frame: border and caption sizes (the
// system's, never the skin's, so the client area stays where the framework
// put it), which caption buttons a window shows, where they stand, and what
// a point of the title bar hits. Pure functions of their inputs, so the
// provider, the system menu and the tests read the same answers.
#pragma once

#include <array>
#include <vector>

#include "framework/base/Types.h"
#include "framework/components/Forms.h"

class TsSkinManager;

struct TFrameMetrics {
  int CaptionHeight = 0;
  int BorderWidth = 0;   // left and right
  int BorderHeight = 0;  // top and bottom
  int MenuHeight = 0;
  TSize TitleIcon{};     // 0 x 0: no room for an icon
  // The title band: the top border and the caption.
  int TitleBand() const { return BorderHeight + CaptionHeight; }
};

// What decides the frame's look and layout, read from a form.
struct TFrameStyle {
  TFormBorderStyle Border = TFormBorderStyle::bsSizeable;
  TBorderIcons Icons{biSystemMenu, biMinimize, biMaximize};
  TWindowState State = TWindowState::wsNormal;
  bool HasCaptionBits = true;  // the window style holds WS_CAPTION
  bool MDIChild = false;
  bool HasMainMenu = false;

  static TFrameStyle Of(const TCustomForm& form);
  // "Big" caption buttons belong to the single and sizeable borders.
  bool BigBorder() const {
    return Border == TFormBorderStyle::bsSingle || Border == TFormBorderStyle::bsSizeable;
  }
};

// `iconSize` is TitleIcon's Width and Height (0: chosen from the caption).
TFrameMetrics FrameMetricsFor(const TFrameStyle& style, TSize iconSize = {});

// The caption buttons in their order from the right edge of the title bar.
enum class TCaptionButton { Close = 0, Maximize = 1, Minimize = 2, Help = 3 };
inline constexpr int kCaptionButtonCount = 4;
inline constexpr std::array<TCaptionButton, kCaptionButtonCount> kCaptionButtonsFromRight = {
    TCaptionButton::Close, TCaptionButton::Maximize, TCaptionButton::Minimize, TCaptionButton::Help};

// Which buttons (and system-menu items) a window shows.
struct TShownFrameItems {
  bool Close = false, Maximize = false, Minimize = false, Help = false;
  bool Restore = false, Size = false, Move = true;
  bool Button(TCaptionButton b) const;
};
TShownFrameItems ShownFrameItems(const TFrameStyle& style);

// Whether a shown button does something (else it counts as caption).
bool CaptionButtonWorks(const TFrameStyle& style, TCaptionButton button);

// The hit-test code of a caption button.
int CaptionButtonHitCode(TCaptionButton button);

// One image entry's size as a caption button: its state frame.
struct TCaptionButtonSize {
  int Width = 0;
  int Height = 0;
};
// The frame of `maskIndex` in `manager`'s table; 21 x 21 for an index that
// names no image (the size the plain buttons are drawn at then).
TCaptionButtonSize CaptionButtonImageSize(const TsSkinManager* manager, int maskIndex);

inline constexpr int kPlainCaptionButtonSize = 21;

// Where the shown caption buttons and the extra title buttons stand, in
// window coordinates. Buttons that are not shown have empty rectangles.
struct TCaptionButtonsLayout {
  std::array<TRect, kCaptionButtonCount> Buttons{};  // by TCaptionButton
  std::vector<TRect> TitleButtons;                   // extra buttons, in collection order
  int ButtonsLeft = 0;  // the left end of the row (the window's right edge less the border when empty)

  const TRect& Of(TCaptionButton b) const { return Buttons[static_cast<size_t>(b)]; }
  // The total width the row takes.
  int RowWidth(int windowWidth, const TFrameMetrics& metrics) const {
    return windowWidth - metrics.BorderWidth - ButtonsLeft;
  }
};

// `images` are the mask indexes each button shows now (by TCaptionButton);
// the close button's image gives every button its height.
// `titleButtonImage` is the "TITLEBUTTON" image of the extra buttons.
TCaptionButtonsLayout LayOutCaptionButtons(const TsSkinManager* manager, const std::array<int, kCaptionButtonCount>& images,
                                    const TShownFrameItems& shown, const TFrameMetrics& metrics, int windowWidth,
                                    int titleButtonCount, int titleButtonImage);

// Where the title icon stands (empty when it is not shown): at the left of
// the caption, centred in its height.
TRect TitleIconRect(const TFrameMetrics& metrics, bool shown);

// What a point of the title band hits. Extra buttons hit 1000 + their
// position when enabled. Points in no button and outside the band answer
// HTNOWHERE here; the caller passes those (and HTCAPTION) on.
inline constexpr int kTitleButtonHitBase = 1000;
struct TTitleHitInput {
  TPoint Point{};  // window coordinates
  int WindowWidth = 0;
  TFrameMetrics Metrics{};
  TFrameStyle Style{};
  TCaptionButtonsLayout Layout{};
  TRect Icon{};
  std::vector<bool> TitleButtonsEnabled;
};
int TitleBarHitTest(const TTitleHitInput& in);

// The caption cut to fit `space` pixels: whole as long as it fits, else
// shortened by whole characters with "..." appended, "" when not even that
// fits. `measure` answers the width of a text.
template <class Measure>
std::string FitCaption(const std::string& caption, int space, Measure measure);

// Implementation of FitCaption: the byte lengths of the caption's prefixes
// that end on a character boundary, longest first.
std::vector<size_t> CharacterPrefixLengths(const std::string& text);

template <class Measure>
std::string FitCaption(const std::string& caption, int space, Measure measure) {
  if (space <= 0) return {};
  if (measure(caption) <= space) return caption;
  for (size_t length : CharacterPrefixLengths(caption)) {
    std::string candidate = caption.substr(0, length) + "...";
    if (measure(candidate) <= space) return candidate;
  }
  return {};
}
