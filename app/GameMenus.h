// The window's menu bar, built from a table of entries; it owns the actions and keeps their
// check marks and greying in step with the game.
#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace zandor {

// One line of a menu: an entry, a separator (no caption) or a submenu (entries).
struct MenuEntry {
  QString Caption;                  // as shown, with its accelerator; empty: a separator
  const char* Name = nullptr;       // the action's or submenu's object name
  std::function<void()> Triggered;  // what the entry does
  QKeySequence Shortcut;            // the key shown beside the caption and handled anywhere
  std::function<bool()> Checked;    // set: a check mark that shows what this returns
  std::function<bool()> Enabled;    // set: greyed while this returns false
  std::vector<MenuEntry> Entries;   // not empty: a submenu of these
  std::function<QString()> Tip;     // set: the tip shown while hovered, e.g. why it is greyed
};

// A separator between two groups of entries.
inline MenuEntry Separator() { return {}; }

class GameMenus : public QObject {
  Q_OBJECT

 public:
  // Fills bar with the table's menus, in order; the top level holds submenus and plain entries.
  GameMenus(QMenuBar* bar, const std::vector<MenuEntry>& table);

  // Sets every check mark and greying from the game as it stands.
  void Refresh();
  // The submenu whose object name is name (null when there is none).
  QMenu* Menu(const char* name) const;
  // The entry whose object name is name (null when there is none).
  QAction* Action(const char* name) const;

 private:
  void Fill(QMenu* menu, QMenuBar* bar, const std::vector<MenuEntry>& entries);

  std::vector<std::pair<QAction*, MenuEntry>> actions_;  // with what each shows
  std::vector<QMenu*> menus_;
};

}  // namespace zandor
