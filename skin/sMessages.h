// The skin command message. Everything the skin manager, the forms' frame
// providers, container controls and skinned controls tell or ask each other
// travels as SM_KAVRACMD with a command code in the high word of WParam:
// announcements (a new skin, a removed skin, a repaint), questions answered
// in the caller's own record (LParam = 1 means yes), and requests to publish
// something into SharedCacheInfo or SharedColor (below).
//
// Because a query's answer is written into the record the receiver was
// given, queries reach their receiver by direct dispatch (WindowProc); the
// same query sent through SendMessage only yields the receiver's Result.
#pragma once

#include <cstdint>
#include <optional>

#include "framework/base/Colors.h"
#include "framework/messages/Messages.h"
#include "skin/pixels/sCacheInfo.h"

class TControl;
class TWinControl;
class TsSkinManager;

// The answer slots of SKC_GETCACHE and SKC_GETCOLOR. There is one UI
// thread, so one slot of each is enough: the asker resets the slot, sends
// the command and reads the slot right after it returns; nothing else
// touches them.
extern TCacheInfo SharedCacheInfo;
// The colour a receiver answered with, or kNoSharedColor when nobody did.
extern TColor SharedColor;
inline constexpr TColor kNoSharedColor = kNoColor;

// A fixed value, known before any window exists.
inline constexpr uint32_t SM_KAVRACMD = 0xA100;

// Command codes (high word of WParam). Commands with a switch read a low
// word of 1 as on, anything else as off.
enum : uint16_t {
  SKC_NEWSKIN = 1,            // LParam = manager: re-resolve indexes, rebuild the look
  SKC_REMOVESKIN = 2,         // LParam = manager: drop indexes and cache, look plain
  SKC_REFRESH = 3,            // LParam = manager: invalidate the cache and repaint
  SKC_GETPROVIDER = 4,        // Result = the form's frame provider (TsFrameProvider*), 0 = none
  SKC_GETCACHE = 5,           // fill SharedCacheInfo with the receiver's cache
  SKC_PARENTPAINTED = 6,      // the parent has painted: a waiting child repaints
  SKC_ISSKINAWARE = 7,        // LParam = 1 from every skinned control and frame provider
  SKC_SETUPDATING = 8,        // low word: on/off
  SKC_SETKEEPCACHE = 9,       // low word: on/off
  SKC_GETUPDATING = 10,       // LParam = 1 when the background is stale or updating
  SKC_GETHALFVISIBLE = 11,    // LParam = HalfVisible
  SKC_INVALIDATEIFTRANSPARENT = 12,
  SKC_SECTIONEDITED = 13,
  SKC_SETLINKEDCONTROL = 15,  // LParam = object
  SKC_STOPFADING = 16,        // stop and discard a running fade
  SKC_INVALIDATECACHE = 17,
  SKC_GETPOSITIONDEPENDENT = 19,  // LParam = 1 when the background varies with position
  SKC_POSITIONCHANGED = 20,   // low word 1: also redraw
  SKC_GETCOLOR = 21,          // write the background colour into SharedColor
  SKC_SETHALFVISIBLE = 22,
  SKC_PREPARECACHE = 23,      // rebuild the cache without painting the window
  SKC_RELEASEREGION = 24,     // LParam = fade frame bitmap; Result != 0: shown by the receiver
  SKC_ADAPTCONTROL = 25,      // LParam = control, to the form's frame provider
  SKC_GETDISABLEDKIND = 26,
  SKC_BEGINSCROLL = 51,
  SKC_ENDSCROLL = 52,         // LParam: low word the scroll request, high word the scroll message
  SKC_MENUMOUSELEAVE = 675,
};

// WParam of a skin command: the code in the high word, the switch below.
constexpr WPARAM SkinCommandWParam(uint16_t code, uint16_t arg = 0) { return MakeWParam(arg, code); }
// The command code of a message, or 0 when it is not a skin command.
inline uint16_t SkinCommandCode(const TMessage& m) { return m.Msg == SM_KAVRACMD ? m.WParamHi() : 0; }
// The manager a command names in LParam.
inline TsSkinManager* CommandManager(const TMessage& m) { return reinterpret_cast<TsSkinManager*>(m.LParam); }
inline LPARAM ManagerParam(const TsSkinManager* manager) { return reinterpret_cast<LPARAM>(manager); }

// What the skin manager needs of a form's frame provider after a skin
// change. The provider answers SKC_GETPROVIDER with a pointer to this part
// of itself.
class TsFrameProvider {
 public:
  virtual ~TsFrameProvider() = default;
  // The manager whose skin the frame is painted with.
  virtual TsSkinManager* FrameSkinManager() const = 0;
  // Shows the change from the window's old look to its new one over `ms`.
  virtual void AnimateSkinChange(int ms) = 0;
  // Repaints the window frame from the current skin.
  virtual void RepaintFrame() = 0;
};

// --- transport; all synchronous ---

// Through the window services (SendMessage); answers the receiver's Result.
LRESULT SendSkinCommand(HWND window, uint16_t code, LPARAM lParam = 0);
// A windowed control gets the command through its window unless it is
// being destroyed or has no window yet (answer 0); a non-windowed one gets
// direct dispatch. `arg` is the switch in the low word of WParam.
LRESULT PerformSkinCommand(TControl* control, uint16_t code, LPARAM lParam = 0, uint16_t arg = 0);
// A yes/no question: first by direct dispatch (yes when LParam came back as
// 1), then through the control's window (yes when Result is 1).
bool AskSkinCommand(TControl* control, uint16_t code);
// The child walk: non-windowed children get a copy by direct dispatch,
// skin-aware windowed children get `message` itself through their
// WindowProc, and other windowed children are walked through to their own
// children. The child count is read again at every step; a child being
// destroyed, or a failure in a child's handler, ends this container's walk.
void BroadcastToChildren(TWinControl* container, TMessage& message);
// SKC_PARENTPAINTED to every windowed child not being destroyed.
void NotifyChildrenParentPainted(TWinControl* container);
// The background colour the control's window answers with, else its own
// Color; resolved to RGB.
TColor GetParentColor(TControl* control);
// Tells the control's form that a control joined it (SKC_ADAPTCONTROL).
void AnnounceControl(TControl* control);

// --- delivery to the whole application ---

// To every form the application owns, from the last to the first, skipping
// MDI children and forms being loaded or destroyed: the form's window gets
// the message, then its children get the child walk with the same record.
void DeliverToAllForms(TMessage& message);
// Freezes drawing (WM_SETREDRAW 0) of every visible top-level form, last to
// first.
void StopFormsRedraw();
// Thaws the same forms, first to last, and redraws each at once with all
// its children; a form whose frame belongs to `manager` first shows the
// change as an animation of `skinChangeMs` (when the manager animates skin
// changes) and gets its frame repainted.
void ResumeFormsRedraw(const TsSkinManager& manager, std::optional<int> skinChangeMs);
