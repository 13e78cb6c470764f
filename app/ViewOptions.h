// The player's choices for less motion and more contrast ("Blin&king Symbols", on at first, and
// "&High Contrast", off at first), applied to the face and kept in PLAYER.INI.
#pragma once

#include <functional>

#include "store/ViewSettings.h"

namespace zandor {

class FacePainter;
class FaceView;
class PayoffChart;
class PlayerIni;

class ViewOptions {
 public:
  // Applies the choices to face, shown in view; repaint paints the whole face again.
  ViewOptions(FacePainter& face, FaceView& view, PlayerIni& file, std::function<void()> repaint);

  // The choices as the menu shows them.
  const ViewChoices& Choices() const { return view_; }
  // Applies the choices (to the payoff chart too, when there is one) and keeps them in
  // PLAYER.INI when they changed.
  void Set(const ViewChoices& choices, PayoffChart* payoffs);
  // One step of the win's blinking, unless the player has it off.
  void Blink();

 private:
  FacePainter& face_;
  FaceView& faceView_;
  PlayerIni& file_;
  std::function<void()> repaint_;
  ViewChoices view_;
};

}  // namespace zandor
