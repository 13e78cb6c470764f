#include "platform/PaintedArea.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <algorithm>

#include "platform/AccessEvents.h"

namespace zandor {

namespace {

// One painted part, or one column caption of a table area, as an accessible child of the area.
class PartAccessible : public QAccessibleInterface,
                       public QAccessibleValueInterface,
                       public QAccessibleTableCellInterface {
 public:
  // A part by its index, or (caption true) a table's column caption by its column.
  PartAccessible(PaintedArea* area, int index, bool caption)
      : area_(area), index_(index), caption_(caption) {}

  bool isValid() const override { return !area_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return area_ ? area_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return area_ ? QAccessible::queryAccessibleInterface(area_) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  QString text(QAccessible::Text t) const override {
    if (caption_) return t == QAccessible::Name ? area_->Columns().value(index_) : QString();
    const PaintedPart part = Part();
    switch (t) {
      case QAccessible::Name:
        return part.Name;
      case QAccessible::Value:
        return part.Value;
      default:
        return {};
    }
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!area_) return {};
    QRect place = caption_ ? QRect() : Part().Place;
    if (caption_) {
      // A caption sits above its column's first cell.
      const std::vector<PaintedPart> parts = area_->Parts();
      if (index_ < static_cast<int>(parts.size())) place = parts[index_].Place;
    }
    return QRect(area_->mapToGlobal(place.topLeft()), place.size());
  }
  QAccessible::Role role() const override {
    return caption_ ? QAccessible::ColumnHeader : Part().Role;
  }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!area_) {
      s.invalid = true;
      return s;
    }
    s.readOnly = true;
    if (caption_) return s;
    const PaintedPart part = Part();
    if (!part.Shown || !area_->isVisible()) s.invisible = true;
    if (area_->focusPolicy() != Qt::NoFocus) s.focusable = true;
    if (area_->hasFocus() && area_->Current() == index_) s.focused = true;
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::ValueInterface && !caption_ && Part().Numeric)
      return static_cast<QAccessibleValueInterface*>(this);
    if (t == QAccessible::TableCellInterface && area_ && !area_->Columns().isEmpty())
      return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
  }

  // The value of a numeric part.
  QVariant currentValue() const override { return Part().Number; }
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return Part().Maximum; }
  QVariant minimumValue() const override { return Part().Minimum; }
  QVariant minimumStepSize() const override { return 1; }

  // A cell of a table area.
  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override;
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override {
    const int n = static_cast<int>(area_->Columns().size());
    return caption_ ? index_ : n > 0 ? index_ % n : 0;
  }
  int rowIndex() const override {
    const int n = static_cast<int>(area_->Columns().size());
    return caption_ ? -1 : n > 0 ? index_ / n : 0;
  }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  PaintedPart Part() const {
    if (!area_) return {};
    const std::vector<PaintedPart> parts = area_->Parts();
    return index_ >= 0 && index_ < static_cast<int>(parts.size()) ? parts[index_] : PaintedPart{};
  }

  QPointer<PaintedArea> area_;
  int index_;
  bool caption_;
};

// The area: its children are the column captions of a table, then the parts.
class AreaAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit AreaAccessible(PaintedArea* area) : QAccessibleWidget(area, area->AreaRole()) {}
  ~AreaAccessible() override {
    for (QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
  }

  PaintedArea* Area() const { return static_cast<PaintedArea*>(widget()); }
  QAccessible::Role role() const override { return Area()->AreaRole(); }
  int Captions() const { return static_cast<int>(Area()->Columns().size()); }
  int PartCount() const { return static_cast<int>(Area()->Parts().size()); }

  // The interface of child i, made once and kept for the area's life.
  QAccessibleInterface* Child(int i) const {
    if (i < 0 || i >= childCount()) return nullptr;
    if (static_cast<int>(ids_.size()) <= i) ids_.resize(i + 1, 0);
    if (ids_[i] == 0) {
      const bool caption = i < Captions();
      auto* iface = new PartAccessible(Area(), caption ? i : i - Captions(), caption);
      ids_[i] = QAccessible::registerAccessibleInterface(iface);
    }
    return QAccessible::accessibleInterface(ids_[i]);
  }
  // The interface of part n.
  QAccessibleInterface* PartInterface(int n) const { return Child(n + Captions()); }

  int childCount() const override { return Captions() + PartCount(); }
  QAccessibleInterface* child(int index) const override { return Child(index); }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < static_cast<int>(ids_.size()); ++i)
      if (ids_[i] != 0 && QAccessible::accessibleInterface(ids_[i]) == child) return i;
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint local = Area()->mapFromGlobal(QPoint(x, y));
    const std::vector<PaintedPart> parts = Area()->Parts();
    for (int n = 0; n < static_cast<int>(parts.size()); ++n)
      if (parts[n].Shown && parts[n].Place.contains(local)) return PartInterface(n);
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    return Area()->hasFocus() ? PartInterface(Area()->Current()) : nullptr;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TableInterface && Captions() > 0)
      return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    if (column < 0 || column >= Captions() || row < 0 || row >= rowCount()) return nullptr;
    return PartInterface(row * Captions() + column);
  }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int column) const override { return Area()->Columns().value(column); }
  QString rowDescription(int) const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return Captions(); }
  int rowCount() const override { return Captions() > 0 ? PartCount() / Captions() : 0; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  mutable std::vector<QAccessible::Id> ids_;
};

QList<QAccessibleInterface*> PartAccessible::columnHeaderCells() const {
  if (caption_ || !area_) return {};
  auto* table = static_cast<AreaAccessible*>(QAccessible::queryAccessibleInterface(area_));
  QAccessibleInterface* header = table ? table->Child(columnIndex()) : nullptr;
  return header ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>{};
}

QAccessibleInterface* AreaFactory(const QString& key, QObject* object) {
  // The toolkit asks by the class name as the meta-object spells it, namespace included.
  if (key == QLatin1String(PaintedArea::staticMetaObject.className()))
    return new AreaAccessible(static_cast<PaintedArea*>(object));
  return nullptr;
}

AreaAccessible* AccessibleOf(PaintedArea* area) {
  return static_cast<AreaAccessible*>(QAccessible::queryAccessibleInterface(area));
}

}  // namespace

void DrawFocusRing(QPainter& p, const QRect& around) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setBrush(Qt::NoBrush);
  const QRect outer = around.adjusted(-4, -4, 3, 3);
  p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawRect(outer.adjusted(1, 1, 0, 0));
  p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawRect(outer.adjusted(3, 3, -2, -2));
  p.restore();
}

PaintedArea::PaintedArea(QWidget* parent, QAccessible::Role role, const QString& name,
                         PartsFn parts)
    : QWidget(parent), parts_(std::move(parts)), role_(role) {
  static const bool installed = [] {
    QAccessible::installFactory(AreaFactory);
    return true;
  }();
  (void)installed;
  setAccessibleName(name);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::TabFocus);
}

QAccessible::Role PaintedArea::AreaRole() const {
  const std::vector<PaintedPart> parts = Parts();
  const bool list = !parts.empty() && std::all_of(parts.begin(), parts.end(), [](const auto& p) {
    return p.Role == QAccessible::ListItem;
  });
  return list ? QAccessible::List : role_;
}

void PaintedArea::SetColumns(const QStringList& captions) { columns_ = captions; }

void PaintedArea::SetCurrent(int index) {
  const int count = static_cast<int>(Parts().size());
  const int clamped = count == 0 ? 0 : std::clamp(index, 0, count - 1);
  if (clamped == current_) return;
  current_ = clamped;
  update();
  if (hasFocus()) TellFocus();
}

void PaintedArea::TellFocus() {
  if (!AccessibilityHeard()) return;
  if (QAccessibleInterface* part = AccessibleOf(this)->PartInterface(current_)) {
    QAccessibleEvent event(part, QAccessible::Focus);
    Tell(event);
  }
}

void PaintedArea::Changed() {
  if (!AccessibilityHeard()) return;
  const std::vector<PaintedPart> now = Parts();
  // The first look is what the screen reader finds on its own; only changes are told.
  if (!toldOnce_) {
    told_ = now;
    toldOnce_ = true;
    return;
  }
  AreaAccessible* area = AccessibleOf(this);
  for (int n = 0; n < static_cast<int>(now.size()); ++n) {
    const PaintedPart& part = now[n];
    const PaintedPart* was = n < static_cast<int>(told_.size()) ? &told_[n] : nullptr;
    if (was && *was == part) continue;
    QAccessibleInterface* iface = area->PartInterface(n);
    if (!iface) continue;
    if (!was || was->Shown != part.Shown) {
      QAccessible::State changed;
      changed.invisible = true;
      QAccessibleStateChangeEvent event(iface, changed);
      Tell(event);
    }
    if (!was || was->Name != part.Name) {
      QAccessibleEvent event(iface, QAccessible::NameChanged);
      Tell(event);
    }
    if (part.Numeric && (!was || was->Number != part.Number)) {
      QAccessibleValueChangeEvent event(iface, part.Number);
      Tell(event);
    }
  }
  told_ = now;
}

void PaintedArea::paintEvent(QPaintEvent*) {
  if (!hasFocus()) return;
  const std::vector<PaintedPart> parts = Parts();
  if (current_ >= static_cast<int>(parts.size())) return;
  QPainter p(this);
  DrawFocusRing(p, parts[current_].Place);
}

void PaintedArea::keyPressEvent(QKeyEvent* event) {
  const int count = static_cast<int>(Parts().size());
  const int columns = static_cast<int>(columns_.size());
  // In a table Up and Down move by a row; elsewhere every arrow moves to the next part painted
  // now, over those the window does not show.
  const int row = columns > 0 ? columns : 1;
  auto step = [&](int by) {
    if (columns > 0) {
      if (current_ + by >= 0 && current_ + by < count) SetCurrent(current_ + by);
      return;
    }
    const std::vector<PaintedPart> parts = Parts();
    for (int i = current_ + by; i >= 0 && i < count; i += by)
      if (parts[static_cast<size_t>(i)].Shown) {
        SetCurrent(i);
        return;
      }
  };
  switch (event->key()) {
    case Qt::Key_Left:
      step(-1);
      break;
    case Qt::Key_Right:
      step(1);
      break;
    case Qt::Key_Up:
      step(-row);
      break;
    case Qt::Key_Down:
      step(row);
      break;
    // In a table Home and End keep to the row, with Ctrl they go to the first and last cell.
    case Qt::Key_Home:
      SetCurrent(columns > 0 && !(event->modifiers() & Qt::ControlModifier)
                     ? current_ - current_ % columns
                     : 0);
      break;
    case Qt::Key_End:
      SetCurrent(columns > 0 && !(event->modifiers() & Qt::ControlModifier)
                     ? current_ - current_ % columns + columns - 1
                     : count - 1);
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

void PaintedArea::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
  // After the area's own focus event, which the toolkit sends once this handler returns.
  QTimer::singleShot(0, this, [this] {
    if (hasFocus()) TellFocus();
  });
}

void PaintedArea::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

}  // namespace zandor
