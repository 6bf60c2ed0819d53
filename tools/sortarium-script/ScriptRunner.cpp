#include "ScriptRunner.h"

#include <malloc.h>

#include <algorithm>
#include <istream>
#include <map>
#include <ostream>
#include <sstream>

#include "Json.h"
#include "ArchiveDump.h"
#include "ControlDump.h"
#include "FrameDump.h"
#include "Recorder.h"
#include "SkinDump.h"
#include "app/CommandLine.h"
#include "app/Unit1.h"
#include "controls/sBitBtn.h"
#include "controls/sGroupBox.h"
#include "framework/backend/headless/HeadlessBackend.h"
#include "framework/base/SysUtils.h"
#include "framework/components/Application.h"
#include "framework/components/Clock.h"
#include "framework/components/Windows.h"
#include "framework/graphics/Picture.h"
#include "framework/stdctrls/RichEdit.h"
#include "framework/stdctrls/StdCtrls.h"
#include "skin/sSkinManager.h"

namespace {

int ParseInt(const std::string& word, const std::string& what) {
  try {
    size_t used = 0;
    const long v = std::stol(word, &used);
    if (used != word.size()) throw std::invalid_argument(word);
    return static_cast<int>(v);
  } catch (const std::exception&) {
    throw TScriptError("'" + word + "' is not a number (" + what + ")");
  }
}

const char* WindowStateName(TWindowState s) {
  switch (s) {
    case TWindowState::wsMinimized: return "minimized";
    case TWindowState::wsMaximized: return "maximized";
    default: return "normal";
  }
}

void Expect(const std::vector<std::string>& w, size_t count, const char* usage) {
  if (w.size() != count) throw TScriptError(std::string("usage: ") + usage);
}

struct KeyName {
  const char* Name;
  int Vk;
  const char* Text;  // the character the key types, if any
};

constexpr KeyName kKeys[] = {
    {"space", VK_SPACE, " "},   {"tab", VK_TAB, nullptr},      {"enter", VK_RETURN, nullptr},
    {"return", VK_RETURN, nullptr}, {"escape", VK_ESCAPE, nullptr}, {"esc", VK_ESCAPE, nullptr},
    {"backspace", VK_BACK, nullptr}, {"delete", VK_DELETE, nullptr}, {"insert", VK_INSERT, nullptr},
    {"home", VK_HOME, nullptr}, {"end", VK_END, nullptr},      {"pgup", VK_PRIOR, nullptr},
    {"pgdn", VK_NEXT, nullptr}, {"left", VK_LEFT, nullptr},    {"right", VK_RIGHT, nullptr},
    {"up", VK_UP, nullptr},     {"down", VK_DOWN, nullptr},    {"shift", VK_SHIFT, nullptr},
    {"ctrl", VK_CONTROL, nullptr}, {"alt", VK_MENU, nullptr}, {"pause", VK_PAUSE, nullptr},
    {"plus", VK_OEM_PLUS, "+"},  {"+", VK_OEM_PLUS, "+"},      {"minus", VK_OEM_MINUS, "-"},
    {"-", VK_OEM_MINUS, "-"},    {"kp-plus", VK_ADD, "+"},      {"kp-minus", VK_SUBTRACT, "-"},
};

}  // namespace

TScriptRunner::TScriptRunner(TForm1* form, THeadlessBackend* backend, std::ostream& out)
    : form_(form), backend_(backend), out_(out) {
  // A script cannot type while the sort holds it: a pause that no `at`
  // input is left to lift would wait for ever. It is lifted, and the line
  // fails once the sort is over.
  form_->OnPauseWait = [this](TComponent*) {
    if (pendingInputs_ > 0) return;
    stalledAt_ = GetTickCount64();
    form_->TogglePause();
  };
}

TScriptRunner::~TScriptRunner() {
  if (!recorder_) return;
  try {
    recorder_->Stop();
  } catch (const std::exception& e) {
    out_ << "{\"error\":" << TJson::Quote(e.what()) << "}\n";
  }
}

void TScriptRunner::Trace(const std::string& json) const { out_ << json << "\n"; }

void TScriptRunner::EnableTrace() {
  trace_ = true;
  for (int k = 1; k <= TForm1::kCellCount; ++k) {
    TStaticText* cell = form_->Cell(k);
    auto previous = cell->WindowProc;
    cell->WindowProc = [this, cell, k, previous](TMessage& m) {
      previous(m);
      const std::string t = std::to_string(GetTickCount64());
      if (m.Msg == CM_COLORCHANGED) {
        Trace("{\"t\":" + t + ",\"ev\":\"color\",\"cell\":" + std::to_string(k) + ",\"color\":" +
              TJson::Color(cell->Color()) + "}");
      } else if (m.Msg == CM_TEXTCHANGED) {
        Trace("{\"t\":" + t + ",\"ev\":\"caption\",\"cell\":" + std::to_string(k) + ",\"text\":" +
              TJson::Quote(cell->Caption()) + "}");
      } else if (m.Msg == WM_PAINT) {
        Trace("{\"t\":" + t + ",\"ev\":\"paint\",\"cell\":" + std::to_string(k) + ",\"color\":" +
              TJson::Color(cell->Color()) + ",\"text\":" + TJson::Quote(cell->Caption()) + "}");
      }
    };
  }
}

void TScriptRunner::Run(std::istream& script) {
  std::string line;
  int n = 0;
  while (std::getline(script, line)) Execute(line, ++n);
}

std::vector<std::string> TScriptRunner::Split(const std::string& line) const {
  std::vector<std::string> words;
  std::istringstream in(line);
  std::string w;
  while (in >> w) words.push_back(w);
  return words;
}

void TScriptRunner::Pump() { Application->ProcessMessages(); }

void TScriptRunner::Wait(uint64_t ms) {
  const uint64_t end = backend_->NowMs() + ms;
  for (;;) {
    Pump();
    // The window was closed: the program ends here, as it would on screen.
    if (Application->Terminated()) break;
    const uint64_t now = backend_->NowMs();
    if (now >= end) break;
    uint64_t next = end;
    if (auto due = NextTimerDue()) next = std::min(next, std::max(*due, now));
    if (backend_->HasScheduled()) next = std::min(next, std::max(backend_->NextScheduledAt(), now));
    if (next > now) backend_->Advance(next - now);
  }
}

TControl* TScriptRunner::FindControl(const std::string& name) const {
  if (name == form_->Name()) return form_;
  auto* c = dynamic_cast<TControl*>(form_->FindComponent(name));
  if (!c) throw TScriptError("no control named '" + name + "'");
  return c;
}

TScriptRunner::Point TScriptRunner::CentreOf(TControl* c) const {
  const TPoint origin = c->ClientOrigin();
  TRect r = TRect::FromBounds(origin.X, origin.Y, c->Width(), c->Height());
  // Only the part inside the window's client area can be clicked.
  const TPoint fo = form_->ClientOrigin();
  if (c != form_) r = r.Intersect(form_->ClientRect().Offset(fo.X, fo.Y));
  if (r.IsEmpty()) throw TScriptError("control '" + c->Name() + "' is not visible in the window");
  return {(r.Left + r.Right) / 2 - form_->Left(), (r.Top + r.Bottom) / 2 - form_->Top()};
}

void TScriptRunner::MouseAt(Point p, int button, bool down) {
  backend_->InjectMouseButton(form_->Handle(), {p.X, p.Y}, button, down);
}

void TScriptRunner::ClickAt(Point p, int button) {
  backend_->InjectMouseMove(form_->Handle(), {p.X, p.Y});
  MouseAt(p, button, true);
  MouseAt(p, button, false);
}

void TScriptRunner::Key(const std::string& keys) {
  std::vector<std::string> parts;
  std::string part;
  for (char ch : keys) {
    if (ch == '+' && !part.empty()) {
      parts.push_back(part);
      part.clear();
    } else {
      part += ch;
    }
  }
  parts.push_back(part);
  std::vector<int> held;
  bool modified = false;
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    const std::string mod = LowerCase(parts[i]);
    const int vk = mod == "shift" ? VK_SHIFT : mod == "ctrl" ? VK_CONTROL : mod == "alt" ? VK_MENU : 0;
    if (!vk) throw TScriptError("unknown modifier '" + parts[i] + "' in key '" + keys + "'");
    if (vk != VK_SHIFT) modified = true;
    held.push_back(vk);
    backend_->InjectKey(vk, true);
  }
  const std::string name = LowerCase(parts.back());
  int vk = 0;
  std::string text;
  for (const auto& k : kKeys)
    if (name == k.Name) {
      vk = k.Vk;
      if (k.Text) text = k.Text;
    }
  if (!vk && name.size() == 1 && ((name[0] >= 'a' && name[0] <= 'z') || (name[0] >= '0' && name[0] <= '9'))) {
    vk = std::toupper(static_cast<unsigned char>(name[0]));
    text = parts.back();
  }
  if (!vk && name.size() >= 2 && name[0] == 'f') {
    const int n = std::atoi(name.c_str() + 1);
    if (n >= 1 && n <= 12) vk = VK_F1 + n - 1;
  }
  if (!vk) throw TScriptError("unknown key '" + keys + "'");
  backend_->InjectKey(vk, true);
  if (!text.empty() && !modified) backend_->InjectText(text);
  backend_->InjectKey(vk, false);
  for (auto it = held.rbegin(); it != held.rend(); ++it) backend_->InjectKey(*it, false);
}

bool TScriptRunner::ExecuteInput(const std::vector<std::string>& w, bool pump) {
  const std::string& cmd = w[0];
  if (cmd == "click" || cmd == "rclick") {
    Expect(w, 2, "click NAME");
    ClickAt(CentreOf(FindControl(w[1])), cmd == "click" ? 0 : 1);
  } else if (cmd == "click-at") {
    Expect(w, 3, "click-at X Y");
    ClickAt({ParseInt(w[1], "x") - form_->Left(), ParseInt(w[2], "y") - form_->Top()}, 0);
  } else if (cmd == "down" || cmd == "up") {
    Expect(w, 2, "down NAME");
    MouseAt(CentreOf(FindControl(w[1])), 0, cmd == "down");
  } else if (cmd == "move") {
    Expect(w, 2, "move NAME");
    const Point p = CentreOf(FindControl(w[1]));
    backend_->InjectMouseMove(form_->Handle(), {p.X, p.Y});
  } else if (cmd == "move-at") {
    Expect(w, 3, "move-at X Y");
    backend_->InjectMouseMove(form_->Handle(),
                              {ParseInt(w[1], "x") - form_->Left(), ParseInt(w[2], "y") - form_->Top()});
  } else if (cmd == "restore") {
    // As the window system gives a minimized window back; a window that is
    // not minimized stays as it is.
    Expect(w, 1, "restore");
    backend_->InjectRestore(form_->Handle());
  } else if (cmd == "key") {
    Expect(w, 2, "key KEY");
    Key(w[1]);
  } else if (cmd == "type") {
    if (w.size() < 2) throw TScriptError("usage: type TEXT");
    std::string text = w[1];
    for (size_t i = 2; i < w.size(); ++i) text += " " + w[i];
    backend_->InjectText(text);
  } else if (cmd == "select") {
    Expect(w, 3, "select NAME INDEX");
    auto* group = dynamic_cast<TWinControl*>(FindControl(w[1]));
    const int index = ParseInt(w[2], "index");
    TControl* item = nullptr;
    int seen = 0;
    for (int i = 0; group && i < group->ControlCount(); ++i)
      if (dynamic_cast<TRadioButton*>(group->Controls(i)) && seen++ == index) item = group->Controls(i);
    if (!item) throw TScriptError("'" + w[1] + "' has no item " + w[2]);
    ClickAt(CentreOf(item), 0);
  } else {
    return false;
  }
  if (pump) Pump();
  return true;
}

void TScriptRunner::Execute(const std::string& rawLine, int lineNumber) {
  lineNumber_ = lineNumber;
  std::string line = rawLine;
  if (auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
  const auto w = Split(line);
  if (w.empty()) return;
  ExecuteLine(w);
  if (stalledAt_) {
    const uint64_t at = *stalledAt_;
    stalledAt_.reset();
    throw TScriptError("the sort was paused at " + std::to_string(at) +
                       " ms with no 'at' input left to go on; it was let go (schedule the key that resumes or"
                       " steps it with 'at MS key p' or 'at MS key n' before the line that starts the sort)");
  }
}

void TScriptRunner::ExecuteLine(const std::vector<std::string>& w) {
  const std::string& cmd = w[0];
  if (ExecuteInput(w, true) || ExecuteRecording(w)) return;
  if (cmd == "wait") {
    Expect(w, 2, "wait MS");
    Wait(static_cast<uint64_t>(std::max(0, ParseInt(w[1], "milliseconds"))));
  } else if (cmd == "at") {
    if (w.size() < 3) throw TScriptError("usage: at MS COMMAND");
    const int ms = std::max(0, ParseInt(w[1], "milliseconds"));
    std::vector<std::string> rest(w.begin() + 2, w.end());
    static const char* kDeferred[] = {"click", "rclick", "click-at", "down",   "up",   "move",    "move-at",
                                      "key",   "type",   "select",   "restore", "dump", "snapshot"};
    if (std::find(std::begin(kDeferred), std::end(kDeferred), rest[0]) == std::end(kDeferred))
      throw TScriptError("'at' takes an input command, dump or snapshot, not '" + rest[0] + "'");
    // Names are checked now, so a mistake is reported at its own line.
    static const char* kNamed[] = {"click", "rclick", "down", "up", "move", "select"};
    if (rest.size() > 1 && std::find(std::begin(kNamed), std::end(kNamed), rest[0]) != std::end(kNamed))
      FindControl(rest[1]);
    const bool input = rest[0] != "dump" && rest[0] != "snapshot";
    if (input) ++pendingInputs_;
    backend_->Schedule(static_cast<uint64_t>(ms), [this, rest, input] {
      if (input) --pendingInputs_;
      try {
        // Inside a pump: input only joins the queue; a dump or snapshot shows
        // the moment it runs.
        if (rest[0] == "dump")
          out_ << Dump() << "\n";
        else if (rest[0] == "snapshot")
          Snapshot(rest.size() > 1 ? rest[1] : "");
        else
          ExecuteInput(rest, false);
      } catch (const TScriptError& e) {
        out_ << "{\"error\":" << TJson::Quote(e.what()) << "}\n";
      }
    });
  } else if (cmd == "values") {
    if (w.size() != 11) throw TScriptError("usage: values V1 ... V10");
    std::array<uint8_t, 10> v{};
    for (size_t i = 0; i < 10; ++i) {
      const int n = ParseInt(w[i + 1], "value");
      if (n < 0 || n > 255) throw TScriptError("value " + w[i + 1] + " is not a byte");
      v[i] = static_cast<uint8_t>(n);
    }
    form_->ShowValues(v);
    Pump();
  } else if (cmd == "skin") {
    // The skin switched off and on, as a skin change does it.
    if (w.size() != 2 || (w[1] != "on" && w[1] != "off")) throw TScriptError("usage: skin on|off");
    form_->sSkinManager1->SetActive(w[1] == "on");
    Pump();
  } else if (cmd == "dump") {
    Expect(w, 1, "dump");
    out_ << Dump() << "\n";
  } else if (cmd == "dump-skin") {
    if (w.size() > 2) throw TScriptError("usage: dump-skin [SECTION]");
    out_ << DumpSkin(w.size() == 2 ? w[1] : "") << "\n";
  } else if (cmd == "snapshot") {
    Expect(w, 2, "snapshot FILE.png");
    Snapshot(w[1]);
  } else {
    throw TScriptError("unknown command '" + cmd + "'");
  }
}

namespace {

// What the program holds now: windows, timers, device contexts and the
// bytes of the heap in use, so that long runs can be checked for leaks.
std::string Resources() {
  const TWindowServiceCounts counts = WindowServiceCounts();
  const struct mallinfo2 heap = mallinfo2();
  return TJson::Object({{"windows", std::to_string(counts.Windows)},
                        {"timers", std::to_string(counts.Timers)},
                        {"deviceContexts", std::to_string(counts.DeviceContexts)},
                        {"heapBytes", std::to_string(heap.uordblks)}});
}

}  // namespace

// The teacher's controls: pause, speed, the highlighted listing lines
// (numbered from 1, as the listing is read) and the indicator's text.
std::string TScriptRunner::Teacher() const {
  std::vector<std::string> lines;
  for (int line : form_->RunningLines()) lines.push_back(std::to_string(line + 1));
  return TJson::Object({{"sorting", TJson::Bool(form_->SortRunning())},
                        {"paused", TJson::Bool(form_->Paused())},
                        {"speed", TJson::Quote(SpeedName(form_->SpeedExponent()))},
                        {"followListing", TJson::Bool(form_->FollowsListing())},
                        {"runningLines", TJson::Array(lines)},
                        {"indicator", TJson::Quote(form_->IndicatorText())}});
}

std::string TScriptRunner::Dump() const {
  std::vector<std::string> values, cells, boxes;
  for (int k = 1; k <= TForm1::kCellCount; ++k) {
    values.push_back(std::to_string(form_->Value(k)));
    TStaticText* c = form_->Cell(k);
    cells.push_back(TJson::Object({{"text", TJson::Quote(c->Caption())},
                                   {"color", TJson::Color(c->Color())},
                                   {"bounds", TJson::Bounds(c->BoundsRect())},
                                   {"fontHeight", std::to_string(c->Font()->Height())}}));
  }
  std::vector<std::pair<std::string, std::string>> buttons, bounds;
  for (int i = 0; i < form_->ComponentCount(); ++i) {
    auto* c = dynamic_cast<TControl*>(form_->Components(i));
    if (!c || c->Name().empty()) continue;
    bounds.push_back({c->Name(), TJson::Bounds(c->BoundsRect())});
    if (dynamic_cast<TsBitBtn*>(c)) buttons.push_back({c->Name(), TJson::Bool(c->Enabled())});
  }
  for (const auto& m : backend_->MessageBoxes())
    boxes.push_back(TJson::Object({{"caption", TJson::Quote(m.Caption)}, {"text", TJson::Quote(m.Text)}}));
  const std::string window = TJson::Object({{"left", std::to_string(form_->Left())},
                                            {"top", std::to_string(form_->Top())},
                                            {"width", std::to_string(form_->Width())},
                                            {"height", std::to_string(form_->Height())},
                                            {"clientWidth", std::to_string(form_->ClientWidth())},
                                            {"clientHeight", std::to_string(form_->ClientHeight())},
                                            {"state", TJson::Quote(WindowStateName(form_->WindowState()))}});
  return TJson::Object({{"time", std::to_string(GetTickCount64())},
                        {"values", TJson::Array(values)},
                        {"cells", TJson::Array(cells)},
                        {"manualMode", TJson::Bool(form_->IsManualMode())},
                        {"manualPos", std::to_string(form_->ManualPosition())},
                        {"buttons", TJson::Object(buttons)},
                        {"order", std::to_string(form_->sRadioGroup->ItemIndex())},
                        {"listing", TJson::Quote(form_->sText1->Text())},
                        {"teacher", Teacher()},
                        {"bounds", TJson::Object(bounds)},
                        {"window", window},
                        {"frame", DumpFrame(*form_, form_->sSkinProvider1)},
                        {"messageBoxes", TJson::Array(boxes)},
                        {"skinned", DumpSkinnedControls(*form_)},
                        {"archives", DumpArchives()},
                        {"resources", Resources()}});
}

std::string TScriptRunner::DumpSkin(const std::string& section) const {
  return ::DumpSkin(*form_->sSkinManager1, section);
}

std::string TScriptRunner::OutputPath(const std::string& file) const {
  if (!file.empty() && file[0] != '/' && !outputFolder_.empty()) return outputFolder_ + "/" + file;
  return file;
}

void TScriptRunner::Snapshot(const std::string& file) const {
  const auto* w = backend_->FindWindow(form_->Handle());
  if (!w) throw TScriptError("the window is not on screen");
  const std::string path = OutputPath(file);
  try {
    SavePng(w->Screen, path);
  } catch (const std::exception& e) {
    throw TScriptError(std::string("cannot write ") + file + ": " + e.what());
  }
}
