#include "app/FaceView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "app/BetPanel.h"
#include "face/FacePainter.h"
#include "machine/SlotMachine.h"

namespace zandor {

FaceView::FaceView(FacePainter& face, SlotMachine& machine, QWidget* parent)
    : QWidget(parent), face_(face), machine_(machine) {
  setObjectName("faceView");
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void FaceView::Attach(BetPanel* panel, QWidget* faceArea) {
  panel_ = panel;
  faceArea_ = faceArea;
}

void FaceView::OnLaidOut(std::function<void(const std::string&)> laidOut) {
  laidOut_ = std::move(laidOut);
}

void FaceView::LayOut() {
  if (!panel_) return;
  const int w = width(), h = height();
  const int panelHeight = FacePainter::PanelHeight;
  // At its designed size the face is drawn pixel for pixel; larger (maximised or full screen)
  // the whole machine grows as one picture, so the meters, lamps, lines and buttons keep their
  // proportions.
  scaled_ = w > DesignWidth || h > DesignHeight;
  std::string err;
  if (!scaled_) {
    scale_ = 1;
    origin_ = QPointF();
    err = face_.FitToSize(w, h, devicePixelRatioF());
    panel_->Place(QRect(0, h - panelHeight, w, panelHeight), 1);
    faceArea_->setGeometry(0, 0, w, h - panelHeight);
  } else {
    // The machine as designed, scaled as one picture to fill the view and centred, painted at
    // the screen's own pixels: the canvas keeps the designed layout at a pixel ratio that many
    // times finer, so the meters, lamps and reels all grow together and the artwork comes from
    // the finest set the size calls for.
    scale_ = std::min(double(w) / DesignWidth, double(h) / DesignHeight);
    origin_ = QPointF((w - DesignWidth * scale_) / 2, (h - DesignHeight * scale_) / 2);
    const auto at = [this](double v) { return static_cast<int>(std::lround(v * scale_)); };
    const QPoint corner(static_cast<int>(std::lround(origin_.x())),
                        static_cast<int>(std::lround(origin_.y())));
    err = face_.FitToSize(DesignWidth, DesignHeight, devicePixelRatioF() * scale_);
    panel_->Place(QRect(corner + QPoint(0, at(DesignHeight - panelHeight)),
                        QSize(at(DesignWidth), at(panelHeight))),
                  scale_);
    faceArea_->setGeometry(QRect(corner, QSize(at(DesignWidth), at(DesignHeight - panelHeight))));
    update();
  }
  if (laidOut_) laidOut_(err);
}

void FaceView::UpdateArea(const QRect& r) {
  if (!scaled_) {
    update(r);
    return;
  }
  // Scaled, the canvas' place grows by a pixel at each side so that a rounded edge is drawn too.
  const QRectF area(origin_ + QPointF(r.topLeft()) * scale_, QSizeF(r.size()) * scale_);
  update(area.toAlignedRect().adjusted(-1, -1, 1, 1));
}

void FaceView::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  const QImage& canvas = face_.Canvas;
  if (canvas.isNull()) {
    p.fillRect(e->rect(), FaceColor);
    return;
  }
  const double ratio = canvas.devicePixelRatio();
  // Moved to a screen of another density: lay out again at its ratio, after this paint.
  if (ratio != devicePixelRatioF() * scale_) QTimer::singleShot(0, this, &FaceView::LayOut);
  if (scaled_) {
    PaintPicture(p, e->rect(), canvas);
    return;
  }
  const QRect r = e->rect();
  p.drawImage(QRectF(r), canvas,
              QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
}

void FaceView::PaintPicture(QPainter& p, const QRect& dirty, const QImage& canvas) {
  // The canvas holds the scaled picture at the screen's own pixels, copied one to one into its
  // place; the screen around it stays black.
  const double dpr = devicePixelRatioF();
  const QRectF picture(origin_, canvas.deviceIndependentSize() * scale_);
  const QRegion around = QRegion(dirty) - QRegion(picture.toAlignedRect());
  for (const QRect& r : around) p.fillRect(r, Qt::black);
  const QRectF r = QRectF(dirty) & picture;
  if (r.isEmpty()) return;
  p.drawImage(r, canvas,
              QRectF((r.x() - origin_.x()) * dpr, (r.y() - origin_.y()) * dpr, r.width() * dpr,
                     r.height() * dpr));
}

void FaceView::resizeEvent(QResizeEvent*) { LayOut(); }

void FaceView::mousePressEvent(QMouseEvent* e) {
  // A click on the face while a win or the bonus pool counts up puts the rest in at once.
  if (e->button() == Qt::LeftButton) machine_.HurryCountUp();
  QWidget::mousePressEvent(e);
}

}  // namespace zandor
