// The machine face: layout, full paint, the elements redrawn between paints, the reels,
// the artwork sets, the background and the blinking win display, all drawn into Canvas.
#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QRect>
#include <array>
#include <string>

#include "face/Glyphs.h"
#include "machine/GameState.h"
#include "machine/Host.h"

namespace zandor {

class FacePainter {
  Q_DECLARE_TR_FUNCTIONS(zandor::FacePainter)

 public:
  // Builds the digit strip and the lamp picture; nothing is loaded yet. Draws the machine with
  // the options' background, from the media in the folders; all three outlive the painter.
  FacePainter(const MachineState& machine, const PlayerOptions& options, const Folders& dirs);

  GlyphSet Glyphs;                   // digits, lamps, letters and the current SymbolSize
  QImage Canvas;                     // the main window's client area, panel included
  QImage Artwork;                    // the loaded artwork set (3 x 3 cells)
  std::array<QImage, 3> ReelImages;  // S wide, 3*S high each
  QImage TileBitmap;                 // the background tile
  bool TiledChecked = true;          // check mark of "Tiled Bitmap": painting follows it
  // Check mark of "High Contrast": winning paylines thick with a mark on their lamps, lit lamps
  // bright, small captions on black. Off, the face is drawn exactly as designed.
  bool HighContrast = false;

  // The height of the button panel along the window's bottom edge, below the face.
  static constexpr int PanelHeight = 57;

  // Layout values of the last paint, in logical pixels.
  int SymbolSize = 0;
  // The artwork set loaded (96, 144 or 192), chosen by the width in device pixels: on a
  // high-density screen a finer set draws the reels at SymbolSize logical pixels.
  int ArtworkSet = 0;
  // Device pixels per logical pixel of Canvas, Artwork and the reel images.
  double Ratio = 1;
  int ReelTop = 0, ReelLeft = 0, CreditsY = 0, WagerY = 0, WonY = 0, PaylinesY = 0;
  int MeterX = 0, LeftMargin = 0;
  bool BlinkPhase = true;  // the blinking GAIN cells show their normal picture

  // Loads "Alpha.bmp" from the program's folder; returns an error text or "".
  std::string LoadLetters();
  // Resize handler: sizes Canvas (the logical client size at a device pixel ratio), chooses
  // SymbolSize by width, loads the artwork and sizes the reel images. Returns the toolkit's
  // error text ("" on success); on error the rest is skipped.
  std::string FitToSize(int clientWidth, int clientHeight, double ratio = 1);
  // Loads ArtworkSet, fitted to SymbolSize at Ratio.
  std::string LoadArtwork();
  // Loads a background tile; returns an error text or "" (on error TileBitmap is unchanged).
  std::string LoadTile(const std::string& path);
  // Computes the layout values from Canvas' size and SymbolSize.
  void ComputeLayout();
  // Paints the whole face into Canvas.
  void PaintFace();
  // Composes a reel image at a position (0..39).
  void DrawReel(int reel, int position);
  // Composes and copies the three reels to their places.
  void DrawReels(const std::array<int, 3>& positions);
  // Redraws one meter in place with the layout of the last paint.
  void Redraw(FaceElement e);
  // Draws the 25 bet lamps for the whole coins of the wager (the lamp panel of UpdateLineBets).
  void DrawLamps(Money coinValue, Money wager);
  // Draws payline k (1..5) in red.
  void DrawPayline(int k);
  // Draws the bonus meter bar and its percentage; blueFirst paints the blue part first.
  void DrawBonusMeter(bool blueFirst);
  // The drawing part of a WinBlinkTimer tick: flips BlinkPhase, blinks GAIN cells, redraws
  // paylines.
  void Blink();
  // The shown wager: LastWager when Wager is 0 and LastWager > 0.
  Money ShownWager() const;
  // Left edge of reel i (1..3) on the canvas.
  // What a redraw changes, for the window to bring to the screen: a meter, the lamp panel, the
  // three reels, the reel window with its paylines and frame, the bonus meter.
  QRect MeterArea(FaceElement e) const;
  QRect LampsArea() const;
  QRect ReelsArea() const;
  QRect ReelWindowArea() const;
  QRect BonusMeterArea() const;
  int ReelX(int reel) const { return ReelLeft + (reel - 1) * (SymbolSize + 9); }

 private:
  void FitArtwork();
  void PaintBackground();
  void DrawMeterBox(const char* caption, int row, Money value);
  void DrawCaptionText(const QString& text, int points, bool bold, int centreX, int top);

  const MachineState& machine_;
  const PlayerOptions& options_;
  const Folders& dirs_;
};

// Loads a BMP file into an RGB32 image; returns "" or the toolkit's error text.
std::string LoadBitmap(const std::string& path, QImage& out);

// The artwork set (96, 144 or 192) for a width; a width above 5000 keeps the previous one.
int ArtworkSizeForWidth(int width, int previous);

// The four bottom buttons' left edges (Bet 1, Bet 5, Bet Max, Spin) spread over the panel.
std::array<int, 4> ButtonLefts(int panelWidth);

}  // namespace zandor
