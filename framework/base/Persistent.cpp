#include "framework/base/Persistent.h"

#include "framework/base/SysUtils.h"

void TPersistent::Assign(const TPersistent& source) {
  throw EConvertError(Format("Cannot assign a %s to a %s", {source.ClassName(), ClassName()}));
}
