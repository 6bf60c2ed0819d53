#include "ControlDump.h"

#include <vector>

#include "Json.h"
#include "controls/sBitBtn.h"
#include "controls/sGroupBox.h"
#include "controls/sPanel.h"
#include "controls/sRadioButton.h"
#include "skin/sCommonData.h"

namespace {

using TMembers = std::vector<std::pair<std::string, std::string>>;

// The skin data and paint state of a skinned control; nullptr for others.
const TsCommonData* SkinDataOf(TControl* c, TPaintState& state) {
  state = TPaintState::Normal;
  if (auto* button = dynamic_cast<TsBitBtn*>(c)) {
    state = button->CurrentState();
    return button->SkinData();
  }
  if (auto* radio = dynamic_cast<TsRadioButton*>(c)) {
    state = radio->ContentState();
    return radio->SkinData();
  }
  if (auto* box = dynamic_cast<TsGroupBox*>(c)) return box->SkinData();
  if (auto* panel = dynamic_cast<TsPanel*>(c)) return panel->SkinData();
  return nullptr;
}

void Walk(TWinControl& container, const std::string& prefix, TMembers& out) {
  int item = 0;
  for (int i = 0; i < container.ControlCount(); ++i) {
    TControl* c = container.Controls(i);
    TPaintState state;
    const TsCommonData* data = SkinDataOf(c, state);
    std::string name = c->Name();
    if (name.empty()) name = prefix + "item" + std::to_string(item++);
    if (data)
      out.push_back({name, TJson::Object({{"section", TJson::Quote(data->SkinSection())},
                                          {"skinned", TJson::Bool(data->Skinned())},
                                          {"state", std::to_string(StateNumber(state))},
                                          {"stale", TJson::Bool(data->BGChanged)},
                                          {"cacheBuilds", std::to_string(data->CacheBuilds)}})});
    if (auto* inner = dynamic_cast<TWinControl*>(c)) Walk(*inner, name + ".", out);
  }
}

}  // namespace

std::string DumpSkinnedControls(TWinControl& window) {
  TMembers members;
  Walk(window, "", members);
  return TJson::Object(members);
}
