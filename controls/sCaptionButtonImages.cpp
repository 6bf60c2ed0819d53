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
  if (inGlobal("BICONCLOSE") < 0) {
    // A skin that keeps its caption buttons with the frame.
    images.Minimize = inForm("BICONMIN");
    images.Maximize = inForm("BICONMAX");
    images.Close = inForm("BICONCLOSE");
    images.Help = inForm("BICONHELP");
    if (request.MDIFrame) {
      images.ChildMinimize = images.Minimize;
      images.ChildMaximize = images.Maximize;
      images.ChildClose = images.Close;
    }
  } else {
    if (request.BigBorder) {
      images.Minimize = inGlobal("BICONMIN");
      images.Maximize = inGlobal("BICONMAX");
      images.Close = inGlobal("BICONCLOSE");
      images.Help = inGlobal("BICONHELP");
    } else {
      images.Close = inGlobal("SICONCLOSE");
      images.Minimize = inGlobal("SICONMIN");
      images.Maximize = inGlobal("SICONMAX");
      images.Help = inGlobal("SICONHELP");
      if (images.Help < 0) images.Help = inGlobal("BICONHELP");
    }
    if (images.Close < 0) {
      // No small set: small borders take the big images.
      images.Minimize = inGlobal("BICONMIN");
      images.Maximize = inGlobal("BICONMAX");
      images.Close = inGlobal("BICONCLOSE");
      images.Help = inGlobal("BICONHELP");
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
