// The recording commands of the script runner: record FILE.gif MS,
// frames DIR MS and stop-record.
#include "Recorder.h"
#include "ScriptRunner.h"
#include "app/Unit1.h"
#include "framework/backend/headless/HeadlessBackend.h"

bool TScriptRunner::ExecuteRecording(const std::vector<std::string>& w) {
  const std::string& cmd = w[0];
  if (cmd == "record" || cmd == "frames") {
    if (w.size() != 3) throw TScriptError(cmd == "record" ? "usage: record FILE.gif MS" : "usage: frames DIR MS");
    if (recorder_) throw TScriptError("a recording is already running: stop-record first");
    int ms = 0;
    try {
      ms = std::stoi(w[2]);
    } catch (const std::exception&) {
    }
    // GIF delays count hundredths of a second: other intervals could not be
    // played back at the pace they were recorded at.
    if (ms < 10 || ms % 10 != 0 || ms > 655350)
      throw TScriptError("the frame interval must be a multiple of 10 ms from 10 to 655350, not '" + w[2] + "'");
    const auto kind = cmd == "record" ? TRecorder::TKind::Gif : TRecorder::TKind::PngFrames;
    auto window = [this]() -> const TBitmap* {
      const auto* native = backend_->FindWindow(form_->Handle());
      return native ? &native->Screen : nullptr;
    };
    try {
      recorder_ = std::make_unique<TRecorder>(backend_, window, kind, OutputPath(w[1]), static_cast<uint32_t>(ms),
                                              recordScale_);
    } catch (const std::exception& e) {
      throw TScriptError(std::string("cannot record: ") + e.what());
    }
    return true;
  }
  if (cmd == "stop-record") {
    if (w.size() != 1) throw TScriptError("usage: stop-record");
    if (!recorder_) throw TScriptError("stop-record without a recording");
    try {
      recorder_->Stop();
    } catch (const std::exception& e) {
      recorder_.reset();
      throw TScriptError(std::string("cannot finish the recording: ") + e.what());
    }
    recorder_.reset();
    return true;
  }
  return false;
}
