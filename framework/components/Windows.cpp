#include "framework/components/Windows.h"

#include <algorithm>
#include <deque>
#include <map>
#include <memory>
#include <vector>

#include "framework/backend/Backend.h"
#include "framework/components/Application.h"
#include "framework/components/Forms.h"
#include "framework/components/Input.h"
#include "framework/components/WinControl.h"

// The one writer of the windows' paint state.
class TWindowServices {
 public:
  static TWindowPaintState& PaintState(TWinControl* w) { return w->paint_; }
  static const TWindowPaintState& PaintState(const TWinControl* w) { return w->paint_; }
};

namespace {

TWindowPaintState& PaintOf(TWinControl* w) { return TWindowServices::PaintState(w); }
const TWindowPaintState& PaintOf(const TWinControl* w) { return TWindowServices::PaintState(w); }

struct TopLevelData {
  std::unique_ptr<TBitmap> Framebuffer;
  TRegion Dirty;  // window coordinates, painted but not yet presented
  bool NativeCreated = false;
};

struct TimerRecord {
  HWND Window = 0;
  uintptr_t Id = 0;
  uint32_t Interval = 0;
  uint64_t Due = 0;
  TTimerProc Proc;
};

struct WindowServices {
  // Indexed by handle: handles are handed out in order and never reused,
  // and finding a window is the commonest step of every message and paint.
  std::vector<TWinControl*> Windows{nullptr};
  size_t WindowCount = 0;
  std::vector<HWND> TopLevels;  // in creation order
  std::map<HWND, TopLevelData> TopData;
  HWND NextHandle = 1;
  std::deque<TMsg> Queue;
  std::vector<TimerRecord> Timers;
  uintptr_t NextTimerId = 1;
  HWND Focus = 0;
  HWND Capture = 0;
  HWND Active = 0;
  // Every DC on a framebuffer: its window, the layout generation its clip
  // was made at, the framebuffer's stamp when it was made, and for
  // BeginPaint's whether the clip is the whole visible area.
  struct TLiveDC {
    HDC Dc = nullptr;
    HWND Window = 0;
    HWND Top = 0;  // whose framebuffer it draws on
    uint64_t Layout = 0;
    bool Paint = false;
    bool Whole = false;
    uint64_t StampAtStart = 0;
  };
  // Few are alive at a time: a list is searched faster than a map is kept.
  std::vector<TLiveDC> LiveDCs;
  TLiveDC* FindLiveDC(HDC dc) {
    for (TLiveDC& live : LiveDCs)
      if (live.Dc == dc) return &live;
    return nullptr;
  }
  // Cached visible regions are good while they carry this number.
  uint64_t LayoutGeneration = 1;
  TPaintCounts Counts;
};

WindowServices& WS() {
  static WindowServices* services = new WindowServices();  // lives for the whole process
  return *services;
}

uint64_t Now() { return Backend()->NowMs(); }

TPoint ClientOriginInTop(const TWinControl* w);

// The origin of the control's window (its top-left, frame included) inside
// its top-level window.
TPoint WindowOriginInTop(const TWinControl* w) {
  if (!w->Parent()) return {0, 0};
  const TPoint pc = ClientOriginInTop(w->Parent());
  return {pc.X + w->Left(), pc.Y + w->Top()};
}

// The origin of the control's client area inside its top-level window.
TPoint ClientOriginInTop(const TWinControl* w) {
  const TPoint o = WindowOriginInTop(w);
  const TPoint c = w->ClientOffset();
  return {o.X + c.X, o.Y + c.Y};
}

// The shape a window occupies in top-level coordinates.
TRegion ShapeInTop(const TWinControl* w) {
  const TPoint o = WindowOriginInTop(w);
  TRegion r(TRect::FromBounds(o.X, o.Y, w->Width(), w->Height()));
  if (PaintOf(w).WindowRgn) r = r.Intersect(PaintOf(w).WindowRgn->Offset(o.X, o.Y));
  return r;
}

bool WindowShown(const TWinControl* w) { return w->HandleAllocated() && w->Visible(); }

// Whether painting the window now can show anything.
bool Paintable(const TWinControl* w) {
  for (const TWinControl* c = w; c; c = c->Parent()) {
    if (!c->HandleAllocated() || !c->Visible() || !PaintOf(c).RedrawEnabled) return false;
    if (!c->Parent()) {
      auto it = WS().TopData.find(c->HandleIfAllocated());
      return it != WS().TopData.end() && it->second.Framebuffer;
    }
  }
  return false;
}

// Adds `more` to `rgn`, taking its rectangles over when `rgn` is empty.
void AddTo(TRegion& rgn, TRegion&& more) {
  if (rgn.IsEmpty())
    rgn = std::move(more);
  else if (!more.IsEmpty())
    rgn = rgn.Union(more);
}

TopLevelData* TopDataOf(const TWinControl* w) {
  const TWinControl* top = TopLevelOf(w);
  if (!top) return nullptr;
  auto it = WS().TopData.find(top->HandleIfAllocated());
  if (it == WS().TopData.end() || !it->second.Framebuffer) return nullptr;
  return &it->second;
}

TRegion ComputeVisibleRegion(const TWinControl* w, bool wholeWindow);

// The window's visible region from its cache, computed again when any
// window's layout changed since it was stored.
const TRegion& CachedVisibleRegion(const TWinControl* w, bool wholeWindow) {
  TWindowPaintState::TCachedRegion& slot = PaintOf(w).Visible[wholeWindow ? 1 : 0];
  if (slot.Generation != WS().LayoutGeneration) {
    slot.Rgn = ComputeVisibleRegion(w, wholeWindow);
    slot.Generation = WS().LayoutGeneration;
    ++WS().Counts.RegionsComputed;
  }
  return slot.Rgn;
}

HDC MakeDC(TWinControl* w, bool wholeWindow, const TRegion* limitClient) {
  TopLevelData* top = TopDataOf(w);
  if (!top) return nullptr;
  const TPoint origin = wholeWindow ? WindowOriginInTop(w) : ClientOriginInTop(w);
  const TRegion& visible = CachedVisibleRegion(w, wholeWindow);
  HDC dc;
  bool covers = true;
  if (!limitClient) {
    dc = new TDeviceContext(top->Framebuffer.get(), origin, visible);
  } else {
    // The usual case, a whole client area invalidated, needs no region algebra.
    covers = visible.IsEmpty() || (limitClient->Rects().size() == 1 &&
                                   limitClient->Bounds().Offset(origin.X, origin.Y).Contains(visible.Bounds()));
    dc = new TDeviceContext(top->Framebuffer.get(), origin,
                            covers ? visible : visible.Intersect(limitClient->Offset(origin.X, origin.Y)));
  }
  WS().LiveDCs.push_back({.Dc = dc,
                          .Window = w->HandleIfAllocated(),
                          .Top = TopLevelOf(w)->HandleIfAllocated(),
                          .Layout = WS().LayoutGeneration,
                          .Paint = limitClient != nullptr,  // only BeginPaint limits a DC to a region
                          .Whole = covers,
                          .StampAtStart = top->Framebuffer->Generation()});
  return dc;
}

// Whether anything at all was drawn on the DC's framebuffer since the DC was
// made, by its stamp. A framebuffer that went away with its window has
// nothing to tell.
bool DrawnSince(const WindowServices::TLiveDC& live, HDC dc) {
  const auto top = WS().TopData.find(live.Top);
  return top != WS().TopData.end() && top->second.Framebuffer.get() == dc->Target() &&
         dc->Target()->Generation() != live.StampAtStart;
}

// What a DC given back means for the picture its window is known to show.
// Visible regions do not overlap, so a DC can only have drawn over its own
// window: BeginPaint's DC ends a paint and the window shows what that paint
// said it showed; any other DC of the window that drew, unless the window is
// handling WM_PAINT, may have drawn anything. A DC whose clip was made before
// the layout changed may have drawn over any window.
void NoteDCDrawn(const WindowServices::TLiveDC& live, HDC dc, bool drew) {
  if (drew && live.Layout != WS().LayoutGeneration) {
    WindowLayoutChanged();
    return;
  }
  TWinControl* w = FindControl(live.Window);
  if (!w) return;
  TWindowPaintState& paint = PaintOf(w);
  if (live.Paint) {
    const bool known = paint.ShownPicture != 0 && paint.ShownLayout == live.Layout;
    // A paint of part of the window shows its picture all over only when
    // the rest already showed the window's look.
    paint.ShownPicture = paint.PaintingPicture != 0 && (live.Whole || known) ? paint.PaintingPicture : 0;
    paint.ShownLayout = live.Layout;
    paint.PaintingPicture = 0;
  } else if (drew && !paint.PaintDispatching && dc->SystemClip() && !dc->SystemClip()->IsEmpty()) {
    paint.ShownPicture = 0;
  }
}

void FinishDC(HDC dc) {
  if (!dc) return;
  WindowServices::TLiveDC* found = WS().FindLiveDC(dc);
  if (!found) return;
  const WindowServices::TLiveDC live = *found;
  std::swap(*found, WS().LiveDCs.back());
  WS().LiveDCs.pop_back();
  // A DC that drew nothing leaves nothing to present.
  const bool drew = DrawnSince(live, dc);
  NoteDCDrawn(live, dc, drew);
  if (dc->SystemClip()) {
    TPaintCounts& counts = WS().Counts;
    ++counts.DeviceContexts;
    for (const TRect& r : dc->SystemClip()->Rects()) {
      ++counts.PaintedRects;
      counts.PaintedPixels += static_cast<uint64_t>(r.Width()) * static_cast<uint64_t>(r.Height());
    }
    if (drew) {
      // Often the whole window is waiting to be presented already.
      TRegion& waitingRgn = WS().TopData[live.Top].Dirty;
      const auto& dirty = waitingRgn.Rects();
      const auto waiting = [&dirty](const TRect& r) {
        return std::any_of(dirty.begin(), dirty.end(), [&r](const TRect& d) { return d.Contains(r); });
      };
      const auto& drawn = dc->SystemClip()->Rects();
      if (!std::all_of(drawn.begin(), drawn.end(), waiting)) waitingRgn = waitingRgn.Union(*dc->SystemClip());
    }
  }
  delete dc;
}

void SendPaint(TWinControl* w) {
  TWindowPaintState& paint = PaintOf(w);
  AddTo(paint.PaintRgn, std::move(paint.UpdateRgn));
  paint.PaintErase = paint.PaintErase || paint.EraseNeeded;
  paint.UpdateRgn.Clear();
  paint.EraseNeeded = false;
  const HWND h = w->HandleIfAllocated();
  ++WS().Counts.ClientPaints;
  paint.PaintDispatching = true;
  SendMessage(h, WM_PAINT);
  // Whatever the handler did, the region counts as painted now; a handler
  // that never validates must not make the loop paint forever.
  if (TWinControl* still = FindControl(h)) {
    PaintOf(still).PaintRgn.Clear();
    PaintOf(still).PaintErase = false;
    PaintOf(still).PaintDispatching = false;
  }
}

void SendNcPaint(TWinControl* w) {
  PaintOf(w).FrameDirty = false;
  ++WS().Counts.FramePaints;
  SendMessage(w->HandleIfAllocated(), WM_NCPAINT, 1);
}

// Pre-order search for the first window that needs a client paint.
TWinControl* FindDirty(TWinControl* w) {
  if (!w->HandleAllocated() || !w->Visible() || !PaintOf(w).RedrawEnabled) return nullptr;
  if (!PaintOf(w).UpdateRgn.IsEmpty()) return w;
  for (int i = 0; i < w->ControlCount(); ++i)
    if (auto* c = AsWindowed(w->Controls(i)))
      if (TWinControl* d = FindDirty(c)) return d;
  return nullptr;
}

void UpdateTree(TWinControl* w, bool children) {
  if (!Paintable(w)) return;
  const HWND h = w->HandleIfAllocated();
  if (!w->Parent() && PaintOf(w).FrameDirty) SendNcPaint(w);
  if (TWinControl* again = FindControl(h); again && !PaintOf(again).UpdateRgn.IsEmpty()) SendPaint(again);
  if (!children) return;
  TWinControl* still = FindControl(h);
  if (!still) return;
  for (int i = 0; i < still->ControlCount(); ++i)
    if (auto* c = AsWindowed(still->Controls(i))) UpdateTree(c, true);
}

void InvalidateTree(TWinControl* w, const TRegion* clientRgn, uint32_t flags) {
  if (!w->HandleAllocated() || !w->Showing()) return;
  const TRect client = w->ClientRect();
  TWindowPaintState& paint = PaintOf(w);
  if (flags & RDW_INVALIDATE) {
    TRegion add = clientRgn ? clientRgn->Intersect(client) : TRegion(client);
    AddTo(paint.UpdateRgn, std::move(add));
    if (flags & RDW_ERASE) paint.EraseNeeded = true;
    if ((flags & RDW_FRAME) && !w->Parent()) paint.FrameDirty = true;
  }
  if (flags & RDW_VALIDATE) {
    if (clientRgn)
      paint.UpdateRgn = paint.UpdateRgn.Subtract(*clientRgn);
    else
      paint.UpdateRgn.Clear();
    if (flags & RDW_NOERASE) paint.EraseNeeded = false;
    if (flags & RDW_NOFRAME) paint.FrameDirty = false;
  }
  if (!(flags & RDW_ALLCHILDREN)) return;
  for (int i = 0; i < w->ControlCount(); ++i) {
    auto* c = AsWindowed(w->Controls(i));
    if (!c || !c->HandleAllocated()) continue;
    const TPoint o = c->ClientOffsetInParent();
    if (clientRgn) {
      TRegion sub = clientRgn->Offset(-o.X, -o.Y);
      InvalidateTree(c, &sub, flags);
    } else {
      InvalidateTree(c, nullptr, flags);
    }
  }
}

}  // namespace

// --- handles ---

TWinControl* FindControl(HWND window) {
  const auto& windows = WS().Windows;
  return window < windows.size() ? windows[window] : nullptr;
}

bool IsWindow(HWND window) { return FindControl(window) != nullptr; }

HWND AllocateWindowHandle(TWinControl* control) {
  const HWND h = WS().NextHandle++;
  WS().Windows.resize(std::max<size_t>(WS().Windows.size(), size_t{h} + 1), nullptr);
  WS().Windows[h] = control;
  ++WS().WindowCount;
  WindowLayoutChanged();
  // A new handle starts with nothing to paint and painting allowed.
  PaintOf(control) = TWindowPaintState{};
  if (!control->Parent()) {
    WS().TopLevels.push_back(h);
    WS().TopData[h] = TopLevelData{};
  }
  return h;
}

void ReleaseWindowHandle(HWND window) {
  auto& s = WS();
  if (window < s.Windows.size() && s.Windows[window]) {
    s.Windows[window] = nullptr;
    --s.WindowCount;
  }
  WindowLayoutChanged();
  s.TopLevels.erase(std::remove(s.TopLevels.begin(), s.TopLevels.end(), window), s.TopLevels.end());
  s.TopData.erase(window);
  if (s.Focus == window) s.Focus = 0;
  if (s.Capture == window) s.Capture = 0;
  if (s.Active == window) s.Active = 0;
  s.Timers.erase(std::remove_if(s.Timers.begin(), s.Timers.end(),
                                [&](const TimerRecord& t) { return t.Window == window; }),
                 s.Timers.end());
}

HWND GetParentWindow(HWND window) {
  TWinControl* w = FindControl(window);
  return w && w->Parent() ? w->Parent()->HandleIfAllocated() : 0;
}

TWinControl* TopLevelOf(const TWinControl* control) {
  const TWinControl* c = control;
  while (c && c->Parent()) c = c->Parent();
  return const_cast<TWinControl*>(c);
}

// --- messages ---

LRESULT SendMessage(HWND window, uint32_t msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* w = FindControl(window);
  if (!w) return 0;
  TMessage m{msg, wParam, lParam, 0};
  try {
    w->WindowProc(m);
  } catch (const std::exception& e) {
    if (!Application) throw;
    Application->HandleException(&e);
    return 0;
  } catch (...) {
    if (!Application) throw;
    Application->HandleException(nullptr);
    return 0;
  }
  return m.Result;
}

bool PostMessage(HWND window, uint32_t msg, WPARAM wParam, LPARAM lParam) {
  if (window && !IsWindow(window)) return false;
  WS().Queue.push_back(TMsg{window, msg, wParam, lParam, {}});
  return true;
}

void PostQuitMessage(int exitCode) { WS().Queue.push_back(TMsg{0, WM_QUIT, static_cast<WPARAM>(exitCode), 0, {}}); }

void PostRawInput(TMsg msg) { WS().Queue.push_back(std::move(msg)); }

bool HasQueuedMessages() { return !WS().Queue.empty(); }

void ClearMessageQueue() { WS().Queue.clear(); }

bool PeekMessage(TMsg& msg) {
  auto& s = WS();
  Backend()->PollEvents();
  if (!s.Queue.empty()) {
    msg = std::move(s.Queue.front());
    s.Queue.pop_front();
    return true;
  }
  for (HWND h : s.TopLevels) {
    TWinControl* top = FindControl(h);
    if (top && PaintOf(top).FrameDirty && Paintable(top)) {
      msg = TMsg{h, WM_NCPAINT, 1, 0, {}};
      return true;
    }
  }
  for (HWND h : s.TopLevels) {
    TWinControl* top = FindControl(h);
    if (!top || !Paintable(top)) continue;
    if (TWinControl* d = FindDirty(top)) {
      msg = TMsg{d->HandleIfAllocated(), WM_PAINT, 0, 0, {}};
      return true;
    }
  }
  const uint64_t now = Now();
  TimerRecord* due = nullptr;
  for (auto& t : s.Timers)
    if (t.Due <= now && (!due || t.Due < due->Due)) due = &t;
  if (due) {
    due->Due = now + std::max<uint32_t>(due->Interval, 1);
    msg = TMsg{due->Window, WM_TIMER, due->Id, 0, {}};
    return true;
  }
  return false;
}

void DispatchMessage(const TMsg& msg) {
  switch (msg.message) {
    case FM_RAWMOUSEMOVE:
    case FM_RAWMOUSEBUTTON:
    case FM_RAWWHEEL:
    case FM_RAWKEY:
    case FM_RAWTEXT:
    case FM_RAWLEAVE:
    case FM_WINDOWEVENT:
      RouteRawInput(msg);
      return;
    case WM_PAINT:
      if (TWinControl* w = FindControl(msg.hwnd)) SendPaint(w);
      return;
    case WM_NCPAINT:
      if (TWinControl* w = FindControl(msg.hwnd)) SendNcPaint(w);
      return;
    case WM_TIMER: {
      auto& timers = WS().Timers;
      for (auto& t : timers) {
        if (t.Window == msg.hwnd && t.Id == msg.wParam && t.Proc) {
          TTimerProc proc = t.Proc;  // the callback may kill its own timer
          try {
            proc();
          } catch (const std::exception& e) {
            if (!Application) throw;
            Application->HandleException(&e);
          }
          return;
        }
      }
      break;
    }
  }
  if (msg.hwnd) SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

// --- window state ---

uint32_t GetWindowLong(HWND window, int index) {
  TWinControl* w = FindControl(window);
  if (!w) return 0;
  return index == GWL_STYLE ? w->Style() : index == GWL_EXSTYLE ? w->ExStyle() : 0;
}

uint32_t SetWindowLong(HWND window, int index, uint32_t value) {
  TWinControl* w = FindControl(window);
  if (!w) return 0;
  uint32_t old = 0;
  if (index == GWL_STYLE) {
    old = w->Style();
    w->SetStyle(value);
  } else if (index == GWL_EXSTYLE) {
    old = w->ExStyle();
    w->SetExStyle(value);
  }
  return old;
}

bool IsWindowVisible(HWND window) {
  TWinControl* w = FindControl(window);
  return w && w->Showing();
}

bool IsWindowEnabled(HWND window) {
  TWinControl* w = FindControl(window);
  return w && w->Enabled();
}

TRect GetWindowRect(HWND window) {
  TWinControl* w = FindControl(window);
  if (!w) return {};
  if (!w->Parent()) return w->BoundsRect();
  const TPoint o = w->ClientOrigin();
  return TRect::FromBounds(o.X, o.Y, w->Width(), w->Height());
}

TRect GetClientRect(HWND window) {
  TWinControl* w = FindControl(window);
  return w ? w->ClientRect() : TRect{};
}

// --- painting ---

TRegion VisibleRegion(const TWinControl* w, bool wholeWindow) { return CachedVisibleRegion(w, wholeWindow); }

void WindowLayoutChanged() { ++WS().LayoutGeneration; }

TPaintCounts PaintCounts() { return WS().Counts; }

namespace {

// Reads every window that can cover or clip `w`: whatever it reads, a
// change of it must call WindowLayoutChanged.
TRegion ComputeVisibleRegion(const TWinControl* w, bool wholeWindow) {
  const TWinControl* top = TopLevelOf(w);
  const TPoint origin = wholeWindow ? WindowOriginInTop(w) : ClientOriginInTop(w);
  const TRect own = wholeWindow ? TRect::FromBounds(origin.X, origin.Y, w->Width(), w->Height())
                                : w->ClientRect().Offset(origin.X, origin.Y);
  TRegion rgn(own);
  const TPoint wo = WindowOriginInTop(w);
  if (PaintOf(w).WindowRgn) rgn = rgn.Intersect(PaintOf(w).WindowRgn->Offset(wo.X, wo.Y));
  for (const TWinControl* a = w->Parent(); a; a = a->Parent()) {
    const TPoint ao = ClientOriginInTop(a);
    rgn = rgn.Intersect(a->ClientRect().Offset(ao.X, ao.Y));
    if (PaintOf(a).WindowRgn) {
      const TPoint awo = WindowOriginInTop(a);
      rgn = rgn.Intersect(PaintOf(a).WindowRgn->Offset(awo.X, awo.Y));
    }
  }
  // Children show only inside the client area: one that reaches past it
  // must not take the frame's border from a whole-window paint.
  const TRegion clientArea(w->ClientRect().Offset(ClientOriginInTop(w).X, ClientOriginInTop(w).Y));
  for (int i = 0; i < w->ControlCount(); ++i)
    if (auto* c = AsWindowed(w->Controls(i)); c && WindowShown(c))
      rgn = rgn.Subtract(ShapeInTop(c).Intersect(clientArea));
  for (const TWinControl* n = w; n->Parent(); n = n->Parent()) {
    const TWinControl* p = n->Parent();
    bool above = false;
    for (int i = 0; i < p->ControlCount(); ++i) {
      const TControl* c = p->Controls(i);
      if (c == n) {
        above = true;
        continue;
      }
      if (!above) continue;
      if (auto* s = AsWindowed(c); s && WindowShown(s)) rgn = rgn.Subtract(ShapeInTop(s));
    }
  }
  if (top) {
    auto it = WS().TopData.find(top->HandleIfAllocated());
    if (it != WS().TopData.end() && it->second.Framebuffer)
      rgn = rgn.Intersect(TRect{0, 0, it->second.Framebuffer->Width(), it->second.Framebuffer->Height()});
    if (PaintOf(top).WindowRgn && top != w) rgn = rgn.Intersect(*PaintOf(top).WindowRgn);
  }
  return rgn;
}

}  // namespace

HDC BeginPaint(HWND window, TPaintStruct& ps) {
  TWinControl* w = FindControl(window);
  ps = TPaintStruct{};
  if (!w) return nullptr;
  TWindowPaintState& paint = PaintOf(w);
  TRegion rgn = std::move(paint.PaintRgn.IsEmpty() ? paint.UpdateRgn : paint.PaintRgn);
  const bool erase = paint.PaintErase || paint.EraseNeeded;
  paint.UpdateRgn.Clear();
  paint.PaintRgn.Clear();
  paint.EraseNeeded = false;
  paint.PaintErase = false;
  HDC dc = MakeDC(w, false, &rgn);
  if (!dc) return nullptr;
  ps.hdc = dc;
  ps.rcPaint = rgn.Bounds();
  PaintOf(w).InPaint = true;
  PaintOf(w).PaintingPicture = 0;
  if (erase) ps.fErase = SendMessage(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc)) == 0;
  return dc;
}

bool PaintShowsPicture(HDC dc, uint64_t stamp) {
  const WindowServices::TLiveDC* live = WS().FindLiveDC(dc);
  if (!live || !live->Paint) return false;
  TWinControl* w = FindControl(live->Window);
  if (!w) return false;
  TWindowPaintState& paint = PaintOf(w);
  paint.PaintingPicture = stamp;
  // Nothing may have been drawn since the paint began (WM_ERASEBKGND, a
  // corner put there first): the picture would have to cover it again. Nor
  // may another DC of the window be open: what it drew is not known yet.
  const auto otherOpen = std::any_of(WS().LiveDCs.begin(), WS().LiveDCs.end(), [&](const auto& other) {
    return other.Window == live->Window && other.Dc != dc;
  });
  const bool shown = stamp != 0 && paint.ShownPicture == stamp && paint.ShownLayout == WS().LayoutGeneration &&
                     live->Layout == WS().LayoutGeneration && !DrawnSince(*live, dc) && !otherOpen;
  if (shown) ++WS().Counts.PicturesKept;
  return shown;
}

void EndPaint(HWND window, TPaintStruct& ps) {
  TWinControl* w = FindControl(window);
  if (w) PaintOf(w).InPaint = false;
  if (ps.hdc) FinishDC(ps.hdc);
  ps.hdc = nullptr;
}

HDC GetDC(HWND window) {
  TWinControl* w = FindControl(window);
  return w ? MakeDC(w, false, nullptr) : nullptr;
}

HDC GetWindowDC(HWND window) {
  TWinControl* w = FindControl(window);
  return w ? MakeDC(w, true, nullptr) : nullptr;
}

void ReleaseDC(HWND, HDC dc) { FinishDC(dc); }

bool InvalidateRect(HWND window, const TRect* rect, bool erase) {
  TWinControl* w = FindControl(window);
  if (!w) return false;
  if (rect) {
    TRegion r(*rect);
    InvalidateTree(w, &r, RDW_INVALIDATE | (erase ? uint32_t{RDW_ERASE} : 0u));
  } else {
    InvalidateTree(w, nullptr, RDW_INVALIDATE | (erase ? uint32_t{RDW_ERASE} : 0u));
  }
  return true;
}

bool InvalidateRgn(HWND window, const TRegion* rgn, bool erase) {
  TWinControl* w = FindControl(window);
  if (!w) return false;
  InvalidateTree(w, rgn, RDW_INVALIDATE | (erase ? uint32_t{RDW_ERASE} : 0u));
  return true;
}

bool ValidateRect(HWND window, const TRect* rect) {
  TWinControl* w = FindControl(window);
  if (!w) return false;
  if (rect) {
    TRegion r(*rect);
    InvalidateTree(w, &r, RDW_VALIDATE);
  } else {
    InvalidateTree(w, nullptr, RDW_VALIDATE);
  }
  return true;
}

void InvalidateFrame(HWND window) {
  if (TWinControl* w = FindControl(window)) PaintOf(w).FrameDirty = true;
}

void SetWindowRedraw(HWND window, bool on) {
  if (TWinControl* w = FindControl(window)) PaintOf(w).RedrawEnabled = on;
}

void DiscardUpdateRegion(HWND window) {
  if (TWinControl* w = FindControl(window)) PaintOf(w).UpdateRgn.Clear();
}

bool UpdateWindow(HWND window) {
  TWinControl* w = FindControl(window);
  if (!w) return false;
  UpdateTree(w, false);
  return true;
}

bool RedrawWindow(HWND window, const TRect* rect, const TRegion* rgn, uint32_t flags) {
  TWinControl* w = FindControl(window);
  if (!w) return false;
  std::optional<TRegion> area;
  if (rgn)
    area = *rgn;
  else if (rect)
    area = TRegion(*rect);
  if (flags & (RDW_INVALIDATE | RDW_VALIDATE)) InvalidateTree(w, area ? &*area : nullptr, flags);
  if ((flags & RDW_FRAME) && (flags & RDW_INVALIDATE) && !w->Parent()) PaintOf(w).FrameDirty = true;
  if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) UpdateTree(w, (flags & RDW_ALLCHILDREN) != 0);
  return true;
}

int SetWindowRgn(HWND window, std::optional<TRegion> rgn, bool redraw) {
  TWinControl* w = FindControl(window);
  if (!w) return 0;
  TWindowPaintState& paint = PaintOf(w);
  paint.WindowRgn = std::move(rgn);
  WindowLayoutChanged();
  // A top-level window's region is its shape on the desktop.
  if (!w->Parent()) {
    auto top = WS().TopData.find(window);
    if (top != WS().TopData.end() && top->second.NativeCreated)
      Backend()->SetNativeShape(window, paint.WindowRgn ? &*paint.WindowRgn : nullptr);
  }
  if (redraw) {
    if (w->Parent()) {
      w->Parent()->ExposeRect(w->BoundsRect());
    } else {
      PaintOf(w).FrameDirty = true;
    }
    InvalidateTree(w, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
  return 1;
}

int GetWindowRgn(HWND window, TRegion* rgn) {
  TWinControl* w = FindControl(window);
  if (!w || !PaintOf(w).WindowRgn) return 0;
  if (rgn) *rgn = *PaintOf(w).WindowRgn;
  return PaintOf(w).WindowRgn->Rects().size() > 1 ? COMPLEXREGION : SIMPLEREGION;
}

void UpdateAllWindows() {
  auto tops = WS().TopLevels;
  for (HWND h : tops)
    if (TWinControl* top = FindControl(h)) UpdateTree(top, true);
}

void PresentAll() {
  for (auto& [h, data] : WS().TopData) {
    if (!data.Framebuffer || data.Dirty.IsEmpty() || !data.NativeCreated) continue;
    Backend()->Present(h, *data.Framebuffer, data.Dirty);
    data.Dirty.Clear();
  }
}

const TBitmap* WindowFramebuffer(HWND topLevel) {
  auto it = WS().TopData.find(topLevel);
  return it == WS().TopData.end() ? nullptr : it->second.Framebuffer.get();
}

// Called by forms: the native window and framebuffer of a top-level window.
void CreateTopLevelSurface(TWinControl* form, const std::string& title) {
  auto it = WS().TopData.find(form->HandleIfAllocated());
  if (it == WS().TopData.end()) return;
  TopLevelData& d = it->second;
  d.Framebuffer = std::make_unique<TBitmap>(std::max(1, form->Width()), std::max(1, form->Height()));
  d.Framebuffer->Fill(clBackground);
  WindowLayoutChanged();
  Backend()->CreateNativeWindow(form->HandleIfAllocated(), form->BoundsRect(), title);
  d.NativeCreated = true;
  if (PaintOf(form).WindowRgn) Backend()->SetNativeShape(form->HandleIfAllocated(), &*PaintOf(form).WindowRgn);
}

void ResizeTopLevelSurface(TWinControl* form) {
  auto it = WS().TopData.find(form->HandleIfAllocated());
  if (it == WS().TopData.end() || !it->second.Framebuffer) return;
  it->second.Framebuffer->SetSize(std::max(1, form->Width()), std::max(1, form->Height()));
  WindowLayoutChanged();
  it->second.Dirty = TRegion(TRect{0, 0, form->Width(), form->Height()});
  Backend()->SetNativeBounds(form->HandleIfAllocated(), form->BoundsRect());
}

void MarkTopLevelDirty(HWND topLevel) {
  auto it = WS().TopData.find(topLevel);
  if (it == WS().TopData.end() || !it->second.Framebuffer) return;
  it->second.Dirty =
      TRegion(TRect{0, 0, it->second.Framebuffer->Width(), it->second.Framebuffer->Height()});
}

// --- focus, capture, activation ---

HWND GetFocus() { return WS().Focus; }

HWND SetFocus(HWND window) {
  auto& s = WS();
  const HWND old = s.Focus;
  if (window && !IsWindow(window)) return old;
  if (old == window) return old;
  s.Focus = window;
  if (old) SendMessage(old, WM_KILLFOCUS, window);
  if (window && s.Focus == window) {
    if (TWinControl* top = TopLevelOf(FindControl(window))) s.Active = top->HandleIfAllocated();
    SendMessage(window, WM_SETFOCUS, old);
  }
  return old;
}

HWND GetCapture() { return WS().Capture; }

HWND SetCapture(HWND window) {
  const HWND old = WS().Capture;
  if (old == window) return old;
  WS().Capture = window;
  Backend()->CaptureMouse(window != 0);
  if (old) SendMessage(old, WM_CAPTURECHANGED, 0, static_cast<LPARAM>(window));
  return old;
}

void ReleaseCapture() { SetCapture(0); }

HWND GetActiveWindow() { return WS().Active; }

void SetActiveWindowHandle(HWND window) { WS().Active = window; }

TWindowServiceCounts WindowServiceCounts() {
  const auto& s = WS();
  return {s.WindowCount, s.Timers.size(), s.LiveDCs.size()};
}

// --- timers ---

uintptr_t SetTimer(HWND window, uintptr_t id, uint32_t elapseMs, TTimerProc proc) {
  auto& s = WS();
  if (window && !IsWindow(window)) return 0;
  // Timers without a window get an id of their own; window timers keep the caller's.
  if (!window) id = s.NextTimerId++;
  for (auto& t : s.Timers) {
    if (t.Window == window && t.Id == id) {
      t.Interval = elapseMs;
      t.Due = Now() + std::max<uint32_t>(elapseMs, 1);
      t.Proc = std::move(proc);
      return id;
    }
  }
  s.Timers.push_back(TimerRecord{window, id, elapseMs, Now() + std::max<uint32_t>(elapseMs, 1), std::move(proc)});
  return id;
}

bool KillTimer(HWND window, uintptr_t id) {
  auto& t = WS().Timers;
  auto it = std::remove_if(t.begin(), t.end(), [&](const TimerRecord& r) { return r.Window == window && r.Id == id; });
  const bool found = it != t.end();
  t.erase(it, t.end());
  return found;
}

std::optional<uint64_t> NextTimerDue() {
  std::optional<uint64_t> due;
  for (auto& t : WS().Timers)
    if (!due || t.Due < *due) due = t.Due;
  return due;
}

// --- metrics ---

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXSCREEN:
      return Backend()->ScreenSize().cx;
    case SM_CYSCREEN:
      return Backend()->ScreenSize().cy;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
      return 17;
    case SM_CYCAPTION:
      return 24;
    case SM_CXBORDER:
    case SM_CYBORDER:
      return 1;
    case SM_CXFIXEDFRAME:
    case SM_CYFIXEDFRAME:
      return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
      return 4;
    case SM_CYMENU:
      return 20;
    case SM_CXSIZE:
    case SM_CYSIZE:
      return 22;
    case SM_CXEDGE:
    case SM_CYEDGE:
      return 2;
    case SM_CYSMCAPTION:
      return 17;
    case SM_CXSMSIZE:
    case SM_CYSMSIZE:
      return 15;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
      return 4;
    default:
      return 0;
  }
}

uint32_t GetDoubleClickTime() { return 500; }

void ResetWindowServices() {
  auto& s = WS();
  s.Queue.clear();
  s.Timers.clear();
  s.Focus = s.Capture = s.Active = 0;
}
