// One image line of the skin text form: the key is the image's role
// (PropertyName), the value's first character picks how the rest reads.
//
//   '!'  !FILE.BMP!count!maskType!imgType[!WL!WT!WR!WB[!stretch]]  own bitmap
//   '@'  @LLLL,TTTT,RRRR,BBBB,c,m                         glyph in the master bitmap
//   '^'  ^LLLL,TTTT,RRRR,BBBB,WLWL,WTWT,WRWR,WBWB,c,m,s,b border in the master bitmap
//   '~'  ~LLLL,TTTT,RRRR,BBBB,ss[,m]                      texture in the master bitmap
//   ... # [L,T,R,B] [count,maskType,borderWidth,stretch]  border in the master bitmap
//   FILE.BMP                                             own bitmap
//   FILE.JPG                                             texture or pattern
//
// The '@', '^' and '~' forms are fixed-position: four-digit rectangle
// numbers at characters 2, 7, 12 and 17 (counted from 1), the rest as shown.
#pragma once

#include <string>

#include "skin/pixels/sMaskData.h"

class TsSkinFolder;

enum class TsImageLineRules {
  SkinFile,  // every form
  Overlay,   // own .BMP files and the bracket form only; JPEGs always become patterns
};

struct TsImageLineContext {
  const TsSkinFolder* Folder = nullptr;
  TsImageLineRules Rules = TsImageLineRules::SkinFile;
  bool MasterLoaded = false;  // the overlay's bracket form needs the master bitmap
  TsSkinManager* Manager = nullptr;
  std::string Where;  // " in Options.dat, line N", for errors
};

// What one line gave: nothing (ignored or a missing file), an image, or a
// pattern. Malformed numbers and fields throw EConvertError; a file name
// that leaves the skin folder throws EReadError.
struct TsImageLineResult {
  bool HasMask = false;
  TsMaskData Mask;
  bool HasPattern = false;
  TsPatternData Pattern;
};

TsImageLineResult ReadImageLine(const std::string& section, const std::string& property, const std::string& value,
                                const TsImageLineContext& context);

// JPEG pictures up to this many pixels are textures drawn from an own
// bitmap; larger ones are kept as patterns.
inline constexpr long long kLargestJpegTexture = 89999;
