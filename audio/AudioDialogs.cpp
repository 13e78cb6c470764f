#include "audio/AudioDialogs.h"

#include <QFileInfo>

#include "platform/FileNames.h"
#include "platform/Prompts.h"

namespace zandor {

bool AudioDialogs::PathFits(Prompts& prompts, QWidget* parent, const QString& path) {
  // Cutting the path would store the name of a file that does not exist, so a path
  // that cannot be kept whole is refused instead.
  if (CharacterCount(path) <= MaxPathLength) return true;
  prompts.Warn(parent, tr("The path of this file is longer than %1 characters.  Please choose a "
                          "file in a folder with a shorter path.")
                           .arg(MaxPathLength));
  return false;
}

bool AudioDialogs::SizeFits(Prompts& prompts, QWidget* parent, const QString& path, int64_t limit) {
  // A file far larger than any song or sound would stall the window while it is read.
  if (QFileInfo(path).size() <= limit) return true;
  prompts.Warn(parent,
               tr("%1 is larger than %2 MB, too large to play.  Please choose a smaller file.")
                   .arg(QFileInfo(path).fileName())
                   .arg(limit >> 20));
  return false;
}

}  // namespace zandor
