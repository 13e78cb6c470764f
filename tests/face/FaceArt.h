// Synthetic artwork for the face tests: every cell and every tile pixel has a colour that
// says where it came from, so a test can tell exactly which source pixel landed where.
#pragma once

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <string>

namespace zandor {

// Cell v, pixel (lx, ly) of an artwork set of cell size s: red tells the cell, green the half,
// blue marks the cell's last column and row.
inline QRgb ArtColour(int v, int lx, int ly, int s) {
  return qRgb(20 * v + 10, ly < s / 2 ? 100 : 150, (lx == s - 1 || ly == s - 1) ? 255 : 200);
}

inline QImage MakeArt(int s) {
  QImage img(3 * s, 3 * s, QImage::Format_RGB32);
  for (int y = 0; y < 3 * s; ++y)
    for (int x = 0; x < 3 * s; ++x)
      img.setPixel(x, y, ArtColour((y / s) * 3 + x / s, x % s, y % s, s));
  return img;
}

// Tile pixel (x, y), easy to recognise after tiling.
inline QRgb TileColour(int x, int y) { return qRgb(x & 0xFF, y & 0xFF, 7); }

inline QImage MakeTile(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.setPixel(x, y, TileColour(x, y));
  return img;
}

// The letter strip: letter L is a flat colour.
inline QImage MakeLetters() {
  QImage img(13 * 26, 27, QImage::Format_RGB32);
  for (int y = 0; y < 27; ++y)
    for (int x = 0; x < 13 * 26; ++x) img.setPixel(x, y, qRgb(10 * (x / 13), 99, 33));
  return img;
}

// A program folder holding the three artwork sets, the chart's set, the letters and a tile.
struct ArtFolder {
  QTemporaryDir Dir;
  std::string Path;
  ArtFolder() {
    Path = Dir.path().toStdString() + "/";
    MakeArt(96).save(QString::fromStdString(Path + "ZANDOR96.bmp"), "BMP");
    MakeArt(96).save(QString::fromStdString(Path + "Zandor96.bmp"), "BMP");
    MakeArt(144).save(QString::fromStdString(Path + "ZANDOR144.bmp"), "BMP");
    MakeArt(192).save(QString::fromStdString(Path + "ZANDOR192.bmp"), "BMP");
    MakeLetters().save(QString::fromStdString(Path + "Alpha.bmp"), "BMP");
  }
};

// Widgets, fonts and image plugins need an application object; one serves every test.
inline void EnsureApp() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "face_test";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

}  // namespace zandor
