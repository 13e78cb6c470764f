// Where and how the main window stands: its designed size (a dragged border springs back),
// maximised (filling the screen itself where no window manager does) and full screen, with the
// place the window returns to.
#pragma once

#include <QObject>
#include <QRect>
#include <functional>
#include <optional>

#include "store/WindowSettings.h"

class QMainWindow;
class QShortcut;

namespace zandor {

class FaceView;

class WindowPlacement : public QObject {
  Q_OBJECT

 public:
  // Places window, whose client area is view; watches the window's state and size.
  WindowPlacement(QMainWindow& window, FaceView& view);

  // Puts the window where it last stood when that is on a screen, else centres it.
  void PlaceAtStart(const std::optional<WindowPlace>& place);
  // Where the normal window stands, or stood before it was maximised or filled the screen.
  WindowPlace NormalPlace() const;
  // Shows the window maximised, filling the screen itself where no window manager does.
  void ShowMaximizedAtStart();
  // True while maximised, by the window manager or by ourselves; in full screen, the state
  // the window returns to.
  bool Maximised() const;
  // Fills the whole screen or gives the place back where the window was before (F11, the
  // menu, Escape to leave).
  void SetFullScreen(bool on);
  // True while the window is in full screen.
  bool FullScreen() const { return fullScreen_; }
  // Full screen once the window is first shown (the choice the last game left with).
  void SetFullScreenAtStart(bool on) { fullScreenAtStart_ = on; }
  // Called whenever full screen is entered or left, to show it in the menu.
  void OnFullScreenChanged(std::function<void()> changed) { changed_ = std::move(changed); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QSize DesignedSize() const;
  void FillScreen(bool wholeScreen);
  void StateChanged(Qt::WindowStates oldState);
  void Resized();

  QMainWindow& window_;
  FaceView& view_;
  std::function<void()> changed_;
  bool filledScreen_ = false;
  bool fullScreen_ = false;
  bool fullScreenAtStart_ = false;
  bool maximisedBeneath_ = false;         // the state full screen returns to
  QRect placeBeneath_;                    // where the normal window stood before
  QPoint frameBeneath_;                   // and its frame's corner
  QShortcut* leaveFullScreen_ = nullptr;  // Escape, only while full screen
};

}  // namespace zandor
