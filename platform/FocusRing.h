// A focus that can be seen: every control with the keyboard focus, in every window of the
// program, gets a solid black ring two pixels wide, whether the focus came from the keyboard,
// a click or the program itself. Unfocused controls look exactly as the platform style draws
// them.
#pragma once

#include <QProxyStyle>

namespace zandor {

class FocusRingStyle : public QProxyStyle {
  Q_OBJECT

 public:
  // Wraps the application's default style.
  FocusRingStyle();

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget = nullptr) const override;
};

// Puts the focus ring into every window of the program (once; later calls do nothing).
void ShowFocusEverywhere();

}  // namespace zandor
