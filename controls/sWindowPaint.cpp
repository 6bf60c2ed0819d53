#include "controls/sWindowPaint.h"

#include <optional>

#include "skin/sCommonData.h"
#include "skin/sMessages.h"

bool ControlIsReady(const TWinControl& control) {
  const TControlState state = control.ControlState();
  return control.HandleAllocated() && control.HasParent() && !state.Contains(csCreating) &&
         !state.Contains(csReadingState) && !control.IsReading() && !control.IsLoading() && !control.IsDestroying();
}

namespace {

// Marks the control as painting itself for the lifetime of the scope.
class TCustomPaintMark {
 public:
  explicit TCustomPaintMark(TControl& control) : control_(control), wasSet_(control.ControlState().Contains(csCustomPaint)) {
    control_.ControlState().Include(csCustomPaint);
  }
  ~TCustomPaintMark() {
    if (!wasSet_) control_.ControlState().Exclude(csCustomPaint);
  }
  TCustomPaintMark(const TCustomPaintMark&) = delete;
  TCustomPaintMark& operator=(const TCustomPaintMark&) = delete;

 private:
  TControl& control_;
  bool wasSet_;
};

}  // namespace

void PaintSkinnedWindow(TWinControl& control, TMessage& message, const std::function<void(HDC)>& paint) {
  TCustomPaintMark mark(control);
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  std::optional<TPaintScope> cycle;
  if (!dc) {
    if (!control.HandleAllocated()) return;
    cycle.emplace(control.Handle());
    dc = cycle->Handle();
    if (!dc) return;
  }
  TDCStateGuard state(dc);
  TCanvasPaintScope canvas(*control.Canvas(), dc, *control.Font());
  paint(dc);
  message.Result = 0;
}

void RepaintNow(TWinControl& control) {
  if (control.HandleAllocated()) RedrawWindow(control.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

bool HandleContainerAnnouncement(TWinControl& container, TsCommonData& data, TMessage& m,
                                 TRemovedSkinRepaint removed) {
  const bool mine = CommandManager(m) == data.Manager();
  switch (SkinCommandCode(m)) {
    case SKC_NEWSKIN:
      BroadcastToChildren(&container, m);
      if (mine) data.HandleSkinCommand(m);
      return true;
    case SKC_REMOVESKIN:
    case SKC_REFRESH: {
      if (mine) data.HandleSkinCommand(m);
      BroadcastToChildren(&container, m);
      if (!mine) return true;
      if (SkinCommandCode(m) == SKC_REMOVESKIN && removed == TRemovedSkinRepaint::Later)
        container.Invalidate();
      else
        RepaintNow(container);
      return true;
    }
    case SKC_ISSKINAWARE:
      m.LParam = 1;
      return true;
    default:
      return false;
  }
}
