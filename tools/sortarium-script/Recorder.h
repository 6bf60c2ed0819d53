// Records the window while a script runs: one frame every N virtual
// milliseconds from `record`/`frames` until `stop-record`, into an animated
// GIF (each frame lasting exactly N ms) or numbered PNG files. Frame k shows
// the window at t0 + k*N, as a `snapshot` at that moment would, so a
// recording of D ms has ceil(D / N) frames and plays for that many times N.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "framework/graphics/Bitmap.h"

class THeadlessBackend;
class TGifWriter;

class TRecorder {
 public:
  enum class TKind { Gif, PngFrames };
  // `window` answers the window's picture as it is on screen now (null when
  // it is not shown). A frame is shrunk `scale` times in each direction.
  // The first frame is taken at once. Throws std::runtime_error when the
  // target cannot be written.
  TRecorder(THeadlessBackend* backend, std::function<const TBitmap*()> window, TKind kind, std::string target,
            uint32_t intervalMs, int scale);
  ~TRecorder();
  TRecorder(const TRecorder&) = delete;
  TRecorder& operator=(const TRecorder&) = delete;

  // Writes the frames up to now and closes the recording; answers how many.
  int Stop();

 private:
  void Tick();
  void Capture(uint64_t at);
  void Write(const TBitmap& frame);
  void ScheduleNext();

  THeadlessBackend* backend_;
  std::function<const TBitmap*()> window_;
  TKind kind_;
  std::string target_;
  uint32_t interval_;
  int scale_;
  uint64_t start_;
  uint64_t nextTick_ = 0;  // the index of the next frame to take
  int written_ = 0;
  // The last frame taken waits here: it belongs to the recording only if
  // the recording is still running when its interval begins.
  std::optional<TBitmap> pending_;
  uint64_t pendingAt_ = 0;
  std::unique_ptr<TGifWriter> gif_;
  // Scheduled ticks outlive a stopped recorder; they check this first.
  std::shared_ptr<bool> running_;
};

// The picture shrunk `scale` times, each pixel the average of its block.
void ShrinkBitmap(const TBitmap& source, int scale, TBitmap& target);
