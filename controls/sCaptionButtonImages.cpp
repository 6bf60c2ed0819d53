#include "controls/sCaptionButtonImages.h"

#include "skin/sSkinManager.h"

namespace {

constexpr const char* kGlobalInfo = "GLOBALINFO";
constexpr const char* kForm = "FORM";

}  // namespace

TCaptionButtonImages ResolveCaptionButtonImages(const TsSkinManager& manager, const TCaptionImageRequest& request) {
  const int global = manager.FindSection(kGlobalInfo);
  auto inGlobal = [&](const char* property) { return manager.FindMask(global, kGlobalInfo, property); };
  auto inForm = [&](const char* property) { return manager.FindMask(request.FrameSkinIndex, kForm, property); };

  TCaptionButtonImages images;
  // The big set of caption-button images, looked up where `find` looks.
  auto takeBigSet = [&](auto find) {
    images.Minimize = find("BICONMIN");
    images.Maximize = find("BICONMAX");
    images.Close = find("BICONCLOSE");
    images.Help = find("BICONHELP");
  };
  if (inGlobal("BICONCLOSE") < 0) {
    // A skin that keeps its caption buttons with the frame.
    takeBigSet(inForm);
    if (request.MDIFrame) {
      images.ChildMinimize = images.Minimize;
      images.ChildMaximize = images.Maximize;
      images.ChildClose = images.Close;
    }
  } else {
    if (request.BigBorder) {
      takeBigSet(inGlobal);
    } else {
      images.Close = inGlobal("SICONCLOSE");
      images.Minimize = inGlobal("SICONMIN");
      images.Maximize = inGlobal("SICONMAX");
      images.Help = inGlobal("SICONHELP");
      if (images.Help < 0) images.Help = inGlobal("BICONHELP");
    }
    if (images.Close < 0) {
      // No small set: small borders take the big images.
      takeBigSet(inGlobal);
      if (request.MDIFrame) {
        images.ChildMinimize = images.Minimize;
        images.ChildMaximize = images.Maximize;
        images.ChildClose = images.Close;
      }
    } else if (request.MDIFrame) {
      images.ChildMinimize = inGlobal("SICONMIN");
      images.ChildMaximize = inGlobal("SICONMAX");
      images.ChildClose = inGlobal("SICONCLOSE");
      if (images.ChildMinimize < 0) {
        images.ChildMinimize = images.Minimize;
        images.ChildMaximize = images.Maximize;
        images.ChildClose = images.Close;
      }
    }
  }
  images.TitleButton = ResolveTitleButtonImage(manager, request.FrameSkinIndex, request.FrameSection);
  return images;
}

int ResolveTitleButtonImage(const TsSkinManager& manager, int frameSkinIndex, const std::string& frameSection) {
  const int global = manager.FindSection(kGlobalInfo);
  const int index = manager.FindMask(global, kGlobalInfo, "TITLEBUTTON");
  return index >= 0 ? index : manager.FindMask(frameSkinIndex, frameSection, "TITLEBUTTON");
}

int ResolveRestoreImage(const TsSkinManager& manager, int frameSkinIndex, const std::string& frameSection) {
  const int global = manager.FindSection(kGlobalInfo);
  const int index = manager.FindMask(global, kGlobalInfo, "BICONNORM");
  return index >= 0 ? index : manager.FindMask(frameSkinIndex, frameSection, "BICONNORM");
}
