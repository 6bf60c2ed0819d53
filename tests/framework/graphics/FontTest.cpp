#include "framework/graphics/Font.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "framework/graphics/FontEngine.h"
#include "framework/graphics/Gdi.h"

namespace {

TLogFont LogFont(int height, TFontStyles style = {}, const std::string& name = "MS Sans Serif") {
  TLogFont s;
  s.Name = name;
  s.Height = height;
  s.Style = style;
  return s;
}

// --- TFont ---

TEST(FontTest, SettersNotifyOnlyOnRealChanges) {
  TFont font;
  int calls = 0;
  font.OnChange = [&] { ++calls; };
  struct TCase {
    const char* what;
    std::function<void()> change;
    int expected;  // calls after the step
  };
  const std::vector<TCase> steps = {
      {"same name", [&] { font.SetName("MS Sans Serif"); }, 0},
      {"new name", [&] { font.SetName("Arial"); }, 1},
      {"same height", [&] { font.SetHeight(-11); }, 1},
      {"new height", [&] { font.SetHeight(-16); }, 2},
      {"size giving the same height", [&] { font.SetSize(12); }, 2},
      {"new size", [&] { font.SetSize(10); }, 3},
      {"same style", [&] { font.SetStyle({}); }, 3},
      {"bold", [&] { font.SetStyle({fsBold}); }, 4},
      {"same charset", [&] { font.SetCharset(DEFAULT_CHARSET); }, 4},
      {"russian", [&] { font.SetCharset(RUSSIAN_CHARSET); }, 5},
      {"same colour", [&] { font.SetColor(clWindowText); }, 5},
      {"red", [&] { font.SetColor(clRed); }, 6},
      {"same pitch", [&] { font.SetPitch(TFontPitch::fpDefault); }, 6},
      {"fixed pitch", [&] { font.SetPitch(TFontPitch::fpFixed); }, 7},
  };
  for (const TCase& step : steps) {
    step.change();
    EXPECT_EQ(calls, step.expected) << step.what;
  }
}

TEST(FontTest, CopyTakesValuesButKeepsOwnListener) {
  TFont source;
  int sourceCalls = 0;
  source.OnChange = [&] { ++sourceCalls; };
  source.SetName("Arial");
  source.SetHeight(-96);
  source.SetStyle({fsItalic, fsUnderline});
  source.SetColor(clBlue);
  sourceCalls = 0;

  TFont target;
  int targetCalls = 0;
  target.OnChange = [&] { ++targetCalls; };
  target = source;
  EXPECT_TRUE(target == source);
  EXPECT_EQ(targetCalls, 1) << "the copy changed the target";
  EXPECT_EQ(sourceCalls, 0);
  target.SetHeight(-11);
  EXPECT_EQ(targetCalls, 2) << "the target must keep its own listener";
  EXPECT_EQ(sourceCalls, 0) << "the source's listener must not be copied";
  const TFont& self = target;
  target = self;
  EXPECT_EQ(targetCalls, 2) << "assigning a font to itself changes nothing";

  TFont viaAssign;
  viaAssign.Assign(source);
  EXPECT_TRUE(viaAssign == source);
  EXPECT_FALSE(static_cast<bool>(viaAssign.OnChange));
  TFont copied(source);
  EXPECT_FALSE(static_cast<bool>(copied.OnChange)) << "copy construction took the listener";
}

TEST(FontTest, AssignFromAnotherKindFails) {
  class TOther : public TPersistent {};
  TFont font;
  EXPECT_THROW(font.Assign(TOther()), EConvertError);
}

TEST(FontTest, SizeAndHeightConvertAt96Dpi) {
  struct TCase {
    int size;
    int height;
  };
  // Height = -round(Size * 96 / 72).
  const TCase cases[] = {{8, -11}, {9, -12}, {10, -13}, {12, -16}, {14, -19}, {24, -32}, {72, -96}, {0, 0}, {1, -1}};
  for (const TCase& c : cases) {
    TFont font;
    font.SetSize(c.size);
    EXPECT_EQ(font.Height(), c.height) << "size " << c.size;
    EXPECT_EQ(font.Size(), c.size) << "height " << c.height;
  }
  // A positive (cell) height gives a negative size; extremes do not overflow.
  TFont font;
  font.SetHeight(64);
  EXPECT_EQ(font.Size(), -48);
  font.SetHeight(INT32_MIN);
  EXPECT_GT(font.Size(), 0);
}

// --- the sign rule ---

TEST(FontTest, SignRuleOnInstalledFaces) {
  // Negative heights are the em: the cell is taller by the internal leading.
  // Positive heights are the cell itself, exactly.
  const int heights[] = {-11, -13, -16, -32, -96, 13, 64, 86, 120};
  for (const char* name : {"MS Sans Serif", "Arial", "DejaVu Sans"}) {
    for (TFontStyles style : {TFontStyles{}, TFontStyles{fsBold}}) {
      for (int h : heights) {
        const TTextMetric tm = FontMetrics(LogFont(h, style, name));
        const std::string what = std::string(name) + " height " + std::to_string(h);
        EXPECT_EQ(tm.Height, tm.Ascent + tm.Descent) << what;
        EXPECT_GT(tm.Descent, 0) << what;
        EXPECT_GE(tm.ExternalLeading, 0) << what;
        EXPECT_GT(tm.AveCharWidth, 0) << what;
        EXPECT_GE(tm.MaxCharWidth, tm.AveCharWidth) << what;
        if (h < 0) {
          EXPECT_GT(tm.InternalLeading, 0) << what;
          EXPECT_EQ(tm.Height, -h + tm.InternalLeading) << what;
        } else {
          EXPECT_EQ(tm.Height, h) << what;
          EXPECT_GT(tm.InternalLeading, 0) << what;
        }
      }
    }
  }
}

TEST(FontTest, ScaleForHeightKeepsCellExactForAnyDesign) {
  // Designs with awkward proportions, including none at all.
  const font_engine::TDesignMetrics designs[] = {
      {2048, 1854, 434, 67}, {1000, 1100, 300, 0}, {2048, 1901, 483, 0}, {1000, 0, 0, 0}, {0, 800, 200, 90}};
  for (const auto& d : designs) {
    int lastEm = 0;
    for (int h = 1; h <= 300; ++h) {
      const auto m = font_engine::ScaleForHeight(d, h);
      ASSERT_EQ(m.Ascent + m.Descent, h) << "upem " << d.UnitsPerEm << " height " << h;
      ASSERT_GE(m.Descent, 0);
      ASSERT_GE(m.ExternalLeading, 0);
      ASSERT_GE(m.EmPixels, lastEm - 0.001) << "em size must grow with the height";
      lastEm = static_cast<int>(m.EmPixels);
      const auto n = font_engine::ScaleForHeight(d, -h);
      ASSERT_EQ(n.EmPixels, h);
      ASSERT_EQ(n.Ascent + n.Descent, h + n.InternalLeading);
    }
  }
  // Absurd heights are bounded instead of asking the rasteriser for miles.
  const auto huge = font_engine::ScaleForHeight(designs[0], -100000);
  EXPECT_EQ(huge.EmPixels, font_engine::kMaxPixelHeight);
  EXPECT_EQ(font_engine::ScaleForHeight(designs[0], INT32_MIN).EmPixels, font_engine::kMaxPixelHeight);
  EXPECT_GT(font_engine::ScaleForHeight(designs[0], 0).EmPixels, 0) << "height 0 means a default size";
}

// --- choosing faces ---

TEST(FontTest, ClassicNamesResolveToInstalledSans) {
  for (const char* name : {"MS Sans Serif", "Arial", "Helvetica", "Tahoma", "Verdana", "ms sans serif"}) {
    const auto face = font_engine::ResolveFace(name, false, false);
    EXPECT_EQ(face.Family, "Liberation Sans") << name;
    EXPECT_FALSE(face.SyntheticBold || face.SyntheticItalic) << name;
  }
  // A name nobody has still gets a sans face, not a serif or a symbol font.
  for (const char* name : {"No Such Font 123", ""}) {
    const auto face = font_engine::ResolveFace(name, false, false);
    EXPECT_NE(face.Family.find("Sans"), std::string::npos) << name << " -> " << face.Family;
  }
}

TEST(FontTest, StylesUseRealFacesWhenInstalled) {
  const auto regular = font_engine::ResolveFace("Arial", false, false);
  const auto bold = font_engine::ResolveFace("Arial", true, false);
  const auto italic = font_engine::ResolveFace("Arial", false, true);
  const auto both = font_engine::ResolveFace("Arial", true, true);
  EXPECT_NE(bold.File, regular.File);
  EXPECT_NE(italic.File, regular.File);
  EXPECT_NE(both.File, bold.File);
  EXPECT_FALSE(bold.SyntheticBold);
  EXPECT_FALSE(italic.SyntheticItalic);
  EXPECT_FALSE(both.SyntheticBold || both.SyntheticItalic);
  EXPECT_GT(TextExtent(LogFont(-16, {fsBold}, "Arial"), "Sortarium").cx, TextExtent(LogFont(-16, {}, "Arial"), "Sortarium").cx);
}

// A family installed with a regular face only, or empty when there is none.
std::string FamilyWithoutBold() {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_WEIGHT, FC_CHARSET, nullptr);
  FcFontSet* set = FcFontList(nullptr, pattern, objects);
  std::map<std::string, int> heaviest;
  std::map<std::string, bool> latin;
  for (int i = 0; set && i < set->nfont; ++i) {
    FcChar8* family = nullptr;
    int weight = 0;
    FcCharSet* chars = nullptr;
    if (FcPatternGetString(set->fonts[i], FC_FAMILY, 0, &family) != FcResultMatch) continue;
    FcPatternGetInteger(set->fonts[i], FC_WEIGHT, 0, &weight);
    const std::string name = reinterpret_cast<const char*>(family);
    heaviest[name] = std::max(heaviest[name], weight);
    if (FcPatternGetCharSet(set->fonts[i], FC_CHARSET, 0, &chars) == FcResultMatch)
      latin[name] = latin[name] || (FcCharSetHasChar(chars, 'x') && FcCharSetHasChar(chars, 'W'));
  }
  if (set) FcFontSetDestroy(set);
  FcObjectSetDestroy(objects);
  FcPatternDestroy(pattern);
  for (const auto& [name, weight] : heaviest)
    if (weight < FC_WEIGHT_DEMIBOLD && latin[name]) return name;
  return {};
}

TEST(FontTest, BoldIsSynthesisedOnlyWithoutABoldFace) {
  const std::string family = FamilyWithoutBold();
  if (family.empty()) GTEST_SKIP() << "every installed family has a bold face";
  const auto face = font_engine::ResolveFace(family, true, false);
  if (face.Family != family) GTEST_SKIP() << family << " is not chosen by its own name";
  EXPECT_TRUE(face.SyntheticBold) << family;
  const TTextMetric regular = FontMetrics(LogFont(-20, {}, family));
  const TTextMetric bold = FontMetrics(LogFont(-20, {fsBold}, family));
  EXPECT_GT(bold.AveCharWidth, regular.AveCharWidth) << "synthesised bold must widen the advance";
  EXPECT_EQ(bold.Height, regular.Height);
}

TEST(FontTest, CyrillicAndFallbackCharactersMeasure) {
  auto font = font_engine::Instance(LogFont(-16));
  // Cyrillic lives in the face itself; the snowman and the CJK character
  // come from whatever face fontconfig finds for them.
  for (char32_t cp : {U'Ж', U'я', U'Ё', U'\u2603', U'\u4E00'}) {
    EXPECT_GT(font->Advance(cp), 0) << std::hex << static_cast<unsigned>(cp);
  }
  const auto* g = font->Glyph(U'Ж');
  ASSERT_NE(g, nullptr);
  EXPECT_GT(g->Width, 0);
  EXPECT_GT(g->Height, 0);
  // Control characters take no room and draw nothing.
  for (char32_t cp : {U'\t', U'\r', U'\n', U'\x7F'}) {
    EXPECT_EQ(font->Advance(cp), 0);
    EXPECT_EQ(font->Glyph(cp), nullptr);
  }
  // A code point no face has: the missing-glyph box, not a crash.
  font->Glyph(U'\U0010FFFD');
  EXPECT_GT(TextExtent(LogFont(-16), "Заполнить").cx, TextExtent(LogFont(-16), "Запол").cx);
}

TEST(FontTest, CachesStayBounded) {
  // Many sizes of a large glyph would need far more than the cache may hold.
  for (int h = -40; h >= -400; h -= 4) {
    auto font = font_engine::Instance(LogFont(h));
    ASSERT_NE(font->Glyph(U'W'), nullptr);
    ASSERT_NE(font->Glyph(U'Ж'), nullptr);
  }
  const auto stats = font_engine::CacheStats();
  EXPECT_LE(stats.GlyphBytes, font_engine::kGlyphCacheBytes);
  EXPECT_LE(stats.Glyphs, font_engine::kGlyphCacheEntries);
  EXPECT_LE(stats.Instances, font_engine::kInstanceCacheEntries);
  EXPECT_GT(stats.Glyphs, 0u);
}

TEST(FontTest, GlyphCoverageSurvivesEviction) {
  // The image handed out stays usable until the next Glyph call, even when
  // that image was the last one stored before the cache filled up.
  auto small = font_engine::Instance(LogFont(-16));
  const auto* first = small->Glyph(U'A');
  ASSERT_NE(first, nullptr);
  std::vector<uint8_t> before(first->Coverage, first->Coverage + first->Width * first->Height);
  for (int h = -100; h >= -500; h -= 5) font_engine::Instance(LogFont(h))->Glyph(U'M');
  const auto* again = small->Glyph(U'A');
  ASSERT_NE(again, nullptr);
  std::vector<uint8_t> after(again->Coverage, again->Coverage + again->Width * again->Height);
  EXPECT_EQ(before, after) << "a re-rendered glyph must match the first rendering";
}

}  // namespace
