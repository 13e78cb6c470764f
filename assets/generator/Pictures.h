// Pictures of the game: the artwork sets, the background tile and the application icon.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace zandor::media {

// Renders one artwork set: 3 x 3 cells of `cell` pixels drawn from the SVG sources in `artDir`.
QImage RenderArtwork(const QString& artDir, int cell);

// Renders the default background tile, seamless at a pitch of its size minus one pixel.
QImage RenderTile(int size);

// The application icon as an SVG drawing of 256 x 256 units (empty if the art is unreadable).
QByteArray IconSvg(const QString& artDir);

// Renders the application icon at size x size pixels with an alpha channel.
QImage RenderIcon(const QString& artDir, int size);

// Writes `image` as an uncompressed 24-bit BMP; false when the file cannot be written.
bool SaveBmp24(const QImage& image, const QString& path);

}  // namespace zandor::media
