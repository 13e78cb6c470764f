#include "bank/BankDialog.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadialGradient>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>
#include <string>

#include "bank/Bank.h"
#include "help/Help.h"
#include "help/HelpKey.h"
#include "platform/Announcement.h"
#include "platform/CentreOnScreen.h"
#include "platform/LocaleText.h"
#include "platform/PaintedArea.h"
#include "platform/Prompts.h"

namespace zandor {

namespace {

void DrawBanknote(QPainter& p, const QRectF& r, const QString& text) {
  QLinearGradient paper(r.topLeft(), r.bottomRight());
  paper.setColorAt(0, QColor(214, 236, 200));
  paper.setColorAt(1, QColor(150, 196, 140));
  p.setPen(QPen(QColor(30, 90, 40), 1.5));
  p.setBrush(paper);
  p.drawRoundedRect(r, 4, 4);
  p.setPen(QPen(QColor(60, 120, 60), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(r.adjusted(4, 4, -4, -4), 3, 3);
  // The portrait oval and the corner seals every banknote has.
  p.setBrush(QColor(232, 244, 222));
  p.drawEllipse(r.center(), r.width() * 0.30, r.height() * 0.32);
  p.setBrush(QColor(60, 120, 60));
  for (QPointF c : {r.topLeft() + QPointF(9, 9), r.bottomRight() - QPointF(9, 9)}) {
    p.drawEllipse(c, 2.5, 2.5);
  }
  QFont f("Sans", 10, QFont::Bold);
  f.setPixelSize(text.size() > 4 ? 13 : 16);
  p.setFont(f);
  p.setPen(QColor(10, 60, 20));
  p.drawText(r, Qt::AlignCenter, text);
}

void DrawCoin(QPainter& p, const QRectF& box, double radius, QColor light, QColor dark,
              const QString& text) {
  QPointF c = box.center();
  QRadialGradient metal(c - QPointF(radius * 0.35, radius * 0.35), radius * 1.4);
  metal.setColorAt(0, light);
  metal.setColorAt(1, dark);
  p.setPen(QPen(dark.darker(150), 1.5));
  p.setBrush(metal);
  p.drawEllipse(c, radius, radius);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(dark.darker(120), 1, Qt::DotLine));
  p.drawEllipse(c, radius - 4, radius - 4);
  QFont f("Sans", 10, QFont::Bold);
  f.setPixelSize(14);
  p.setFont(f);
  p.setPen(dark.darker(220));
  p.drawText(box, Qt::AlignCenter, text);
}

// The arrow keys on either mode switch the mode as in any group of choices: Up and Left to the
// first, Down and Right to the second; the focus follows, so the mode chosen is read out. Tab
// stops at the mode chosen only: entering the group at the other one, a screen reader would
// say "not selected" and an arrow there would switch the mode in silence.
class ModeKeys : public QObject {
 public:
  ModeKeys(QRadioButton* first, QRadioButton* second, QObject* parent)
      : QObject(parent), first_(first), second_(second) {
    first->installEventFilter(this);
    second->installEventFilter(this);
    for (QRadioButton* b : {first, second})
      connect(b, &QAbstractButton::toggled, this, &ModeKeys::TabStop);
    TabStop();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier) return false;
    QRadioButton* to = nullptr;
    if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Left) to = first_;
    if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Right) to = second_;
    if (!to) return false;
    to->setChecked(true);
    to->setFocus(Qt::TabFocusReason);
    return true;
  }

 private:
  void TabStop() {
    for (QRadioButton* b : {first_, second_})
      b->setFocusPolicy(b->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
  }

  QRadioButton* first_;
  QRadioButton* second_;
};

}  // namespace

QPixmap BankDialog::AmountPicture(int button, double ratio) {
  // Drawn at the screen's density; the painter keeps to the picture's logical 72 x 49.
  QPixmap pm(QSize(72, 49) * ratio);
  pm.setDevicePixelRatio(ratio);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QString text = QString::fromUtf8(BankAmounts[button - 1].Picture);
  QRectF box(1, 1, 70, 47);
  if (button <= 4) {
    DrawBanknote(p, box, text);
  } else if (button == 5) {
    DrawCoin(p, box, 21, QColor(245, 245, 250), QColor(140, 140, 150), text);
  } else {
    DrawCoin(p, box, 19, QColor(250, 190, 140), QColor(170, 90, 40), text);
  }
  return pm;
}

BankDialog::BankDialog(MoneyOwner machine, const GlyphSet& glyphs, Prompts& prompts,
                       QWidget* parent)
    : QDialog(parent), machine_(machine), glyphs_(glyphs), prompts_(prompts) {
  setObjectName("BankDialog");
  setWindowTitle(tr("Use this form to borrow or pay back credits"));
  setFixedSize(582, 300);

  for (int i = 0; i < 6; ++i) {
    QPushButton* b = new QPushButton(this);
    b->setObjectName(QString("AmountButton%1").arg(i + 1));
    b->setGeometry(9 + 96 * i, 104, 80, 57);
    b->setIcon(AmountPicture(i + 1, devicePixelRatioF()));
    b->setIconSize(QSize(72, 49));
    b->setAutoDefault(false);
    // The picture's "$1,000" is painted; a screen reader hears the amount as the locale says it.
    b->setAccessibleName(AmountText(BankAmounts[i].Amount));
    connect(b, &QPushButton::clicked, this, [this, i] { ChooseAmount(i + 1); });
    AmountButtons[i] = b;
  }

  //: The label before the two choices: borrow or pay back.
  ModeLabel = new QLabel(tr("Mode:"), this);
  ModeLabel->setObjectName("ModeLabel");
  QFont big = ModeLabel->font();
  big.setPointSize(16);
  big.setBold(true);
  ModeLabel->setFont(big);
  QPalette red = ModeLabel->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  ModeLabel->setPalette(red);
  ModeLabel->move(56, 192);
  ModeLabel->adjustSize();

  BorrowButton = new QRadioButton(tr("Borrow Credits"), this);
  BorrowButton->setObjectName("BorrowButton");
  BorrowButton->setChecked(true);
  PayBackButton = new QRadioButton(tr("Pay Back Credits"), this);
  PayBackButton->setObjectName("PayBackButton");
  auto* modes = new QButtonGroup(this);
  modes->addButton(BorrowButton);
  modes->addButton(PayBackButton);
  new ModeKeys(BorrowButton, PayBackButton, this);
  // As designed in English; a longer caption of another language takes the room it needs
  // (there is room up to the other button and the dialog's edge).
  BorrowButton->setGeometry(147, 192, std::max(190, BorrowButton->sizeHint().width()), 33);
  PayBackButton->setGeometry(355, 192, std::max(190, PayBackButton->sizeHint().width()), 33);

  OkButton = new QPushButton(tr("&OK"), this);
  OkButton->setObjectName("OkButton");
  OkButton->setGeometry(442, 246, 127, 46);
  OkButton->setDefault(true);
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

  HelpButton = new QPushButton(tr("&Help"), this);
  HelpButton->setObjectName("HelpButton");
  HelpButton->setGeometry(10, 246, 127, 46);
  HelpButton->setAutoDefault(false);

  Meters = new PaintedArea(this, QAccessible::Grouping, tr("Balances"), [this] {
    PaintedPart credits, borrowed;
    credits.Value = CreditsText(machine_.State().Credits);
    credits.Name = tr("Credits %1").arg(credits.Value);
    credits.Place = QRect(width() - 170, 16, 160, 48);
    borrowed.Value = CreditsText(machine_.State().Borrowed);
    borrowed.Name = tr("Borrowed %1").arg(borrowed.Value);
    borrowed.Place = QRect(14, 16, 160, 48);
    return std::vector<PaintedPart>{credits, borrowed};
  });
  Meters->setGeometry(0, 0, width(), 96);

  // The Help button tells in a few lines how the bank works; F1 opens its page of the manual.
  connect(HelpButton, &QPushButton::clicked, this, [this] {
    //: The bank's Help box. "borrow" and "pay back" are the two modes of the dialog.
    prompts_.Inform(this, tr("Use this screen to borrow credits or pay back credits that you "
                             "borrowed previously.  Click on the button representing the amount "
                             "to borrow (or pay back).\n\nTo switch between \"borrow\" and "
                             "\"pay back\" select the mode."));
  });
  ConnectHelp(this, nullptr, prompts_, HelpTopic::Bank);
  CentreOnScreen(this, parent);
  PaintBank();
}

void BankDialog::ChooseAmount(int button) {
  if (button < 1 || button > 6) return;
  Bank bank(machine_, Events);
  const std::string_view refused =
      BorrowButton->isChecked() ? bank.Borrow(button - 1) : bank.PayBack(button - 1);
  if (!refused.empty()) {
    // The refusals are the bank's texts, marked for the catalogue in its context.
    const std::string refusal(refused);
    QString text = QCoreApplication::translate("zandor::Bank", refusal.c_str());
    if (refused == BankLimit)
      text = text.arg(CreditsText(MoneyMax));
    else if (text.contains(QLatin1String("%1")))
      text = text.arg(ShortCreditsText(BankAmounts[button - 1].Amount));
    prompts_.Inform(this, text);
    return;
  }
  PaintBank();
  update();
  Meters->Changed();
  Announce(this, tr("Credits %1, borrowed %2.")
                     .arg(CreditsText(machine_.State().Credits), CreditsText(machine_.State().Borrowed)));
}

void BankDialog::PaintBank() {
  const double ratio = devicePixelRatioF();
  if (canvas_.deviceIndependentSize() != QSizeF(size()) || canvas_.devicePixelRatio() != ratio) {
    canvas_ = QImage(size() * ratio, QImage::Format_RGB32);
    canvas_.setDevicePixelRatio(ratio);
  }
  canvas_.fill(FaceColor);
  {
    QPainter p(&canvas_);
    QFont f = font();
    f.setPointSize(10);
    p.setFont(f);
    p.setPen(ButtonTextColor);
    QFontMetrics fm(f);
    // The outer width includes the window frame, so the caption sits a little further right
    // than the client width alone would put it.
    int outer = isVisible() ? frameGeometry().width() : width();
    //: Painted above the meter of the player's credits.
    const QString credits = tr("Credits:");
    const int tw = fm.horizontalAdvance(credits);
    p.drawText(outer - tw - 20, 20 + fm.ascent(), credits);
    //: Painted above the meter of what the player owes the bank.
    p.drawText(20, 20 + fm.ascent(), tr("Borrowed:"));
  }
  // Glyph text, not locale text: two decimals with a '.' whatever the user's locale.
  DrawDigits(canvas_, glyphs_, machine_.State().Credits.Padded(), width() - 30, 40, false, 2);
  DrawDigits(canvas_, glyphs_, machine_.State().Borrowed.Padded(), 20, 40, true, 4);
}

void BankDialog::paintEvent(QPaintEvent*) {
  PaintBank();
  QPainter p(this);
  p.drawImage(0, 0, canvas_);
}

}  // namespace zandor
