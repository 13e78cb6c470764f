// The client area: the painted face with the bet panel under it, at its designed size or, when
// the window is larger, scaled as one picture with the panel scaled alike.
#pragma once

#include <QPointF>
#include <QWidget>
#include <functional>
#include <string>

namespace zandor {

class BetPanel;
class FacePainter;
class SlotMachine;

class FaceView : public QWidget {
  Q_OBJECT

 public:
  // The designed client area.
  static constexpr int DesignWidth = 632, DesignHeight = 394;

  // The view of face, whose clicks hurry machine's count-up.
  FaceView(FacePainter& face, SlotMachine& machine, QWidget* parent);

  // The panel and the face's accessible area, both children of this view, placed with it.
  void Attach(BetPanel* panel, QWidget* faceArea);
  // Called after each layout with what the artwork's loading had to say (empty: all well).
  void OnLaidOut(std::function<void(const std::string& error)> laidOut);
  // Chooses the artwork for the view's size and places the panel; then OnLaidOut's call. Larger
  // than designed, the machine is one picture of its designed size, scaled to fill the view.
  void LayOut();
  // Asks for a repaint of a part of the face, given in the face's own coordinates.
  void UpdateArea(const QRect& r);
  // The picture's scale (1 at the designed size) and its place in the view.
  double PictureScale() const { return scale_; }
  QPointF PictureOrigin() const { return origin_; }

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  void PaintPicture(QPainter& p, const QRect& dirty, const QImage& canvas);

  FacePainter& face_;
  SlotMachine& machine_;
  BetPanel* panel_ = nullptr;
  QWidget* faceArea_ = nullptr;
  std::function<void(const std::string&)> laidOut_;
  bool scaled_ = false;  // larger than designed: the face as one scaled picture
  double scale_ = 1;
  QPointF origin_;
};

}  // namespace zandor
