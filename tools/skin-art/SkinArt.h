// The skin-art generator: the section table, the image layout, the
// drawings for every image rectangle, the composition of the master bitmap
// and the checks that the result must pass before anything is written.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Painter.h"
#include "skin/sStoredSkin.h"

// The skin's colours (0x00BBGGRR).
namespace skin_colors {
inline constexpr int Ground = 0xF1CEB0;  // light blue ground
inline constexpr int Navy = 0x60421E;    // contours
inline constexpr int Steel = 0xAB7949;   // steel blue accent
inline constexpr int Bright = 0xD18C2E;  // bright blue accent
inline constexpr int White = 0xFFFFFF;
inline constexpr int Panel = 15390916;
inline constexpr int Magenta = 0xFF00FF;  // transparent in every image
}  // namespace skin_colors

// The accent colours ready for drawing, and the state frames every drawing
// is asked for.
inline const TArtRgb kNavy = ArtRgb(skin_colors::Navy);
inline const TArtRgb kSteel = ArtRgb(skin_colors::Steel);
inline const TArtRgb kBright = ArtRgb(skin_colors::Bright);
inline const TArtRgb kWhite = ArtRgb(skin_colors::White);
enum { kNormal = 0, kHot = 1, kPressed = 2 };

// A drawing for one image rectangle: draws the picture of state frame
// `state` (0 normal, 1 hot, 2 pressed ...) onto a canvas of one frame's size.
struct TArtPiece {
  std::string Key;
  std::function<void(TArtCanvas& frame, int state)> Draw;
  // Without a mask, antialiased edges are blended with this colour (what the
  // picture is expected to sit on) and nearly empty pixels become magenta.
  int Backdrop = skin_colors::Ground;
  // For a masked border: the shape the control has in state frame `state`
  // of w x h, rounded corners included. Pixels of the corner squares
  // outside it show the parent, those inside the control's own background.
  // Unset (or an empty shape) means the whole frame.
  std::function<TSdf(float w, float h, int state)> Outline = {};
};

// The outline of a frame rounded by `radius` at all four corners.
std::function<TSdf(float, float, int)> RoundedOutline(float radius);

// Every drawing, by key. Pieces of the window's own sections and those of the
// other controls live in two files.
const std::vector<TArtPiece>& WindowArtPieces();
const std::vector<TArtPiece>& ControlArtPieces();
const TArtPiece* FindArtPiece(const std::string& key);

// One stored image item and the drawing for its rectangle.
struct TImageItem {
  std::string Section;
  std::string Property;
  int Left, Top, Right, Bottom;
  int ImageCount;
  int MaskType;
  int BorderWidth;
  int WL, WT, WR, WB;
  TsImgType ImgType;
  std::string Art;  // key of the drawing; items that share a rectangle share it
  std::string Name;  // file name of an own bitmap (its rectangle is then zero)

  int FrameWidth() const { return (Right - Left) / ImageCount; }
  int FrameHeight() const { return MaskType == 1 ? (Bottom - Top) / 2 : Bottom - Top; }
};

// The corner radius of the large button, shared by its drawing and its outline.
inline constexpr float kHugeButtonRadius = 14;

inline constexpr int kMasterWidth = 210;
inline constexpr int kMasterHeight = 300;
inline constexpr int kHugeWidth = 288;
inline constexpr int kHugeHeight = 192;
inline constexpr size_t kMasterFileSize = 64678;
inline constexpr size_t kHugeFileSize = 56374;

const std::vector<TImageItem>& ImageTable();
// Adds the sections, in stored order, to the skin.
void AddSections(TsStoredSkin& skin);

// A composed picture before quantisation: colours plus, per pixel, whether
// the colour is exact (magenta and mask greys keep their values) or art that
// may be approximated.
struct TComposed {
  int Width = 0, Height = 0;
  std::vector<int> Colors;
  std::vector<bool> Exact;
  TComposed(int w, int h)
      : Width(w), Height(h), Colors(static_cast<size_t>(w) * h, skin_colors::Magenta),
        Exact(static_cast<size_t>(w) * h, true) {}
};

// The corner squares of a nine-slice border (all zero for anything else).
struct TCornerSquares {
  int WL = 0, WT = 0, WR = 0, WB = 0;
};

// Writes the frames of `piece` (count frames of fw x fh, with a mask below
// when maskType is 1) into `target` at (left, top). The corner squares of a
// masked border get masks that match how the engine reads its edges.
void ComposeImage(TComposed& target, const TArtPiece& piece, int left, int top, int frameWidth, int frameHeight,
                  int imageCount, int maskType, TCornerSquares corners = {});
TComposed ComposeMaster();
TComposed ComposeHugeButton();
void DrawHugeButtonFrame(TArtCanvas& frame, int state);

// At most `size` colours: the exact colours as they are and the art colours
// reduced by median cut and a few k-means rounds. Deterministic.
void Quantize(const TComposed& image, int size, TBitmap& out, std::vector<int>& palette);

// Every count, value and size the stored skin must have; an empty answer
// means the skin may be written.
std::vector<std::string> CheckSkin(const TsStoredSkin& skin, const std::vector<uint8_t>& masterFile,
                                   const std::vector<uint8_t>& hugeFile);
// Overlaps between different rectangles of the layout (same rectangles are
// shared on purpose and allowed).
std::vector<std::string> CheckLayout(const std::vector<TImageItem>& table);

// Replaces (or inserts, as the first property of the skin manager) the
// InternalSkins property in the text of a window description.
std::string ReplaceInternalSkins(const std::string& description, const std::string& property);

// Preview: both bitmaps, raw and as the engine shows them over a checkerboard.
void WritePreview(const TBitmap& master, const TBitmap& huge, const std::string& fileName);
// A mock window assembled from the pieces, for judging the art at real size.
void WriteDemo(const TBitmap& master, const TBitmap& huge, const std::string& fileName);
// The window's bordered items painted by the engine with `skins` loaded,
// written enlarged into the folder `dir`.
void RenderBorders(const TsStoredSkins& skins, const std::string& dir);
// Reads the property back the way the program does; an empty answer when it
// reads and writes out to the same text.
std::string VerifyReadBack(const std::string& property);

// Writes `skin` as a skin folder `dir` through the engine's writer, with its
// captions at `fontScale` percent, reads it back through a manager and
// throws unless the tables (and the font scale) are the same.
void WriteSkinAsFolder(const TsStoredSkin& skin, const std::string& dir, int fontScale = 100);
// Differences between two managers' tables (empty: the same records and pixels).
class TsSkinManager;
std::vector<std::string> CompareSkinTables(const TsSkinManager& a, const TsSkinManager& b);
// The high-contrast "Projector" skin, made from `base` and added to `skins`.
TsStoredSkin& MakeProjectorSkin(TsStoredSkins& skins, const TsStoredSkin& base);
// Draws the Projector's own thick-lined art over the images the window
// shows (its borders lose their masks: see ProjectorArt.cpp).
void DrawProjectorArt(TsStoredSkin& skin);
// The size the Projector's captions are drawn at, in percent: the largest
// at which every caption of the window still fits its control. Two are
// tight. "автоматически" on its 145-pixel button: up to 121 its font rounds
// to 19 pixels, two clear of the outline; 20 cuts it. "Упорядочение по ..."
// on the 161-pixel group box: up to 119 its font rounds to 15 pixels; at 16
// the ground behind it runs into the frame's corner.
inline constexpr int kProjectorFontScale = 119;
// WCAG contrast ratio of two RGB colours (1 to 21).
double ContrastRatio(int a, int b);
// Every section the main window uses must show its text at a ratio of at
// least 7 against its ground, in both states.
std::vector<std::string> CheckProjectorContrast(const TsStoredSkin& skin);
