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

namespace zandor {

// The desktop colours of the classic scheme, used wherever the game asks for them.
inline const QColor FaceColor(192, 192, 192);
inline const QColor ShadowColor(128, 128, 128);
inline const QColor HighlightColor(255, 255, 255);
inline const QColor ButtonTextColor(0, 0, 0);

// Resolves a stored colour value: 0x00BBGGRR, or a system colour when the top bit is set
// (0x8000000F is the button face).
QColor ResolveColor(int32_t value);

// The pictures the glyph drawing copies from, and the artwork size that shifts it.
struct GlyphSet {
  QImage Digits;        // 188 x 147, seven colour rows of digits, point and blank cell
  QImage Lamps;         // 17 x 51, lamps: unlit, red, blue
  QImage LetterStrip;   // "Alpha.bmp": A..Z at a pitch of 13, cells 12 x 27 (may be null)
  int SymbolSize = 96;  // 144 shifts DrawDigits and DrawLabel by 13 pixels

  // The digit strip, lamps and letters for an image of this device pixel ratio: the pictures
  // above at 1, otherwise the same designs drawn afresh at device resolution (once per ratio).
  const QImage& DigitsAt(double ratio) const { return ratio == 1 ? Digits : Sharp(ratio)[0]; }
  const QImage& LampsAt(double ratio) const { return ratio == 1 ? Lamps : Sharp(ratio)[1]; }
  const QImage& LettersAt(double ratio) const {
    return ratio == 1 || LetterStrip.isNull() ? LetterStrip : Sharp(ratio)[2];
  }

 private:
  const std::array<QImage, 3>& Sharp(double ratio) const;
  mutable std::map<long, std::array<QImage, 3>> sharp_;  // by ratio in thousandths
};

// Builds the digit strip and the lamp picture (the main window's own resources); a scale other
// than 1 draws them that many times finer, marked with that device pixel ratio.
QImage MakeDigitStrip(double scale = 1.0);
QImage MakeLampPicture(double scale = 1.0);

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
// Draws a black caption box with a shadow border and the caption's letters; height 0 means 52.
void DrawLabel(QImage& target, const GlyphSet& g, std::string_view caption, int x, int y, int width,
               int height);
// Draws a 3-D frame around the box (l, t)-(r, b); styles 0..3.
void DrawBevel(QImage& target, int l, int t, int r, int b, int style);

// Block copy of a w x h rectangle of source at (sx, sy) to (dx, dy), clipped to both images.
void CopyRect(QImage& target, int dx, int dy, const QImage& source, int sx, int sy, int w, int h);
// The sans font that stands in for the classic dialog font, at a size in points.
QFont FaceFont(int points, bool bold);

}  // namespace zandor
