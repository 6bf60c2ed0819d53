// Colours: 32-bit 0x00BBGGRR; a value with the top bit set (0x80000000 + n)
// names system colour n and must pass through ColorToRGB before pixel work.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

using TColor = int32_t;

namespace colors_detail {
constexpr TColor Sys(int n) { return static_cast<TColor>(0x80000000u | static_cast<uint32_t>(n)); }
}  // namespace colors_detail

// System colour indexes.
enum : int {
  COLOR_SCROLLBAR = 0, COLOR_BACKGROUND = 1, COLOR_ACTIVECAPTION = 2, COLOR_INACTIVECAPTION = 3,
  COLOR_MENU = 4, COLOR_WINDOW = 5, COLOR_WINDOWFRAME = 6, COLOR_MENUTEXT = 7, COLOR_WINDOWTEXT = 8,
  COLOR_CAPTIONTEXT = 9, COLOR_ACTIVEBORDER = 10, COLOR_INACTIVEBORDER = 11, COLOR_APPWORKSPACE = 12,
  COLOR_HIGHLIGHT = 13, COLOR_HIGHLIGHTTEXT = 14, COLOR_BTNFACE = 15, COLOR_BTNSHADOW = 16,
  COLOR_GRAYTEXT = 17, COLOR_BTNTEXT = 18, COLOR_INACTIVECAPTIONTEXT = 19, COLOR_BTNHIGHLIGHT = 20,
  COLOR_3DDKSHADOW = 21, COLOR_3DLIGHT = 22, COLOR_INFOTEXT = 23, COLOR_INFOBK = 24,
  COLOR_HOTLIGHT = 26, COLOR_GRADIENTACTIVECAPTION = 27, COLOR_GRADIENTINACTIVECAPTION = 28,
  COLOR_MENUHILIGHT = 29, COLOR_MENUBAR = 30,
  COLOR_COUNT = 31
};

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

inline constexpr TColor clScrollBar = colors_detail::Sys(COLOR_SCROLLBAR);
inline constexpr TColor clBackground = colors_detail::Sys(COLOR_BACKGROUND);
inline constexpr TColor clActiveCaption = colors_detail::Sys(COLOR_ACTIVECAPTION);
inline constexpr TColor clInactiveCaption = colors_detail::Sys(COLOR_INACTIVECAPTION);
inline constexpr TColor clMenu = colors_detail::Sys(COLOR_MENU);
inline constexpr TColor clWindow = colors_detail::Sys(COLOR_WINDOW);
inline constexpr TColor clWindowFrame = colors_detail::Sys(COLOR_WINDOWFRAME);
inline constexpr TColor clMenuText = colors_detail::Sys(COLOR_MENUTEXT);
inline constexpr TColor clWindowText = colors_detail::Sys(COLOR_WINDOWTEXT);
inline constexpr TColor clCaptionText = colors_detail::Sys(COLOR_CAPTIONTEXT);
inline constexpr TColor clActiveBorder = colors_detail::Sys(COLOR_ACTIVEBORDER);
inline constexpr TColor clInactiveBorder = colors_detail::Sys(COLOR_INACTIVEBORDER);
inline constexpr TColor clAppWorkSpace = colors_detail::Sys(COLOR_APPWORKSPACE);
inline constexpr TColor clHighlight = colors_detail::Sys(COLOR_HIGHLIGHT);
inline constexpr TColor clHighlightText = colors_detail::Sys(COLOR_HIGHLIGHTTEXT);
inline constexpr TColor clBtnFace = colors_detail::Sys(COLOR_BTNFACE);
inline constexpr TColor clBtnShadow = colors_detail::Sys(COLOR_BTNSHADOW);
inline constexpr TColor clGrayText = colors_detail::Sys(COLOR_GRAYTEXT);
inline constexpr TColor clBtnText = colors_detail::Sys(COLOR_BTNTEXT);
inline constexpr TColor clInactiveCaptionText = colors_detail::Sys(COLOR_INACTIVECAPTIONTEXT);
inline constexpr TColor clBtnHighlight = colors_detail::Sys(COLOR_BTNHIGHLIGHT);
inline constexpr TColor cl3DDkShadow = colors_detail::Sys(COLOR_3DDKSHADOW);
inline constexpr TColor cl3DLight = colors_detail::Sys(COLOR_3DLIGHT);
inline constexpr TColor clInfoText = colors_detail::Sys(COLOR_INFOTEXT);
inline constexpr TColor clInfoBk = colors_detail::Sys(COLOR_INFOBK);
inline constexpr TColor clHotLight = colors_detail::Sys(COLOR_HOTLIGHT);
inline constexpr TColor clGradientActiveCaption = colors_detail::Sys(COLOR_GRADIENTACTIVECAPTION);
inline constexpr TColor clGradientInactiveCaption = colors_detail::Sys(COLOR_GRADIENTINACTIVECAPTION);

// The RGB value of a system colour index (one fixed classic light-grey scheme);
// unknown indexes answer black.
TColor GetSysColor(int index);

// Resolves system colours; other values are returned unchanged (clNone and
// clDefault included, as the framework does).
TColor ColorToRGB(TColor color);

constexpr uint8_t GetRValue(TColor c) { return static_cast<uint8_t>(c & 0xFF); }
constexpr uint8_t GetGValue(TColor c) { return static_cast<uint8_t>((c >> 8) & 0xFF); }
constexpr uint8_t GetBValue(TColor c) { return static_cast<uint8_t>((c >> 16) & 0xFF); }
constexpr TColor RGB(int r, int g, int b) {
  return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// Colour names as they appear in window descriptions ("clBtnFace" ...).
std::optional<TColor> ColorFromIdent(const std::string& ident);
std::string ColorToIdent(TColor color);  // the name, or empty when the value has none
