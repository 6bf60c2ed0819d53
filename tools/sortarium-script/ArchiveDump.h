// The start-up archives as the driver reports them.
#pragma once

#include <string>

// {"preloaded": [{"name", "fullName", "tag", "local", "central", "comment",
//  "entries": [{"name", "method", "size", "compressedSize"}]}],
//  "storedSkin": {"fileName", "bytes"}}
std::string DumpArchives();
