// The input router: raw input from a backend waits in the message queue and
// is routed when it is taken out, so the window under the mouse, the capture
// and the focus are those of that moment. It tracks the control under the
// mouse (CM_MOUSEENTER / CM_MOUSELEAVE), holds the capture while a button is
// down, turns quick second presses into double clicks for controls that
// want them, and turns keys into key and character messages.
#pragma once

#include <string>

#include "framework/backend/BackendSink.h"
#include "framework/base/Types.h"
#include "framework/components/Control.h"
#include "framework/messages/Messages.h"

class TControl;
class TWinControl;
struct TMsg;

// Queue raw input for a top-level window; points are window coordinates.
void PostRawMouseMove(HWND topLevel, TPoint windowPoint);
void PostRawMouseButton(HWND topLevel, TPoint windowPoint, int button, bool down);
void PostRawWheel(HWND topLevel, TPoint windowPoint, int delta);
void PostRawMouseLeave(HWND topLevel);
void PostRawKey(int vk, bool down, bool repeat = false);
void PostRawText(const std::string& utf8);
void PostWindowEvent(HWND topLevel, TWindowEvent event, TPoint position = {});

// Routes one raw-input message taken from the queue.
void RouteRawInput(const TMsg& msg);

// The control under the mouse, as last routed.
TControl* InputMouseControl();
// A non-windowed control that holds the mouse capture of its parent.
TControl* InputCaptureControl();
void InputSetCaptureControl(TControl* control);
// Forgets a control that is being destroyed.
void InputForgetControl(TControl* control);
// The modifier keys held now, as the key messages routed so far left them.
TShiftState KeyShiftState();
// The last mouse position in screen coordinates.
TPoint InputMousePos();
void InputResetState();
