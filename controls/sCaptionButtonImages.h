// Which images of the skin a window's caption buttons are drawn with. A skin
// may keep them in its "GLOBALINFO" section (big "BICON…" images for single
// and sizeable borders, small "SICON…" ones for the others) or only in the
// frame's own "FORM" section; the first place that has a close button wins.
#pragma once

#include <string>

class TsSkinManager;

struct TCaptionButtonImages {
  // Mask indexes, -1 where the skin has none.
  int Minimize = -1, Maximize = -1, Close = -1, Help = -1;
  // The buttons a maximized MDI child shows in its frame's menu line.
  int ChildMinimize = -1, ChildMaximize = -1, ChildClose = -1;
  // The image under the extra title buttons.
  int TitleButton = -1;
};

struct TCaptionImageRequest {
  int FrameSkinIndex = -1;  // the provider's own section
  std::string FrameSection = "FORM";
  bool BigBorder = true;
  bool MDIFrame = false;
};

TCaptionButtonImages ResolveCaptionButtonImages(const TsSkinManager& manager, const TCaptionImageRequest& request);

// "TITLEBUTTON" of "GLOBALINFO", else of the frame's own section.
int ResolveTitleButtonImage(const TsSkinManager& manager, int frameSkinIndex, const std::string& frameSection);

// The restore image a maximized (or minimized) window's button shows:
// "BICONNORM" of "GLOBALINFO", else of the frame's own section.
int ResolveRestoreImage(const TsSkinManager& manager, int frameSkinIndex, const std::string& frameSection);
