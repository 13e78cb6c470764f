// The one Qt application of a test program, made on first use and never destroyed: it must
// outlive every static that Qt and SDL tear down at exit.
#pragma once

#include <QApplication>

namespace zandor {

// The program's application (QApplication, or QGuiApplication where no widget is shown).
template <class Application = QApplication>
Application& TestApp() {
  static int argc = 1;
  static char arg0[] = "zandor_test";
  static char* argv[] = {arg0, nullptr};
  static Application* app = new Application(argc, argv);
  return *app;
}

}  // namespace zandor
