// The checks on a file chosen in the sound and music dialogs, before it is kept.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>

class QWidget;

namespace zandor {

class Prompts;

// Paths longer than this are not stored (the settings file keeps 255 characters).
inline constexpr int MaxPathLength = 255;

struct AudioDialogs {
  Q_DECLARE_TR_FUNCTIONS(zandor::AudioDialogs)

 public:
  // Checks a chosen path's length; a path too long to keep is refused with a warning.
  static bool PathFits(Prompts& prompts, QWidget* parent, const QString& path);
  // Checks a chosen file's size before it is read; a larger one is refused with a warning.
  static bool SizeFits(Prompts& prompts, QWidget* parent, const QString& path, int64_t limit);
};

}  // namespace zandor
