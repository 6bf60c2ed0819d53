// The windowing floor's side of the backend sink: input and window events
// go into the message queue for the input router, a resize of the native
// window moves the form at once, and questions are answered from the window
// services.
#pragma once

#include "framework/backend/BackendSink.h"

// The one sink of the process; InitializeFramework installs it.
TBackendSink& WindowingSink();
