// The main window under test: a fresh settings folder, the window built and shown on it, and
// its controls found by name as the player finds them by caption.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "app/Dirs.h"
#include "app/MainWindow.h"
#include "platform/PaintedArea.h"
#include "tests/support/FakePrompts.h"
#include "tests/support/TestApp.h"

namespace zandor {

inline QApplication& App() { return TestApp(); }

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

struct Window : ::testing::Test {
  QTemporaryDir Settings;
  GameState Game;
  std::unique_ptr<MainWindow> Form;
  FakePrompts Prompts;
  std::vector<QString>& Messages = Prompts.Messages;

  Window() { App(); }

  void Open(const std::string& ini = "", const std::string& programDir = ProgramDirectory()) {
    Game.Dirs.Program = programDir;
    Game.Dirs.Settings = Settings.path().toStdString() + "/";
    if (!ini.empty()) std::ofstream(Game.Dirs.Settings + "ZANDOR.INI") << ini;
    Form = std::make_unique<MainWindow>(GameHandle(Game), Prompts);
    Form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
  }
  QStringList Captions(QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions()) out << (a->isSeparator() ? "-" : a->text());
    return out;
  }
  QMenu* TopMenu(const QString& caption) {
    for (QAction* a : Form->menuBar()->actions())
      if (a->text() == caption) return a->menu();
    return nullptr;
  }
  // A menu entry, a button or the panel by its object name.
  QAction* Action(const char* name) { return Form->findChild<QAction*>(name); }
  QPushButton* Button(const char* name) { return Form->findChild<QPushButton*>(name); }
  QWidget* Panel() { return Form->findChild<QWidget*>("betPanel"); }
  // The face as a screen reader walks it.
  PaintedArea* Area() { return Form->findChild<PaintedArea*>("faceArea"); }
};

}  // namespace zandor
