// The file and message boxes of the sound dialogs, replaceable so tests can answer
// them without a modal loop.
#pragma once

#include <QMessageBox>
#include <QString>
#include <cstdint>
#include <functional>

class QWidget;

// Paths longer than this are not stored (the settings file keeps 255 characters).
inline constexpr int MaxPathLength = 255;

struct AudioDialogs {
  // Signature of the file-open hook: returns the chosen path, "" when cancelled.
  using OpenFileFn = std::function<QString(QWidget* parent, const QString& title,
                                           const QString& folder, const QString& filter)>;
  // Signature of the message hook.
  using MessageFn = std::function<void(QWidget* parent, QMessageBox::Icon icon,
                                       const QString& title, const QString& text)>;
  // Replaces the file-open dialog when set.
  static inline OpenFileFn OpenFileHook;
  // Replaces the message boxes when set.
  static inline MessageFn MessageHook;

  // Runs the file-open dialog (or its hook).
  static QString OpenFile(QWidget* parent, const QString& title, const QString& folder,
                          const QString& filter);
  // Shows a message box with an OK button (or calls its hook).
  static void Message(QWidget* parent, QMessageBox::Icon icon, const QString& text);
  // Checks a chosen path's length; a path too long to keep is refused with a warning.
  static bool PathFits(QWidget* parent, const QString& path);
  // Checks a chosen file's size before it is read; a larger one is refused with a warning.
  static bool SizeFits(QWidget* parent, const QString& path, int64_t limit);
};
