#include "assets/generator/Pictures.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgRenderer>
#include <QtEndian>
#include <cmath>

namespace zandor::media {
namespace {

// Cells 0..6 are the symbols by code; 7 and 8 are the two flashing forms of the power-up.
const char* const kCellArt[9] = {"gain.svg", "diamond.svg",    "crown.svg",
                                 "bell.svg", "lemon.svg",      "cherry.svg",
                                 "loss.svg", "gain_flash.svg", "gain_alarm.svg"};

// The reel face behind a symbol: warm ivory, darker towards the left and right edges as on a
// drum. The shading runs across only, so stacked cells meet without a seam.
void PaintReelFace(QPainter& p, int x, int y, int cell) {
  QLinearGradient g(x, 0, x + cell - 1, 0);
  g.setColorAt(0.0, QColor(214, 204, 182));
  g.setColorAt(0.12, QColor(244, 238, 222));
  g.setColorAt(0.5, QColor(253, 250, 240));
  g.setColorAt(0.88, QColor(244, 238, 222));
  g.setColorAt(1.0, QColor(214, 204, 182));
  p.fillRect(x, y, cell, cell, g);
}

}  // namespace

QImage RenderArtwork(const QString& artDir, int cell) {
  QImage sheet(3 * cell, 3 * cell, QImage::Format_RGB32);
  sheet.fill(Qt::black);
  QPainter p(&sheet);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  for (int v = 0; v < 9; ++v) {
    const int x = (v % 3) * cell;
    const int y = (v / 3) * cell;
    PaintReelFace(p, x, y, cell);
    QSvgRenderer svg(artDir + "/" + kCellArt[v]);
    // Only the top left (cell - 1) square of a cell ever shows, so the art stays inside it
    // with a small margin.
    const double shown = cell - 1;
    const double margin = std::round(shown * 0.05);
    p.save();
    p.setClipRect(x, y, cell - 1, cell - 1);
    svg.render(&p, QRectF(x + margin, y + margin, shown - 2 * margin, shown - 2 * margin));
    p.restore();
  }
  p.end();
  return sheet;
}

QImage RenderTile(int size) {
  // The pattern is periodic in `period`; the extra last column and row repeat the first ones.
  const int period = size - 1;
  QImage tile(period, period, QImage::Format_RGB32);
  QPainter p(&tile);
  p.setRenderHint(QPainter::Antialiasing);
  // Deep burgundy felt.
  p.fillRect(0, 0, period, period, QColor(72, 14, 26));
  // An art deco lattice of thin gold diamonds, drawn with its wrapped copies so the edges join.
  const double h = period / 2.0;
  for (int dx = -1; dx <= 1; ++dx) {
    for (int dy = -1; dy <= 1; ++dy) {
      const QPointF o(dx * period, dy * period);
      QPainterPath diamond;
      diamond.moveTo(o + QPointF(h, 0));
      diamond.lineTo(o + QPointF(period, h));
      diamond.lineTo(o + QPointF(h, period));
      diamond.lineTo(o + QPointF(0, h));
      diamond.closeSubpath();
      p.setPen(QPen(QColor(150, 104, 40, 150), 1.2));
      p.setBrush(Qt::NoBrush);
      p.drawPath(diamond);
      // A soft fan of rays in the centre of each diamond and a small stud at each crossing.
      p.setPen(QPen(QColor(130, 40, 52, 160), 1.0));
      for (int r = -2; r <= 2; ++r) {
        const double a = M_PI / 2 + r * 0.32;
        p.drawLine(o + QPointF(h, h + period * 0.16),
                   o + QPointF(h + std::cos(a) * period * 0.2,
                               h + period * 0.16 - std::sin(a) * period * 0.2));
      }
      QRadialGradient stud(o + QPointF(0, 0), period * 0.06);
      stud.setColorAt(0, QColor(236, 196, 110));
      stud.setColorAt(1, QColor(120, 80, 30, 0));
      p.setPen(Qt::NoPen);
      p.setBrush(stud);
      p.drawEllipse(o, period * 0.06, period * 0.06);
    }
  }
  p.end();
  // A faint felt grain from a fixed, periodic hash, so the tile comes out the same every build.
  for (int y = 0; y < period; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
    for (int x = 0; x < period; ++x) {
      uint32_t n = static_cast<uint32_t>(x) * 73856093u ^ static_cast<uint32_t>(y) * 19349663u;
      n = (n ^ (n >> 13)) * 1274126177u;
      const int d = static_cast<int>((n >> 24) % 9) - 4;
      const QRgb c = line[x];
      line[x] = qRgb(qBound(0, qRed(c) + d, 255), qBound(0, qGreen(c) + d / 2, 255),
                     qBound(0, qBlue(c) + d / 2, 255));
    }
  }
  QImage out(size, size, QImage::Format_RGB32);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) out.setPixel(x, y, tile.pixel(x % period, y % period));
  }
  return out;
}

QByteArray IconSvg(const QString& artDir) {
  // The power-up badge, its own drawing placed inside the machine window; its outer <svg>
  // element goes, since the icon is one flat drawing.
  QFile badgeFile(artDir + "/gain.svg");
  if (!badgeFile.open(QIODevice::ReadOnly)) return {};
  QByteArray badge = badgeFile.readAll();
  const qsizetype open = badge.indexOf("<svg"), openEnd = badge.indexOf('>', open);
  const qsizetype close = badge.lastIndexOf("</svg>");
  if (open < 0 || openEnd < 0 || close < openEnd) return {};
  badge = badge.mid(openEnd + 1, close - openEnd - 1);
  // A rounded machine window in lacquered red with a gold rim, the power-up bolt inside.
  return QByteArray(
             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
             "viewBox=\"0 0 256 256\">\n"
             "  <defs>\n"
             "    <linearGradient id=\"icon-body\" x1=\"0\" y1=\"8\" x2=\"0\" y2=\"248\" "
             "gradientUnits=\"userSpaceOnUse\">\n"
             "      <stop offset=\"0\" stop-color=\"#d62834\"/>\n"
             "      <stop offset=\"1\" stop-color=\"#600814\"/>\n"
             "    </linearGradient>\n"
             "    <linearGradient id=\"icon-glass\" x1=\"0\" y1=\"40\" x2=\"0\" y2=\"216\" "
             "gradientUnits=\"userSpaceOnUse\">\n"
             "      <stop offset=\"0\" stop-color=\"#fffcf0\"/>\n"
             "      <stop offset=\"1\" stop-color=\"#e2d6ba\"/>\n"
             "    </linearGradient>\n"
             "  </defs>\n"
             "  <rect x=\"12\" y=\"12\" width=\"232\" height=\"232\" rx=\"44\" ry=\"44\" "
             "fill=\"url(#icon-body)\" stroke=\"#ecba3c\" stroke-width=\"10\"/>\n"
             "  <rect x=\"40\" y=\"40\" width=\"176\" height=\"176\" rx=\"22\" ry=\"22\" "
             "fill=\"url(#icon-glass)\" stroke=\"#3c140a\" stroke-width=\"4\"/>\n"
             "  <g transform=\"translate(44 44) scale(1.68)\">") +
         badge + "</g>\n</svg>\n";
}

QImage RenderIcon(const QString& artDir, int size) {
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QSvgRenderer svg(IconSvg(artDir));
  if (!svg.isValid()) return {};
  QPainter p(&icon);
  p.setRenderHint(QPainter::Antialiasing);
  svg.render(&p, QRectF(0, 0, size, size));
  p.end();
  return icon.convertToFormat(QImage::Format_ARGB32);
}

bool SaveBmp24(const QImage& image, const QString& path) {
  // Written by hand so that the bit depth and header never depend on the toolkit's choices.
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  const int w = rgb.width();
  const int h = rgb.height();
  const int stride = (w * 3 + 3) & ~3;
  const quint32 dataSize = static_cast<quint32>(stride) * h;
  QByteArray bytes(54 + static_cast<int>(dataSize), '\0');
  uchar* b = reinterpret_cast<uchar*>(bytes.data());
  b[0] = 'B';
  b[1] = 'M';
  qToLittleEndian<quint32>(54 + dataSize, b + 2);
  qToLittleEndian<quint32>(54, b + 10);
  qToLittleEndian<quint32>(40, b + 14);
  qToLittleEndian<qint32>(w, b + 18);
  qToLittleEndian<qint32>(h, b + 22);
  qToLittleEndian<quint16>(1, b + 26);
  qToLittleEndian<quint16>(24, b + 28);
  qToLittleEndian<quint32>(dataSize, b + 34);
  qToLittleEndian<qint32>(2835, b + 38);
  qToLittleEndian<qint32>(2835, b + 42);
  for (int y = 0; y < h; ++y) {
    const QRgb* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(h - 1 - y));
    uchar* dst = b + 54 + static_cast<size_t>(y) * stride;
    for (int x = 0; x < w; ++x) {
      dst[3 * x] = qBlue(src[x]);
      dst[3 * x + 1] = qGreen(src[x]);
      dst[3 * x + 2] = qRed(src[x]);
    }
  }
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace zandor::media
