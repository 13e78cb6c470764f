#include "app/ViewOptions.h"

#include "app/FaceView.h"
#include "face/FacePainter.h"
#include "face/PayoffChart.h"
#include "store/PlayerIni.h"

namespace zandor {

ViewOptions::ViewOptions(FacePainter& face, FaceView& view, PlayerIni& file,
                         std::function<void()> repaint)
    : face_(face), faceView_(view), file_(file), repaint_(std::move(repaint)) {}

void ViewOptions::Set(const ViewChoices& choices, PayoffChart* payoffs) {
  const bool changed = choices != view_;
  view_ = choices;
  // Blinking stops on the symbols' own picture, never halfway through a flash.
  if (!view_.Blinking && !face_.BlinkPhase && face_.SymbolSize != 0 && !face_.Artwork.isNull()) {
    face_.Blink();
    faceView_.UpdateArea(face_.ReelWindowArea());
  }
  if (face_.HighContrast != view_.HighContrast) {
    face_.HighContrast = view_.HighContrast;
    repaint_();
  }
  if (payoffs) payoffs->SetHighContrast(view_.HighContrast);
  if (!changed) return;
  // Kept at once, as the volume is: the file's other sections go with it as they stand.
  StoreViewChoices(file_, view_);
  file_.Save();
}

void ViewOptions::Blink() {
  if (face_.SymbolSize == 0 || face_.Artwork.isNull() || !view_.Blinking) return;
  face_.Blink();
  faceView_.UpdateArea(face_.ReelWindowArea());
}

}  // namespace zandor
