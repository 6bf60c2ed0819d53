#include "framework/components/Clock.h"

#include "framework/backend/Backend.h"

uint32_t GetTickCount() { return static_cast<uint32_t>(Backend()->NowMs()); }
uint64_t GetTickCount64() { return Backend()->NowMs(); }
void Sleep(uint32_t ms) { Backend()->Sleep(ms); }
