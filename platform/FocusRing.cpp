#include "platform/FocusRing.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

namespace zandor {

namespace {

// Two pixels of black just inside the rectangle.
void Ring(QPainter* p, const QRect& r) {
  p->save();
  p->setRenderHint(QPainter::Antialiasing, false);
  p->setBrush(Qt::NoBrush);
  p->setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p->drawRect(QRectF(r).adjusted(1, 1, -1, -1));
  p->restore();
}

}  // namespace

FocusRingStyle::FocusRingStyle() = default;

void FocusRingStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
  // Some styles draw the focus only after a Tab, and then in a thin pale line; buttons, check
  // boxes, radio buttons and list cells all come here for it.
  if (element == PE_FrameFocusRect) {
    if (option->rect.width() > 4 && option->rect.height() > 4) Ring(painter, option->rect);
    return;
  }
  QProxyStyle::drawPrimitive(element, option, painter, widget);
  // Text fields show the focus by their frame.
  const bool inSpinBox =
      widget && widget->parentWidget() && widget->parentWidget()->inherits("QAbstractSpinBox");
  if ((element == PE_PanelLineEdit || element == PE_FrameLineEdit) &&
      (option->state & State_HasFocus) && !inSpinBox)
    Ring(painter, option->rect);
}

void FocusRingStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawControl(element, option, painter, widget);
  // Push buttons are drawn whole here and show no focus of their own in every style.
  if (element == CE_PushButton && (option->state & State_HasFocus))
    Ring(painter, subElementRect(SE_PushButtonFocusRect, option, widget));
}

void FocusRingStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                        QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawComplexControl(control, option, painter, widget);
  if ((control == CC_SpinBox || control == CC_Slider || control == CC_ComboBox) &&
      (option->state & State_HasFocus))
    Ring(painter, option->rect);
}

void ShowFocusEverywhere() {
  if (qobject_cast<FocusRingStyle*>(QApplication::style())) return;
  QApplication::setStyle(new FocusRingStyle);
}

}  // namespace zandor
