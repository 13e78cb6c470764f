// The eight picture sheets every card is built from, drawn in code, and the composing and
// masking of one card onto a window image.
#pragma once

#include <QImage>
#include <QRect>

namespace zandor {

// The card table's pictures: blank face, its mask, the back, rank glyphs, suit signs, courts.
struct CardSheets {
  QImage Pos;     // 73 x 98 blank face: white, black frame, black outside the rounded corners
  QImage Neg;     // 73 x 98 mask: black inside the card outline, white outside it
  QImage Back;    // 73 x 98 card back, black outside the rounded corners
  QImage Black;   // 117 x 28 rank glyphs A..K in black, upright rows 0..12, upside down 14..26
  QImage Red;     // 117 x 28 the same glyphs in red
  QImage SuitSm;  // 44 x 22 small suit signs 11 x 11, upright row then upside-down row
  QImage Suits;   // 60 x 30 large pips 15 x 15, upright row then upside-down row
  QImage Royal;   // 141 x 148 court pictures 47 x 74: king, queen, jack; black row, red row
};

// Card sizes shared by the sheets and the table.
inline constexpr int CardWidth = 73;
inline constexpr int CardHeight = 98;

// Draws all eight sheets (deterministic, no fonts involved). A scale other than 1 draws them
// that many times finer for a high-density screen, each marked with that device pixel ratio;
// every rectangle below stays in card pixels.
CardSheets MakeCardSheets(double scale = 1.0);

// The rectangle (left, top)-(right, bottom) with right and bottom exclusive.
inline QRect Span(int left, int top, int right, int bottom) {
  return QRect(left, top, right - left, bottom - top);
}

// Copies src's rectangle onto dst's, stretching by nearest pixel when the sizes differ; each
// rectangle is in its own image's logical pixels.
void CopyRect(QImage& dst, const QRect& to, const QImage& src, const QRect& from);

// Composes the face of card id (0..51) in a 73 x 98 bitmap (at the sheets' ratio): white card,
// glyphs, black corners.
QImage ComposeCard(const CardSheets& sheets, int id);

// Puts picture on window at (x, y): window AND mask clears the card's shape to black, then
// window OR picture sets it, leaving the pixels outside the rounded corners untouched. (x, y)
// is in the window's logical pixels; the three images share one device pixel ratio.
void MaskOnto(QImage& window, const QImage& mask, const QImage& picture, int x, int y);

}  // namespace zandor
