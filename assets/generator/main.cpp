// zandor-media: renders every picture, sound and song of the game into the program's folder.
// Usage: zandor-media <assets folder> <output folder>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "assets/generator/Effects.h"
#include "assets/generator/Letters.h"
#include "assets/generator/Pictures.h"
#include "assets/generator/Songs.h"

namespace zandor {
namespace {

bool Check(bool ok, const QString& what) {
  if (!ok) std::fprintf(stderr, "zandor-media: cannot write %s\n", qPrintable(what));
  return ok;
}

}  // namespace
}  // namespace zandor

using namespace zandor;

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: zandor-media <assets folder> <output folder>\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString src = QString::fromLocal8Bit(argv[1]);
  const QString out = QString::fromLocal8Bit(argv[2]) + "/";
  bool ok = true;

  for (int cell : {96, 144, 192}) {
    const QString name = out + QString("ZANDOR%1.bmp").arg(cell);
    ok &= Check(media::SaveBmp24(media::RenderArtwork(src + "/art", cell), name), name);
  }
  // The payoff chart asks for the small set under a second spelling; file names are
  // case-sensitive here, so both must exist.
  QFile::remove(out + "Zandor96.bmp");
  ok &= Check(QFile::copy(out + "ZANDOR96.bmp", out + "Zandor96.bmp"), out + "Zandor96.bmp");
  ok &= Check(media::SaveBmp24(media::RenderLetters(), out + "Alpha.bmp"), out + "Alpha.bmp");
  ok &= Check(media::SaveBmp24(media::RenderTile(96), out + "_BACK1.BMP"), out + "_BACK1.BMP");
  // The icon: the drawing itself for the desktop's scalable theme, and pictures of it at the
  // sizes desktops ask for most (256 is the one the window shows).
  const QByteArray iconSvg = media::IconSvg(src + "/art");
  QFile svgFile(out + "zandor-slots.svg");
  ok &= Check(!iconSvg.isEmpty() && svgFile.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                  svgFile.write(iconSvg) == iconSvg.size(),
              svgFile.fileName());
  svgFile.close();
  for (int size : {48, 128, 256}) {
    const QString name = out + (size == 256 ? QString("zandor-slots.png")
                                            : QString("zandor-slots-%1.png").arg(size));
    ok &= Check(media::RenderIcon(src + "/art", size).save(name, "PNG"), name);
  }

  ok &= media::WriteAllEffects(out);
  ok &= media::WriteAllSongs(src + "/music", out);
  return ok ? 0 : 1;
}
