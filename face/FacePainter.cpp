#include "face/FacePainter.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "face/HighContrast.h"

namespace zandor {

namespace {

constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr int kButtonWidth = 132;

// A 1-pixel line from (x0, y0) up to but not including (x1, y1), clipped to the image.
void DrawLineExclusive(QImage& img, int x0, int y0, int x1, int y1, QRgb c) {
  if (img.devicePixelRatio() != 1) {
    // A logical pixel wide at device resolution; without smoothing, so drawing the same line
    // again (the win display does, every tick) leaves it as it was.
    QPainter p(&img);
    p.setPen(QPen(QColor(c), 1));
    p.drawLine(QPointF(x0 + 0.5, y0 + 0.5), QPointF(x1 + 0.5, y1 + 0.5));
    return;
  }
  const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  const int w = img.width(), h = img.height();
  while (x0 != x1 || y0 != y1) {
    if (x0 >= 0 && y0 >= 0 && x0 < w && y0 < h) reinterpret_cast<QRgb*>(img.scanLine(y0))[x0] = c;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

// The classic outlined rectangle (l, t)-(r, b): a pen border on its outer pixels and the
// brush inside, covering columns l..r-1 and rows t..b-1.
void FrameRect(QImage& img, int l, int t, int r, int b, const QColor& pen, const QColor& brush) {
  if (r <= l || b <= t) return;
  QPainter p(&img);
  p.fillRect(QRect(l, t, r - l, b - t), pen);
  if (r - l > 2 && b - t > 2) p.fillRect(QRect(l + 1, t + 1, r - l - 2, b - t - 2), brush);
}

std::string FormatInt(const char* format, int value) {
  char buf[32];
  std::snprintf(buf, sizeof buf, format, value);
  return buf;
}

uint32_t LittleEndian(const QByteArray& bytes, int at, int count) {
  uint32_t v = 0;
  for (int i = count - 1; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(bytes[at + i]);
  return v;
}

// Walks a run-length coded picture from its first code; true when the codes reach the end of
// the picture (its end code, or its last row) before the file ends.
bool RunsReachTheEnd(QIODevice& file, qint64 start, bool fourBits, int64_t rows) {
  if (!file.seek(start)) return false;
  char code[2];
  for (int64_t row = 0; row < rows;) {
    if (file.read(code, 2) != 2) return false;
    const int count = static_cast<uint8_t>(code[0]), escape = static_cast<uint8_t>(code[1]);
    if (count != 0) continue;  // a run of one colour
    if (escape == 0) {
      ++row;
    } else if (escape == 1) {
      return true;
    } else if (escape == 2) {
      if (file.read(code, 2) != 2) return false;
      row += static_cast<uint8_t>(code[1]);
    } else {
      // The pixels themselves, padded to a whole 16-bit word.
      const qint64 bytes = fourBits ? (escape + 1) / 2 : escape;
      const qint64 padded = (bytes + 1) / 2 * 2;
      if (file.skip(padded) != padded) return false;
    }
  }
  return true;
}

// True when the file holds every pixel its headers promise. The image library loads a bitmap
// cut short without a word, its missing rows left as whatever memory held.
bool PixelsAllThere(QIODevice& file) {
  const QByteArray head = file.peek(34);
  if (head.size() < 26) return false;
  const qint64 size = file.size();
  const qint64 pixelsAt = LittleEndian(head, 10, 4), infoSize = LittleEndian(head, 14, 4);
  int64_t width = 0, height = 0;
  uint32_t bits = 0, compression = 0;
  if (infoSize == 12) {  // the old short header: 16-bit sizes, never compressed
    width = LittleEndian(head, 18, 2);
    height = LittleEndian(head, 20, 2);
    bits = LittleEndian(head, 24, 2);
  } else {
    if (head.size() < 30) return false;
    width = static_cast<int32_t>(LittleEndian(head, 18, 4));
    height = static_cast<int32_t>(LittleEndian(head, 22, 4));
    bits = LittleEndian(head, 28, 2);
    if (infoSize >= 20 && head.size() >= 34) compression = LittleEndian(head, 30, 4);
  }
  if (width <= 0 || height == 0 || bits == 0) return true;  // the image library refuses these
  height = std::abs(height);                                // negative: stored top row first
  const qint64 start = std::max(pixelsAt, 14 + infoSize);
  if (compression == 1 || compression == 2)
    return RunsReachTheEnd(file, start, compression == 2, height);
  const int64_t rowBytes = (width * bits + 31) / 32 * 4;
  return size > start && height <= (size - start) / rowBytes;
}

// A cleared picture of the size and format the reader will load, which it then fills in place:
// where run-length codes skip pixels they stay cleared rather than undefined. None when the
// reader would refuse a picture that large.
QImage ClearedPictureFor(const QImageReader& reader) {
  const QSize size = reader.size();
  const QImage::Format format = reader.imageFormat();
  if (size.isEmpty() || format == QImage::Format_Invalid) return QImage();
  const qint64 bytes =
      qint64(size.width()) * size.height() * QImage::toPixelFormat(format).bitsPerPixel() / 8;
  const qint64 limit = qint64(QImageReader::allocationLimit()) << 20;
  if (limit > 0 && bytes > limit) return QImage();
  QImage img(size, format);
  img.fill(0);
  return img;
}

}  // namespace

std::string LoadBitmap(const std::string& path, QImage& out) {
  // Opened by the path's own bytes: a name that is not UTF-8 would not survive a QString.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  QFile file;
  if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    if (fd >= 0) ::close(fd);
    // The name goes in as its own bytes, whatever their encoding.
    const std::string text =
        QCoreApplication::translate("zandor::FacePainter", "Cannot open file %1").toStdString();
    const size_t at = text.find("%1");
    return at == std::string::npos ? text + ' ' + path
                                   : text.substr(0, at) + path + text.substr(at + 2);
  }
  // Only Windows bitmaps are accepted, whatever else the image library could read.
  QImageReader reader(&file, "bmp");
  reader.setDecideFormatFromContent(false);
  const auto invalid = [] {
    return QCoreApplication::translate("zandor::FacePainter", "Bitmap image is not valid")
        .toStdString();
  };
  if (file.peek(2) != "BM" || !PixelsAllThere(file) || !file.seek(0)) return invalid();
  QImage img = ClearedPictureFor(reader);
  if (!reader.read(&img) || img.isNull()) return invalid();
  out = img.convertToFormat(QImage::Format_RGB32);
  return "";
}

int ArtworkSizeForWidth(int width, int previous) {
  if (width <= 750) return 96;
  if (width <= 1000) return 144;
  if (width <= 5000) return 192;
  return previous;
}

std::array<int, 4> ButtonLefts(int panelWidth) {
  const int g = (panelWidth - 4 * kButtonWidth) / 5;
  const int e = (panelWidth - 4 * kButtonWidth - 3 * g) / 2;
  return {e, e + kButtonWidth + g, e + 2 * (kButtonWidth + g), e + 3 * (kButtonWidth + g)};
}

FacePainter::FacePainter(const MachineState& machine, const PlayerOptions& options,
                         const Folders& dirs)
    : machine_(machine), options_(options), dirs_(dirs) {
  Glyphs.Digits = MakeDigitStrip();
  Glyphs.Lamps = MakeLampPicture();
  Glyphs.ContrastLamps = MakeHighContrastLamps();
}

std::string FacePainter::LoadLetters() {
  return LoadBitmap(dirs_.Program + "Alpha.bmp", Glyphs.LetterStrip);
}

std::string FacePainter::LoadTile(const std::string& path) {
  QImage tile;
  std::string err = LoadBitmap(path, tile);
  if (err.empty()) TileBitmap = std::move(tile);
  return err;
}

std::string FacePainter::FitToSize(int clientWidth, int clientHeight, double ratio) {
  if (!(ratio > 0)) ratio = 1;
  if (Canvas.deviceIndependentSize().toSize() != QSize(clientWidth, clientHeight) ||
      Canvas.devicePixelRatio() != ratio)
    Canvas = MakeCanvas(clientWidth, clientHeight, ratio, FaceColor);
  Ratio = ratio;
  SymbolSize = ArtworkSizeForWidth(clientWidth, SymbolSize);
  // Above 5000 device pixels the largest set is the finest there is, whatever came before.
  ArtworkSet = ArtworkSizeForWidth(std::min(DevicePixel(clientWidth, ratio), 5000), ArtworkSet);
  Glyphs.SymbolSize = SymbolSize;
  std::string err = LoadArtwork();
  if (!err.empty()) return err;
  for (QImage& reel : ReelImages) reel = MakeCanvas(SymbolSize, 3 * SymbolSize, Ratio, Qt::black);
  return "";
}

std::string FacePainter::LoadArtwork() {
  // The old pictures go first, so a failed load leaves the reels empty rather than stale.
  for (QImage& reel : ReelImages) reel = QImage();
  Artwork = QImage();
  if (Ratio == 1) ArtworkSet = SymbolSize;  // at one pixel per pixel the two always agree
  const char* file = ArtworkSet == 96    ? "ZANDOR96.bmp"
                     : ArtworkSet == 144 ? "ZANDOR144.bmp"
                     : ArtworkSet == 192 ? "ZANDOR192.bmp"
                                         : nullptr;
  if (file) {
    std::string err = LoadBitmap(dirs_.Program + file, Artwork);
    if (!err.empty()) return err;
    FitArtwork();
  }
  return "";
}

void FacePainter::FitArtwork() {
  if (Ratio == 1 && ArtworkSet == SymbolSize) return;
  // The cells must be SymbolSize logical pixels at Ratio; a set of another size is resampled
  // once here, never the face.
  const int side = 3 * DevicePixel(SymbolSize, Ratio);
  if (Artwork.width() != side || Artwork.height() != side)
    Artwork = Artwork.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                  .convertToFormat(QImage::Format_RGB32);
  Artwork.setDevicePixelRatio(Ratio);
}

void FacePainter::ComputeLayout() {
  const int s = SymbolSize;
  const QSize size = Canvas.deviceIndependentSize().toSize();
  const int w = size.width();
  const int faceHeight = size.height() - PanelHeight;
  ReelTop = faceHeight / 2 - (3 * s + 2) / 2;
  ReelLeft = w / 2 - (3 * s + 20) / 2;
  const int rowStep = s / 10 + s / 2;
  CreditsY = ReelTop + 17;
  WagerY = CreditsY + rowStep;
  WonY = WagerY + rowStep;
  PaylinesY = WonY + rowStep;
  MeterX = w - (s == 144 ? 40 : s == 192 ? 50 : 24);
  LeftMargin = w - MeterX;
}

Money FacePainter::ShownWager() const {
  return (machine_.Wager == Money() && machine_.LastWager > Money()) ? machine_.LastWager
                                                                     : machine_.Wager;
}

void FacePainter::PaintBackground() {
  if (TiledChecked) {
    const int w = TileBitmap.width(), h = TileBitmap.height();
    // The tile's last column and row are never shown; a 1-pixel tile has nothing to lay.
    if (w <= 1 || h <= 1) return;
    const QSize size = Canvas.deviceIndependentSize().toSize();
    for (int y = 0; y < size.height(); y += h - 1)
      for (int x = 0; x < size.width(); x += w - 1)
        CopyRect(Canvas, x, y, TileBitmap, 0, 0, w - 1, h - 1);
  } else {
    Canvas.fill(ResolveColor(options_.BackColor));
  }
}

void FacePainter::DrawMeterBox(const char* caption, int row, Money value) {
  DrawLabel(Canvas, Glyphs, caption, MeterX - 125, row - 26, 144, 0);
  DrawMeterDigits(Canvas, Glyphs, value.Padded(), MeterX, row, 4);
}

void FacePainter::DrawCaptionText(const QString& t, int points, bool bold, int centreX, int top) {
  QPainter p(&Canvas);
  p.setFont(FaceFont(points, bold));
  p.setPen(Qt::white);
  const int width = p.fontMetrics().horizontalAdvance(t);
  // White on the bar's red or on the player's background may be hard to read; on black it never is.
  if (HighContrast)
    p.fillRect(QRect(centreX - width / 2 - 2, top, width + 4, p.fontMetrics().height()), Qt::black);
  p.drawText(QPoint(centreX - width / 2, top + p.fontMetrics().ascent()), t);
}

void FacePainter::PaintFace() {
  if (Canvas.isNull()) return;
  ComputeLayout();
  const int s = SymbolSize;
  PaintBackground();

  FrameRect(Canvas, ReelLeft - 8, ReelTop - 8, ReelLeft + 3 * s + 27, ReelTop + 3 * s + 9,
            FaceColor, FaceColor);
  DrawBevel(Canvas, ReelLeft - 6, ReelTop - 6, ReelLeft + 3 * s + 24, ReelTop + 3 * s + 6, 3);
  for (int k = 1; k <= 5; ++k) DrawPayline(k);
  for (int i = 1; i <= 3; ++i) {
    const int x = ReelX(i);
    DrawBevel(Canvas, x, ReelTop, x + s - 1, ReelTop + 3 * s - 1, 2);
    DrawReel(i, machine_.ReelStops[i - 1]);
    CopyRect(Canvas, x, ReelTop, ReelImages[i - 1], 0, 0, s - 1, 3 * s - 1);
  }

  DrawMeterBox("CREDITS", CreditsY, machine_.Credits);
  DrawMeterBox("WAGER", WagerY, ShownWager());
  DrawMeterBox("WON", WonY, machine_.WinPending);

  DrawLabel(Canvas, Glyphs, "SPINS", LeftMargin - 20, CreditsY - 26, 144, 0);
  DrawDigits(Canvas, Glyphs, FormatInt("%8d", machine_.Spins), LeftMargin + 105, CreditsY, false,
             4);

  DrawLabel(Canvas, Glyphs, "PAYLINES", MeterX - 125, PaylinesY - 26, 144, 134);
  for (int k = 1; k <= 5; ++k) {
    DrawDigits(Canvas, Glyphs, FormatInt("%d", k), MeterX - 114, PaylinesY + 2 + 20 * (k - 1),
               false, 2);
  }
  DrawLamps(machine_.CoinValue, ShownWager());

  if (machine_.FreeSpins != 0) {
    DrawLabel(Canvas, Glyphs, "SPIN FREE", LeftMargin - 20, WonY - 26, 144, 0);
    DrawDigits(Canvas, Glyphs, FormatInt("%1d", machine_.FreeSpins), LeftMargin + 42, WonY, false,
               4);
  } else {
    const int l = s == 144 ? LeftMargin - 13 : LeftMargin;
    DrawLabel(Canvas, Glyphs, "BONUS PCT", LeftMargin - 20, WagerY - 26 + (s - 96), 144, 246);
    DrawLabel(Canvas, Glyphs, "BONUS", LeftMargin - 20, WagerY + s + 30, 144, 1);
    DrawMeterDigits(Canvas, Glyphs, machine_.BonusPool.Padded(), LeftMargin + 105, WagerY + s + 56,
                    4);
    FrameRect(Canvas, l + 32, WagerY + s - 87, l + 73, WagerY + s + 15, ShadowColor, Qt::black);
    DrawBonusMeter(true);
    //: Painted under the bonus pool on the machine's face: winning the pool also gives seven
    //: free spins. Keep it short.
    DrawCaptionText(tr("Plus 7 FREE Spins"), 8, false, LeftMargin + (s == 144 ? 37 : 51),
                    WagerY + s + 105);
  }

  for (int k = 1; k <= 5; ++k)
    if (machine_.LinePays[k - 1] > 0) DrawPayline(k);
}

void FacePainter::DrawReel(int reel, int position) {
  const int s = SymbolSize;
  if (reel < 1 || reel > 3 || s <= 0) return;
  QImage& img = ReelImages[reel - 1];
  const std::string& strip = machine_.ReelStrips[reel - 1];
  const int n = static_cast<int>(strip.size());
  if (img.isNull() || n == 0) return;
  const int h = s / 2;
  int k = ((position / 2) % n + n) % n;  // 0-based index of the top symbol
  auto cell = [&](int index, int& cx, int& cy) {
    const int v = strip[index] - '0';
    if (v < 0 || v > 8) return false;  // a strip character with no cell draws nothing
    cx = (v % 3) * s;
    cy = (v / 3) * s;
    return true;
  };
  auto next = [&] { k = (k + 1) % n; };
  int cx, cy;
  if (position % 2 == 0) {
    for (int row = 0; row < 3; ++row, next())
      if (cell(k, cx, cy)) CopyRect(img, 0, row * s, Artwork, cx, cy, s - 1, s);
  } else {
    if (cell(k, cx, cy)) CopyRect(img, 0, 0, Artwork, cx, cy + h, s - 1, h);
    next();
    if (cell(k, cx, cy)) CopyRect(img, 0, h, Artwork, cx, cy, s - 1, s);
    next();
    if (cell(k, cx, cy)) CopyRect(img, 0, s + h, Artwork, cx, cy, s - 1, s);
    next();
    if (cell(k, cx, cy)) CopyRect(img, 0, 2 * s + h, Artwork, cx, cy, s - 1, h - 1);
  }
}

void FacePainter::DrawReels(const std::array<int, 3>& positions) {
  const int s = SymbolSize;
  for (int i = 0; i < 3; ++i) {
    DrawReel(i + 1, positions[i]);
    CopyRect(Canvas, ReelX(i + 1), ReelTop, ReelImages[i], 0, 0, s - 1, 3 * s - 1);
  }
}

void FacePainter::Redraw(FaceElement e) {
  switch (e) {
    case FaceElement::Credits:
      DrawMeterDigits(Canvas, Glyphs, machine_.Credits.Padded(), MeterX, CreditsY, 4);
      break;
    case FaceElement::Wager:
      DrawMeterDigits(Canvas, Glyphs, ShownWager().Padded(), MeterX, WagerY, 4);
      break;
    case FaceElement::Won:
      DrawMeterDigits(Canvas, Glyphs, machine_.WinPending.Padded(), MeterX, WonY, 4);
      break;
    case FaceElement::Spins:
      DrawDigits(Canvas, Glyphs, FormatInt("%8d", machine_.Spins), LeftMargin + 105, CreditsY,
                 false, 4);
      break;
    case FaceElement::FreeSpinCount:
      DrawDigits(Canvas, Glyphs, FormatInt("%8d", machine_.FreeSpinCount), LeftMargin + 105,
                 CreditsY, false, 1);
      break;
    case FaceElement::FreeSpinsLeft:
      DrawDigits(Canvas, Glyphs, FormatInt("%1d", machine_.FreeSpins - 1), LeftMargin + 42, WonY,
                 false, 4);
      break;
    case FaceElement::Bonus:
      DrawMeterDigits(Canvas, Glyphs, machine_.BonusPool.Padded(), LeftMargin + 105,
                      WagerY + SymbolSize + 56, 4);
      break;
  }
}

void FacePainter::DrawLamps(Money coinValue, Money wager) {
  // More coins than lamps light them all; a stored wager cannot push the count out of range.
  const int coins = static_cast<int>(std::clamp<int64_t>(wager.CoinsOf(coinValue), 0, 25));
  const int shift = SymbolSize == 144 ? 13 : 0;
  for (int j = 1; j <= 5; ++j) {
    for (int k = 1; k <= 5; ++k) {
      const int lamp = 5 * (j - 1) + k <= coins ? (machine_.LinePays[k - 1] > 0 ? 2 : 1) : 0;
      DrawLamp(Canvas, Glyphs, MeterX - 85 + 20 * (j - 1) + shift, PaylinesY + 4 + 20 * (k - 1),
               lamp, HighContrast);
    }
  }
}

void FacePainter::DrawPayline(int k) {
  const int s = SymbolSize, l = ReelLeft - 10, r = ReelLeft + 3 * s + 28;
  // A winning line in high contrast is told apart by more than its colour.
  const bool thick = HighContrast && k >= 1 && k <= 5 && machine_.LinePays[k - 1] > 0;
  auto line = [&](int y0, int y1) {
    if (thick)
      DrawThickPayline(Canvas, l, y0, r, y1);
    else
      DrawLineExclusive(Canvas, l, y0, r, y1, kRed);
  };
  switch (k) {
    case 1:
      line(ReelTop + s + s / 2 + 8, ReelTop + s + s / 2 + 8);
      break;
    case 2:
      line(ReelTop + s / 2, ReelTop + s / 2);
      break;
    case 3:
      line(ReelTop + 2 * s + s / 2, ReelTop + 2 * s + s / 2);
      break;
    case 4:
      line(ReelTop - 10, ReelTop + 3 * s + 10);
      break;
    case 5:
      line(ReelTop + 3 * s + 8, ReelTop - 12);
      break;
    default:
      break;
  }
}

void FacePainter::DrawBonusMeter(bool blueFirst) {
  const int s = SymbolSize;
  const int l = s == 144 ? LeftMargin - 13 : LeftMargin;
  const int top = WagerY + s - 86;
  // A stored meter outside 0..100 would paint over the caption box; the bar shows it clamped.
  const int p = std::clamp(machine_.PowerPts, 0, 100);
  QPainter painter(&Canvas);
  const QRect blue(l + 33, top + 100 - p, 39, p), red(l + 33, top, 39, 100 - p);
  if (blueFirst) {
    painter.fillRect(blue, Qt::blue);
    painter.fillRect(red, Qt::red);
  } else {
    painter.fillRect(red, Qt::red);
    painter.fillRect(blue, Qt::blue);
  }
  painter.end();
  DrawCaptionText(QString::fromStdString(FormatInt("%3d", p) + "%"), 10, true, l + 52,
                  WagerY + s - 44);
}

void FacePainter::Blink() {
  BlinkPhase = !BlinkPhase;
  const int s = SymbolSize;
  const bool lossSeen = std::find(machine_.ReelGrid.begin(), machine_.ReelGrid.end(), LOSS) !=
                        machine_.ReelGrid.end();
  for (int n = 0; n < 9; ++n) {
    if (machine_.ReelGrid[n] != GAIN) continue;
    const int x = ReelLeft + (n / 3) * (s + 9), y = ReelTop + (n % 3) * s;
    const int sx = BlinkPhase ? 0 : lossSeen ? 2 * s : s;
    const int sy = BlinkPhase ? 0 : 2 * s;
    CopyRect(Canvas, x, y, Artwork, sx, sy, s - 1, s - 1);
  }
  for (int k = 1; k <= 5; ++k)
    if (machine_.LinePays[k - 1] > 0) DrawPayline(k);
}

QRect FacePainter::MeterArea(FaceElement e) const {
  const int s = SymbolSize;
  switch (e) {
    case FaceElement::Credits:
      return QRect(MeterX - 160, CreditsY, 200, 21);
    case FaceElement::Wager:
      return QRect(MeterX - 160, WagerY, 200, 21);
    case FaceElement::Won:
      return QRect(MeterX - 160, WonY, 200, 21);
    case FaceElement::Spins:
    case FaceElement::FreeSpinCount:
      return QRect(LeftMargin - 60, CreditsY, 200, 21);
    case FaceElement::FreeSpinsLeft:
      return QRect(LeftMargin, WonY, 80, 21);
    case FaceElement::Bonus:
      return QRect(LeftMargin - 60, WagerY + s + 56, 200, 21);
  }
  return {};
}

QRect FacePainter::LampsArea() const { return QRect(MeterX - 100, PaylinesY, 140, 110); }

QRect FacePainter::ReelsArea() const {
  return QRect(ReelLeft, ReelTop, 3 * SymbolSize + 18, 3 * SymbolSize);
}

QRect FacePainter::ReelWindowArea() const {
  return QRect(ReelLeft - 12, ReelTop - 14, 3 * SymbolSize + 44, 3 * SymbolSize + 28);
}

QRect FacePainter::BonusMeterArea() const {
  return QRect(0, WagerY, LeftMargin + 140, SymbolSize + 60);
}

}  // namespace zandor
