#include "FrameDump.h"

#include <vector>

#include "Json.h"
#include "controls/sSkinProvider.h"
#include "framework/components/Forms.h"

namespace {

const char* ButtonName(TCaptionButton b) {
  switch (b) {
    case TCaptionButton::Close: return "close";
    case TCaptionButton::Maximize: return "maximize";
    case TCaptionButton::Minimize: return "minimize";
    case TCaptionButton::Help: return "help";
  }
  return "?";
}

const char* StateName(TPaintState s) {
  switch (s) {
    case TPaintState::Hot: return "hot";
    case TPaintState::Pressed: return "pressed";
    default: return "normal";
  }
}

}  // namespace

std::string DumpFrame(const TCustomForm& form, const TsSkinProvider* provider) {
  std::vector<std::pair<std::string, std::string>> buttons;
  if (provider && provider->FormSkinned()) {
    const TCaptionButtonsLayout layout = provider->CaptionLayout();
    for (TCaptionButton b : kCaptionButtonsFromRight) {
      const TRect& r = layout.Of(b);
      if (r.IsEmpty()) continue;
      buttons.push_back({ButtonName(b), TJson::Object({{"rect", TJson::Bounds(r)},
                                                       {"state", TJson::Quote(StateName(provider->ButtonState(b)))}})});
    }
    return TJson::Object({{"skinned", "true"},
                          {"titleBand", std::to_string(provider->Metrics().TitleBand())},
                          {"buttons", TJson::Object(buttons)},
                          {"caption", TJson::Quote(provider->DrawnCaption())},
                          {"shapeRuns", std::to_string(provider->ShapeRunCount())}});
  }
  for (TCaptionButton b : kCaptionButtonsFromRight) {
    const TRect r = form.CaptionButtonRect(CaptionButtonHitCode(b));
    if (!r.IsEmpty()) buttons.push_back({ButtonName(b), TJson::Object({{"rect", TJson::Bounds(r)}})});
  }
  return TJson::Object({{"skinned", "false"},
                        {"titleBand", std::to_string(form.FrameHeight() + form.CaptionHeight())},
                        {"buttons", TJson::Object(buttons)},
                        {"caption", TJson::Quote(form.Caption())},
                        {"shapeRuns", "0"}});
}
