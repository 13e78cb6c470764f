#include "app/BackgroundChoice.h"

#include <QFileInfo>

#include "face/FacePainter.h"
#include "machine/GameState.h"
#include "platform/FileNames.h"
#include "platform/Prompts.h"
#include "store/Utf8Text.h"

namespace zandor {

BackgroundChoice::BackgroundChoice(FacePainter& face, PlayerOptions& options, Prompts& prompts,
                                   QWidget* parent, const QString& programDir)
    : face_(face), options_(options), prompts_(prompts), parent_(parent), tileDir_(programDir) {}

bool BackgroundChoice::ChooseTile() {
  const QString path = prompts_.ChooseFile(parent_, tr("Load Tiled Bitmap File"), tileDir_,
                                           tr("Bitmaps (%1)").arg("*.BMP *.bmp"));
  if (path.isEmpty()) return true;
  const std::string err = face_.LoadTile(LocalPath(path));
  if (!err.empty()) {
    prompts_.Warn(parent_, QString::fromStdString(err));
    return false;
  }
  options_.BackBitmap = FirstCharacters(LocalPath(path), 255);
  tileDir_ = QFileInfo(path).absolutePath();
  options_.BackMode = BackgroundMode::TiledBitmap;
  face_.TiledChecked = true;
  return true;
}

void BackgroundChoice::ChooseSolidColor() {
  if (const std::optional<QColor> chosen = prompts_.ChooseColor(parent_, lastColor_)) {
    const QColor c = *chosen;
    lastColor_ = c;
    options_.BackColor = static_cast<int32_t>((c.blue() << 16) | (c.green() << 8) | c.red());
    options_.BackMode = BackgroundMode::SolidColor;
  }
  face_.TiledChecked = false;
}

}  // namespace zandor
