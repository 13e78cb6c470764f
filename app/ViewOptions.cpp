// The main window's choices for less motion and more contrast: "Blin&king Symbols" (on at
// first) and "&High Contrast" (off at first), at the end of the Options menu, kept in PLAYER.INI;
// and the screen reader's view of the face, told once money has stopped moving.
#include <QAction>
#include <QMenu>

#include "app/MainWindow.h"
#include "face/PayoffChart.h"
#include "platform/PaintedArea.h"

namespace zandor {

void MainWindow::BuildViewOptions(QMenu* options) {
  options->addSeparator();
  BlinkingAction = options->addAction(tr("Blin&king Symbols"));
  BlinkingAction->setCheckable(true);
  connect(BlinkingAction, &QAction::triggered, this, [this](bool on) {
    ViewChoices v = view_;
    v.Blinking = on;
    SetView(v);
  });
  HighContrastAction = options->addAction(tr("&High Contrast"));
  HighContrastAction->setCheckable(true);
  connect(HighContrastAction, &QAction::triggered, this, [this](bool on) {
    ViewChoices v = view_;
    v.HighContrast = on;
    SetView(v);
  });
}

void MainWindow::SetView(const ViewChoices& choices) {
  const bool changed = choices != view_;
  view_ = choices;
  BlinkingAction->setChecked(view_.Blinking);
  HighContrastAction->setChecked(view_.HighContrast);
  // Blinking stops on the symbols' own picture, never halfway through a flash.
  if (!view_.Blinking && !Face.BlinkPhase && Face.SymbolSize != 0 && !Face.Artwork.isNull()) {
    Face.Blink();
    UpdateArea(Face.ReelWindowArea());
  }
  if (Face.HighContrast != view_.HighContrast) {
    Face.HighContrast = view_.HighContrast;
    Repaint();
  }
  if (payoffs_) payoffs_->SetHighContrast(view_.HighContrast);
  if (!changed) return;
  // Kept at once, as the volume is: the file's other sections go with it as they stand.
  StoreViewChoices(playerFile_, view_);
  playerFile_.Save();
}

void MainWindow::TellFace() {
  // A count-up moves the meters coin by coin; the screen reader hears where they end.
  if (FaceArea && !Machine.Busy()) FaceArea->Changed();
}

}  // namespace zandor
