// The focus that can be seen, in every window of the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "platform/FocusRing.h"
#include "tests/support/TestApp.h"

using namespace zandor;

namespace {

QApplication& App() { return TestApp(); }

}  // namespace

// A control with the focus, whether given by a click, a key or the program, shows a black ring
// two pixels wide inside its edge (black on the light face of a control: far above 3:1); a
// control without it looks exactly as the platform style draws it.
TEST(FocusRing, SeenOnEveryControl) {
  App();
  QWidget plain;
  QPushButton* plainButton = new QPushButton("Spin", &plain);
  plainButton->setGeometry(10, 10, 132, 49);
  plain.resize(160, 70);
  plain.show();
  plain.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&plain));
  const QImage platformLook = plainButton->grab().toImage().convertToFormat(QImage::Format_RGB32);
  plain.hide();

  ShowFocusEverywhere();
  ShowFocusEverywhere();  // a second call changes nothing
  ASSERT_NE(qobject_cast<FocusRingStyle*>(QApplication::style()), nullptr);
  QWidget window;
  window.resize(460, 70);
  auto* button = new QPushButton("Spin", &window);
  button->setGeometry(10, 10, 132, 49);
  auto* check = new QCheckBox("Stop after", &window);
  check->setGeometry(150, 10, 120, 30);
  auto* field = new QLineEdit("name", &window);
  field->setGeometry(280, 10, 80, 30);
  auto* box = new QSpinBox(&window);
  box->setGeometry(370, 10, 80, 30);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  // Unfocused, the button is drawn as before.
  field->setFocus();
  EXPECT_EQ(button->grab().toImage().convertToFormat(QImage::Format_RGB32), platformLook);

  for (QWidget* w : std::initializer_list<QWidget*>{button, check, field, box}) {
    SCOPED_TRACE(w->metaObject()->className());
    w->setFocus();
    const QImage img = w->grab().toImage();
    // Along the middle row, from the left edge inwards: two black pixels side by side.
    int run = 0, best = 0;
    for (int x = 0; x < img.width() / 2; ++x) {
      run = img.pixel(x, img.height() / 2) == qRgb(0, 0, 0) ? run + 1 : 0;
      best = std::max(best, run);
    }
    EXPECT_GE(best, 2);
    // And along the top edge, across the middle.
    run = best = 0;
    for (int y = 0; y < img.height() / 2; ++y) {
      run = img.pixel(img.width() / 2 + 7, y) == qRgb(0, 0, 0) ? run + 1 : 0;
      best = std::max(best, run);
    }
    EXPECT_GE(best, 2);
  }
}
