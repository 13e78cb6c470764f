// Seven-segment digits, capital-letter captions and 3-D bevels drawn into an image we own.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <string_view>
#include <utility>

namespace zandor {

// The desktop colours of the classic scheme, used wherever the game asks for them.
inline const QColor FaceColor(192, 192, 192);
inline const QColor ShadowColor(128, 128, 128);
inline const QColor HighlightColor(255, 255, 255);
inline const QColor ButtonTextColor(0, 0, 0);

// Resolves a stored colour value: 0x00BBGGRR, or a system colour when the top bit is set
// (0x8000000F is the button face).
QColor ResolveColor(int32_t value);

// The colours of the three lamps, unlit, red and blue: the disc, its darker lower right part.
struct LampColours {
  std::array<QRgb, 3> Fill;
  std::array<QRgb, 3> Shade;
};
// The lamps as designed.
inline constexpr LampColours kLampColours{{qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 255)},
                                          {qRgb(0, 0, 0), qRgb(128, 0, 0), qRgb(0, 0, 128)}};

// The glyphs drawn afresh for a device pixel ratio other than 1. Every glyph has a cell of whole
// device pixels and is drawn from its shapes relative to the cell's corner, so each copy shows
// the same pixels wherever it lands, and a segment has one width in every digit.
struct SharpGlyphs {
  QImage Digits;     // columns: digits 0..9, blank, point, minus; rows: the seven colours
  QSize DigitPitch;  // the grid of Digits, in device pixels
  QImage Lamps;      // unlit, red and blue lamps stacked, LampPitch device pixels apart
  QImage ContrastLamps;
  int LampPitch = 0;
  QImage Letters;  // the letter strip at the ratio (null when LetterStrip is)
};

// Digit glyphs in cells narrower than designed, for a meter text longer than its ten cells:
// columns digits 0..9, blank, point (left black) and minus; rows the seven colours. At a ratio
// of 1 drawn pixel by pixel as the designed digits are, otherwise from their shapes.
struct NarrowDigits {
  QImage Digits;     // in device pixels
  QSize DigitPitch;  // the grid of Digits, in device pixels
};

// The pictures the glyph drawing copies from, and the artwork size that shifts it.
struct GlyphSet {
  QImage Digits;         // 188 x 147, seven colour rows of digits, point and blank cell
  QImage Lamps;          // 17 x 51, lamps: unlit, red, blue
  QImage ContrastLamps;  // the same for high contrast (may be null)
  QImage LetterStrip;    // "Alpha.bmp": A..Z at a pitch of 13, cells 12 x 27 (may be null)
  int SymbolSize = 96;   // 144 shifts DrawDigits and DrawLabel by 13 pixels

  // The glyphs for an image of a device pixel ratio other than 1, drawn once per ratio.
  const SharpGlyphs& At(double ratio) const;
  // The letter strip for an image of this device pixel ratio.
  const QImage& LettersAt(double ratio) const;
  // Digits in cells `cell` logical pixels wide for an image of this ratio, drawn once each.
  const NarrowDigits& NarrowAt(double ratio, int cell) const;

 private:
  mutable std::map<long, SharpGlyphs> sharp_;                    // by ratio in thousandths
  mutable std::map<std::pair<long, int>, NarrowDigits> narrow_;  // by ratio and cell width
};

// Builds the digit strip (the main window's own resource).
QImage MakeDigitStrip();
// Builds the lamp picture: at a scale of 1 the 17 x 51 design, otherwise the same lamps drawn
// that many times finer with smooth edges, each in a square of LampPitch(scale) device pixels.
QImage MakeLampPicture(double scale = 1.0, const LampColours& colours = kLampColours);
// The device pixels from one lamp's top to the next in a lamp picture.
int LampPitch(double scale);

// The device pixel where a logical coordinate falls on an image drawn at a device pixel ratio.
inline int DevicePixel(int logical, double ratio) {
  return ratio == 1 ? logical : static_cast<int>(std::lround(logical * ratio));
}
// A blank image of a logical size at a device pixel ratio, 96 dots per logical inch so that
// font sizes in points come out in pixels as on a classic desktop.
QImage MakeCanvas(int width, int height, double ratio, const QColor& fill);

// Draws text with digit glyphs; right to left: x is the left edge of the last cell.
void DrawDigits(QImage& target, const GlyphSet& g, std::string_view text, int x, int y,
                bool leftToRight, int colourRow);
// The characters a money meter's ten cells hold as designed ("%10.2f").
inline constexpr int kMeterCells = 10;
// The width in logical pixels of a digit's cell for a meter text: 15 as designed up to ten
// characters, else the widest that lets the text fit the ten cells' 139 pixels.
int MeterCellWidth(std::string_view text);
// Draws a money meter's text right to left as DrawDigits does, x the left edge of the last
// designed cell. A text longer than ten characters is drawn with narrower digits over exactly
// the ten designed cells, so it never leaves the meter's box.
void DrawMeterDigits(QImage& target, const GlyphSet& g, std::string_view text, int x, int y,
                     int colourRow);
// Draws a black caption box with a shadow border and the caption's letters; height 0 means 52.
void DrawLabel(QImage& target, const GlyphSet& g, std::string_view caption, int x, int y, int width,
               int height);
// Draws lamp 0 (unlit), 1 (red) or 2 (blue) with its top left corner at (x, y).
void DrawLamp(QImage& target, const GlyphSet& g, int x, int y, int lamp, bool highContrast);
// Draws a 3-D frame around the box (l, t)-(r, b); styles 0..3.
void DrawBevel(QImage& target, int l, int t, int r, int b, int style);

// Block copy of a w x h rectangle of source at (sx, sy) to (dx, dy), clipped to both images.
void CopyRect(QImage& target, int dx, int dy, const QImage& source, int sx, int sy, int w, int h);
// The sans font that stands in for the classic dialog font, at a size in points.
QFont FaceFont(int points, bool bold);

}  // namespace zandor
