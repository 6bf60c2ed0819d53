// TsPanel: the container of the main window (the row of number cells, the
// column of buttons). Skinned, its whole look comes from its section: the
// section is painted into a cache bitmap with the caption written into it,
// the cache is shown, and the panel's non-windowed children are painted
// over it. The cache is also the background its children ask for
// (SKC_GETCACHE) to blend themselves with. Skin commands pass on to the
// children in a fixed order. Without a skin it is the framework's panel.
#pragma once

#include <functional>

#include "framework/stdctrls/ExtCtrls.h"
#include "skin/sCommonData.h"

// Drawing of the user's own over a panel: into the skin cache while
// skinned, so it stays until the cache is rebuilt.
using TPaintEvent = std::function<void(TComponent* sender, TCanvas* canvas)>;

class TsPanel : public TCustomPanel {
 public:
  SORTARIUM_CLASS(TsPanel)
  explicit TsPanel(TComponent* owner);

  // --- published ---
  TsCommonData* SkinData() { return &skinData_; }
  const TsCommonData* SkinData() const { return &skinData_; }
  TPaintEvent OnPaint;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  void AfterConstruction() override;
  void Loaded() override;
  void WndProc(TMessage& message) override;
  void PaintWindow(HDC dc) override;

  // The skinned paint into `dc`: the cache (rebuilt when stale), then the
  // non-windowed children. With TChildNotice::ParentPainted the windowed
  // children hear that their background is on screen now.
  enum class TChildNotice { None, ParentPainted };
  void PaintPanel(HDC dc, TChildNotice notice);
  // Rebuilds the cache: section, caption, the user's OnPaint.
  void PrepareCache();

 protected:
  using TCustomPanel::PaintCaption;
  void Paint() override;
  // Writes the caption into the cache, one line centred vertically in `rect`.
  void PaintCaption(const TRect& rect);

 private:
  // The three layers of message handling; each answers whether it finished
  // the message.
  bool HandleSkinCommandsInAnyState(TMessage& m);
  bool HandleSkinned(TMessage& m);
  bool HandleUnskinned(TMessage& m);
  void PrintSkinned(TMessage& m);

  TsCommonData skinData_;
};
