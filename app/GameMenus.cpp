#include "app/GameMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace zandor {

GameMenus::GameMenus(QMenuBar* bar, const std::vector<MenuEntry>& table) : QObject(bar) {
  Fill(nullptr, bar, table);
}

void GameMenus::Fill(QMenu* menu, QMenuBar* bar, const std::vector<MenuEntry>& entries) {
  for (const MenuEntry& e : entries) {
    if (e.Caption.isEmpty()) {
      if (menu) menu->addSeparator();
      continue;
    }
    if (!e.Entries.empty()) {
      QMenu* sub = menu ? menu->addMenu(e.Caption) : bar->addMenu(e.Caption);
      if (e.Name) sub->setObjectName(e.Name);
      menus_.push_back(sub);
      Fill(sub, bar, e.Entries);
      continue;
    }
    QAction* a = menu ? menu->addAction(e.Caption) : bar->addAction(e.Caption);
    if (e.Name) a->setObjectName(e.Name);
    if (!e.Shortcut.isEmpty()) a->setShortcut(e.Shortcut);
    a->setCheckable(static_cast<bool>(e.Checked));
    if (e.Triggered) connect(a, &QAction::triggered, this, e.Triggered);
    // A checkable entry shows the game's state, not merely its own last click.
    if (e.Checked) connect(a, &QAction::triggered, this, [this] { Refresh(); });
    actions_.emplace_back(a, e);
  }
}

void GameMenus::Refresh() {
  for (auto& [action, entry] : actions_) {
    if (entry.Checked) action->setChecked(entry.Checked());
    if (entry.Enabled) action->setEnabled(entry.Enabled());
    if (entry.Tip) {
      const QString tip = entry.Tip();
      action->setToolTip(tip);
      action->setStatusTip(tip);
    }
  }
}

QMenu* GameMenus::Menu(const char* name) const {
  for (QMenu* m : menus_)
    if (m->objectName() == QLatin1String(name)) return m;
  return nullptr;
}

QAction* GameMenus::Action(const char* name) const {
  for (const auto& [action, entry] : actions_)
    if (action->objectName() == QLatin1String(name)) return action;
  return nullptr;
}

}  // namespace zandor
