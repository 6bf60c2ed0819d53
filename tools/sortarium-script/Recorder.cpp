#include "Recorder.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "GifWriter.h"
#include "framework/backend/headless/HeadlessBackend.h"
#include "framework/graphics/Picture.h"

void ShrinkBitmap(const TBitmap& source, int scale, TBitmap& target) {
  if (scale <= 1) {
    target.Assign(source);
    return;
  }
  const int w = std::max(1, source.Width() / scale), h = std::max(1, source.Height() / scale);
  target.SetSize(w, h);
  const int n = scale * scale;
  for (int y = 0; y < h; ++y) {
    uint8_t* out = target.ScanLine(y);
    for (int x = 0; x < w; ++x) {
      int sum[3] = {0, 0, 0};
      for (int sy = 0; sy < scale; ++sy) {
        const uint8_t* in = source.ScanLine(std::min(source.Height() - 1, y * scale + sy)) + x * scale * 3;
        for (int sx = 0; sx < scale; ++sx)
          for (int c = 0; c < 3; ++c) sum[c] += in[sx * 3 + c];
      }
      for (int c = 0; c < 3; ++c) out[x * 3 + c] = static_cast<uint8_t>((sum[c] + n / 2) / n);
    }
  }
}

TRecorder::TRecorder(THeadlessBackend* backend, std::function<const TBitmap*()> window, TKind kind,
                     std::string target, uint32_t intervalMs, int scale)
    : backend_(backend),
      window_(std::move(window)),
      kind_(kind),
      target_(std::move(target)),
      interval_(intervalMs),
      scale_(scale),
      start_(backend->NowMs()),
      running_(std::make_shared<bool>(true)) {
  if (kind_ == TKind::PngFrames) {
    std::error_code error;
    std::filesystem::create_directories(target_, error);
    if (!std::filesystem::is_directory(target_)) throw std::runtime_error("cannot create the folder " + target_);
  }
  Tick();
}

TRecorder::~TRecorder() {
  *running_ = false;
}

void TRecorder::Tick() {
  // The clock may have jumped over several frame times (a long message
  // handler, a Sleep): each of them gets the picture of now, so the count
  // and the timing of the frames stay those of the virtual clock.
  const uint64_t now = backend_->NowMs();
  while (start_ + nextTick_ * interval_ <= now) Capture(start_ + nextTick_++ * interval_);
  ScheduleNext();
}

void TRecorder::ScheduleNext() {
  const uint64_t due = start_ + nextTick_ * interval_;
  std::weak_ptr<bool> running = running_;
  backend_->Schedule(due - backend_->NowMs(), [this, running] {
    if (auto r = running.lock(); r && *r) Tick();
  });
}

void TRecorder::Capture(uint64_t at) {
  const TBitmap* screen = window_();
  if (!screen) throw std::runtime_error("the window is not on screen");
  if (pending_) Write(*pending_);
  pending_.emplace();
  ShrinkBitmap(*screen, scale_, *pending_);
  pendingAt_ = at;
}

void TRecorder::Write(const TBitmap& frame) {
  if (kind_ == TKind::Gif) {
    if (!gif_) gif_ = std::make_unique<TGifWriter>(target_, frame.Width(), frame.Height());
    gif_->AddFrame(frame, static_cast<uint16_t>(interval_ / 10));
  } else {
    char name[32];
    std::snprintf(name, sizeof name, "/frame-%05d.png", written_ + 1);
    SavePng(frame, target_ + name);
  }
  ++written_;
}

int TRecorder::Stop() {
  if (!*running_) return written_;
  *running_ = false;
  // The frame of a moment the recording did not reach is left out.
  if (pending_ && pendingAt_ < backend_->NowMs()) Write(*pending_);
  // A recording stopped at once still shows the moment it started.
  if (written_ == 0 && pending_) Write(*pending_);
  pending_.reset();
  if (gif_) gif_->Close();
  return written_;
}
