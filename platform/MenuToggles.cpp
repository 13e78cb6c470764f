#include "platform/MenuToggles.h"

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QPointer>
#include <QVariant>

namespace zandor {

namespace {

// "&High Contrast" reads "High Contrast"; "&&" stays one ampersand.
QString WithoutMnemonic(QString text) {
  for (qsizetype i = 0; i < text.size(); ++i)
    if (text[i] == QLatin1Char('&')) text.remove(i, 1);
  return text;
}

// The menu as its toggles see it: the toolkit's own menu in every respect, except that it finds
// a toggle among its entries. The toolkit's menu counts only menu items there; a check box it
// cannot place, a screen reader takes for gone and never speaks.
class MenuOfToggles : public QAccessibleInterface {
 public:
  MenuOfToggles(QMenu* menu, QAccessibleInterface* own) : menu_(menu), own_(own) {}

  bool isValid() const override { return menu_ && own_->isValid(); }
  // No object of its own: the menu stays the toolkit's wherever the menu itself is asked for.
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return own_->window(); }
  QAccessibleInterface* parent() const override { return own_->parent(); }
  QAccessibleInterface* child(int index) const override { return own_->child(index); }
  int childCount() const override { return own_->childCount(); }
  int indexOfChild(const QAccessibleInterface* c) const override {
    if (!menu_ || !c) return -1;
    return static_cast<int>(menu_->actions().indexOf(qobject_cast<QAction*>(c->object())));
  }
  QAccessibleInterface* childAt(int x, int y) const override { return own_->childAt(x, y); }
  QAccessibleInterface* focusChild() const override { return own_->focusChild(); }
  QString text(QAccessible::Text t) const override { return own_->text(t); }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::Role role() const override { return own_->role(); }
  QAccessible::State state() const override { return own_->state(); }
  QRect rect() const override { return own_->rect(); }

 private:
  QPointer<QMenu> menu_;
  QAccessibleInterface* own_;
};

// The stand-in of `menu` for its toggles, made once and let go with the menu.
QAccessibleInterface* TogglesMenu(QMenu* menu) {
  static const char* const kKey = "zandorTogglesMenu";
  const QVariant id = menu->property(kKey);
  if (id.isValid()) return QAccessible::accessibleInterface(id.value<QAccessible::Id>());
  QAccessibleInterface* own = QAccessible::queryAccessibleInterface(menu);
  if (!own) return nullptr;
  auto* standIn = new MenuOfToggles(menu, own);
  const QAccessible::Id made = QAccessible::registerAccessibleInterface(standIn);
  menu->setProperty(kKey, QVariant::fromValue(made));
  QObject::connect(menu, &QObject::destroyed, [made] { QAccessible::deleteAccessibleInterface(made); });
  return standIn;
}

// A checkable entry of a menu: the same name, place, state and action as the toolkit's item,
// with the role of a check box or radio button so that its state is always spoken.
class ToggleAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  explicit ToggleAccessible(QAction* action) : action_(action) {}

  bool isValid() const override { return action_ && Menu(); }
  QObject* object() const override { return action_; }
  QWindow* window() const override {
    QMenu* menu = Menu();
    return menu ? menu->window()->windowHandle() : nullptr;
  }
  QAccessibleInterface* parent() const override {
    QMenu* menu = Menu();
    return menu ? TogglesMenu(menu) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }

  QString text(QAccessible::Text t) const override {
    if (!action_) return {};
    if (t == QAccessible::Name) return WithoutMnemonic(action_->text());
    if (t == QAccessible::Accelerator) return action_->shortcut().toString();
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}

  QAccessible::Role role() const override {
    const QActionGroup* group = action_ ? action_->actionGroup() : nullptr;
    return group && group->isExclusive() ? QAccessible::RadioButton : QAccessible::CheckBox;
  }

  QAccessible::State state() const override {
    QAccessible::State s;
    QMenu* menu = Menu();
    if (!action_ || !menu) {
      s.invisible = true;
      return s;
    }
    s.invisible = !menu->isVisible() || !action_->isVisible();
    s.disabled = !action_->isEnabled();
    s.focusable = true;
    s.focused = menu->activeAction() == action_;
    s.hotTracked = true;
    s.checkable = true;
    s.checked = action_->isChecked();
    return s;
  }

  QRect rect() const override {
    QMenu* menu = Menu();
    if (!action_ || !menu) return {};
    const QRect r = menu->actionGeometry(action_);
    return QRect(menu->mapToGlobal(r.topLeft()), r.size());
  }

  void* interface_cast(QAccessible::InterfaceType t) override {
    return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                             : nullptr;
  }

  QStringList actionNames() const override {
    return action_ && action_->isEnabled() ? QStringList{toggleAction()} : QStringList();
  }
  void doAction(const QString& name) override {
    if (name != toggleAction() || !action_ || !action_->isEnabled()) return;
    if (QMenu* menu = Menu()) menu->setActiveAction(action_);
    action_->trigger();
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  // The menu the entry is in.
  QMenu* Menu() const {
    if (!action_) return nullptr;
    for (QObject* o : action_->associatedObjects())
      if (auto* menu = qobject_cast<QMenu*>(o)) return menu;
    return nullptr;
  }

  QPointer<QAction> action_;
};

QAccessibleInterface* ToggleFactory(const QString& key, QObject* object) {
  // A menu asks for its entries by their own objects; other checkable actions (none in a menu)
  // keep the toolkit's answer.
  if (key != QLatin1String("QAction")) return nullptr;
  auto* action = static_cast<QAction*>(object);
  if (!action->isCheckable()) return nullptr;
  for (QObject* o : action->associatedObjects())
    if (qobject_cast<QMenu*>(o)) return new ToggleAccessible(action);
  return nullptr;
}

}  // namespace

void ExposeMenuToggles() {
  static const bool installed = [] {
    QAccessible::installFactory(ToggleFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace zandor
