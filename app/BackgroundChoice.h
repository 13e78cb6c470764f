// The Options / Background choices: a bitmap file tiled around the machine, or one colour.
#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QString>

class QWidget;

namespace zandor {

class FacePainter;
class Prompts;
struct PlayerOptions;

class BackgroundChoice {
  Q_DECLARE_TR_FUNCTIONS(zandor::BackgroundChoice)

 public:
  // Chooses for face and options, asking through prompts over parent; the file box starts in
  // programDir.
  BackgroundChoice(FacePainter& face, PlayerOptions& options, Prompts& prompts, QWidget* parent,
                   const QString& programDir);

  // "Tiled Bitmap": asks for a bitmap file and tiles it; false when the file could not be read
  // (the player has been told), true when tiled or cancelled.
  bool ChooseTile();
  // "Solid Color": asks for a colour; cancelled, the face still shows the solid colour.
  void ChooseSolidColor();

 private:
  FacePainter& face_;
  PlayerOptions& options_;
  Prompts& prompts_;
  QWidget* parent_;
  QString tileDir_;            // where the file box opens: the last tile's folder
  QColor lastColor_{0, 0, 0};  // where the colour box starts
};

}  // namespace zandor
