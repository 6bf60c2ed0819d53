#include "skin/sCacheInfo.h"

TCacheInfo SharedCacheInfo;
TColor SharedColor = kNoSharedColor;
