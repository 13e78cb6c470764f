// What a screen reader learns of a painted window: an area laid over the painted place whose
// accessible children are the things painted there (meters, reel cells, cards, a table's
// cells), each with its name, value and place. The keyboard walks them with the arrow keys
// while the area has the focus, a ring shows which one it is on, and every change is told to
// the screen reader as an accessibility event. The area itself paints nothing else.
#pragma once

#include <QAccessible>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

namespace zandor {

// One painted thing, as a screen reader hears it.
struct PaintedPart {
  QAccessible::Role Role = QAccessible::StaticText;
  QString Name;          // what it is and what it shows: "Credits 1000.00"
  QString Value;         // what it shows alone: "1000.00" ("" for nothing)
  QRect Place;           // in the area's coordinates
  bool Shown = true;     // false while the window does not paint it
  bool Numeric = false;  // a number within a range (a percentage): told through a value
  double Number = 0, Minimum = 0, Maximum = 0;
  bool operator==(const PaintedPart&) const = default;
};

class PaintedArea : public QWidget {
  Q_OBJECT

 public:
  // What is painted now, in reading order; the count of parts stays the same for an area.
  using PartsFn = std::function<std::vector<PaintedPart>()>;

  // Lies over parent at the place given with setGeometry, lets the mouse through to it, and is
  // reached with Tab. Its role and name are the area's own ("Slot machine", a grouping); an area
  // whose parts are list items is a list, so that a screen reader entering it reads the part
  // the keyboard is on with its place in the list, not every part at once.
  PaintedArea(QWidget* parent, QAccessible::Role role, const QString& name, PartsFn parts);

  // Makes the area a table with these column captions: its parts are then its cells, row by
  // row, and the arrow keys move by row and column.
  void SetColumns(const QStringList& captions);
  const QStringList& Columns() const { return columns_; }
  // The role a screen reader hears: the one given, or a list (see above).
  QAccessible::Role AreaRole() const;

  // The parts as painted now.
  std::vector<PaintedPart> Parts() const { return parts_ ? parts_() : std::vector<PaintedPart>(); }
  // The part the keyboard is on.
  int Current() const { return current_; }
  // Moves the keyboard to a part (kept within the parts), with its ring and, while the area has
  // the focus, a focus event for the screen reader.
  void SetCurrent(int index);
  // Tells a screen reader what changed since the last call: a name change for every part whose
  // words changed, a value change for every number, a state change for a part shown or hidden.
  // Does nothing while no screen reader listens.
  void Changed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void TellFocus();

  PartsFn parts_;
  QAccessible::Role role_;
  QStringList columns_;
  int current_ = 0;
  std::vector<PaintedPart> told_;  // what the screen reader was last told
  bool toldOnce_ = false;
};

// The focus ring the areas draw around their current part: two pixels of black outside two of
// white, so one of them stands out from any colour beneath.
void DrawFocusRing(QPainter& p, const QRect& around);

}  // namespace zandor
