// Pictures of the game: the artwork sets, the background tile and the application icon.
#pragma once

#include <QImage>
#include <QString>

namespace media {

// Renders one artwork set: 3 x 3 cells of `cell` pixels drawn from the SVG sources in `artDir`.
QImage RenderArtwork(const QString& artDir, int cell);

// Renders the default background tile, seamless at a pitch of its size minus one pixel.
QImage RenderTile(int size);

// Renders the 256 x 256 application icon with an alpha channel.
QImage RenderIcon(const QString& artDir);

// Writes `image` as an uncompressed 24-bit BMP; false when the file cannot be written.
bool SaveBmp24(const QImage& image, const QString& path);

}  // namespace media
