#include "cards/CardTable.h"

#include <QAccessibleWidget>
#include <QDateTime>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "help/Help.h"
#include "help/HelpIcon.h"
#include "help/HelpKey.h"
#include "platform/Announcement.h"
#include "platform/PaintedArea.h"

namespace zandor {

namespace {

const char* const RulesText = QT_TRANSLATE_NOOP(
    "zandor::CardTable",
    "If you think the next card will be between the two cards showing then click the DRAW "
    "button.  If the next card is between (but not equal to) the other two cards, then your "
    "winnings are doubled.  Otherwise you lose your winnings.  An ACE's value is 1.");

const char* const DeckUsedUpText = QT_TRANSLATE_NOOP(
    "zandor::CardTable",
    "The deck is used up: no further pair can be dealt, so Skips and Go Again are closed.  "
    "Click OK to finish.");

QFont SansFont(int pixelSize, bool bold = false) {
  QFont font("DejaVu Sans");
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

QPushButton* MakeButton(QWidget* parent, const QString& caption, const QRect& place) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(place);
  return button;
}

// A small button picture drawn in code: a green tick for OK.
QIcon TickIcon() {
  QImage image(20, 20, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0, 140, 40), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(QPolygonF{QPointF(3, 10.5), QPointF(8, 15.5), QPointF(17, 4.5)});
  return QIcon(QPixmap::fromImage(image));
}

// Where the result is drawn: centred over the drawn card.
const QRect kResultPlace(220, 50, 180, 24);

// A sentence starts with a capital: "Nine of clubs."
QString Capitalised(QString text) {
  if (!text.isEmpty()) text[0] = text[0].toUpper();
  return text;
}

// The winnings line as the rules write it in English: the win right-aligned in ten places,
// one more space once a card has been drawn.
QString WinningsCaption(Money spinWin, bool afterDraw) {
  //: The win at stake; %1 is the amount right-aligned in ten places ("     12.50").
  return CardTable::tr("Winnings: %1")
      .arg(QString::fromStdString((afterDraw ? " " : "") + spinWin.Padded()));
}

// The Skips button's caption with its accelerator, which Alt+S keeps using after every skip.
QString SkipsCaption(int left) {
  //: The button that deals a fresh pair; %1 is how many fresh pairs are left.
  return CardTable::tr("&Skips: %1").arg(left);
}

// The rules are a paragraph of the table that the player asks for (key R). As a plain label a
// screen reader would read all of them, some twenty seconds, every time the table opens.
constexpr const char* kRulesName = "Rules";

class RulesAccessible : public QAccessibleWidget {
 public:
  explicit RulesAccessible(QWidget* label) : QAccessibleWidget(label, QAccessible::Paragraph) {}
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? CardTable::tr(RulesText) : QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* RulesFactory(const QString& key, QObject* object) {
  if (key == QLatin1String("QLabel") && object && object->objectName() == QLatin1String(kRulesName))
    return new RulesAccessible(static_cast<QWidget*>(object));
  return nullptr;
}

uint32_t UtcTimeOfDayMs() {
  return static_cast<uint32_t>(QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}

}  // namespace

QString CardName(const Card& card) {
  static const char* const ranks[13] = {QT_TRANSLATE_NOOP("zandor::CardTable", "ace"),
                                        QT_TRANSLATE_NOOP("zandor::CardTable", "two"),
                                        QT_TRANSLATE_NOOP("zandor::CardTable", "three"),
                                        QT_TRANSLATE_NOOP("zandor::CardTable", "four"),
                                        QT_TRANSLATE_NOOP("zandor::CardTable", "five"),
                                        QT_TRANSLATE_NOOP("zandor::CardTable", "six"),
                                        QT_TRANSLATE_NOOP("zandor::CardTable", "seven"),
                                        QT_TRANSLATE_NOOP("zandor::CardTable", "eight"),
                                        QT_TRANSLATE_NOOP("zandor::CardTable", "nine"),
                                        QT_TRANSLATE_NOOP("zandor::CardTable", "ten"),
                                        QT_TRANSLATE_NOOP("zandor::CardTable", "jack"),
                                        QT_TRANSLATE_NOOP("zandor::CardTable", "queen"),
                                        QT_TRANSLATE_NOOP("zandor::CardTable", "king")};
  static const char* const suits[4] = {QT_TRANSLATE_NOOP("zandor::CardTable", "%1 of clubs"),
                                       QT_TRANSLATE_NOOP("zandor::CardTable", "%1 of hearts"),
                                       QT_TRANSLATE_NOOP("zandor::CardTable", "%1 of diamonds"),
                                       QT_TRANSLATE_NOOP("zandor::CardTable", "%1 of spades")};
  if (card.Rank < 0 || card.Rank > 12 || card.Suit < 0 || card.Suit > 3) return {};
  return CardTable::tr(suits[card.Suit]).arg(CardTable::tr(ranks[card.Rank]));
}

CardTable::CardTable(Money& spinWin, Lcg& rng, std::function<void(Effect)> play, Prompts& prompts,
                     QWidget* parent)
    : QDialog(parent),
      spinWin_(spinWin),
      rng_(rng),
      play_(std::move(play)),
      // The cards are drawn at the screen's own density; the table keeps its logical size.
      sheets_(MakeCardSheets(devicePixelRatioF())),
      face_(static_cast<int>(std::lround(OuterWidth * devicePixelRatioF())),
            static_cast<int>(std::lround(OuterHeight * devicePixelRatioF())),
            QImage::Format_RGB32) {
  face_.setDevicePixelRatio(devicePixelRatioF());
  setWindowTitle(tr("Double or Nothing Card Game"));
  // Until the window manager has framed the table, the frame around the window that opened
  // it stands in for its own, so the table opens at the same size every time.
  const QWidget* opener = parent ? parent->window() : nullptr;
  const QSize frame = opener && opener->isVisible()
                          ? opener->frameGeometry().size() - opener->geometry().size()
                          : QSize();
  setFixedSize(OuterWidth - std::max(frame.width(), 0), OuterHeight - std::max(frame.height(), 0));
  setFont(SansFont(12));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(Maroon));
  setPalette(palette);
  // paintEvent covers the whole client area with the table image.
  setAttribute(Qt::WA_OpaquePaintEvent);
  face_.fill(Maroon);

  SkipButton = MakeButton(this, SkipsCaption(5), QRect(24, 270, 97, 43));
  GoAgainButton = MakeButton(this, tr("&Go Again"), QRect(408, 270, 97, 43));
  DrawButton = MakeButton(this, tr("&Draw"), QRect(514, 270, 96, 42));
  HelpButton = MakeButton(this, tr("&Help"), QRect(408, 366, 96, 42));
  OkButton = MakeButton(this, tr("&OK"), QRect(524, 366, 96, 42));
  OkButton->setIcon(TickIcon());
  HelpButton->setIcon(HelpIcon());
  DrawButton->setDefault(true);
  DrawButton->setFocus();
  opened_.start();
  SinceOpened = [this] { return opened_.elapsed(); };
  DrawButton->installEventFilter(this);

  static const bool rulesFactory = [] {
    QAccessible::installFactory(RulesFactory);
    return true;
  }();
  (void)rulesFactory;
  // Named before it has any text, so that a screen reader meets it as the rules from the start.
  RulesLabel = new QLabel(this);
  RulesLabel->setObjectName(kRulesName);
  // Three lines of 11-pixel type fit the 33-pixel box only at an 11-pixel line pitch.
  RulesLabel->setText(QString("<div style=\"white-space: pre-wrap; -qt-line-height-type: fixed; "
                              "line-height: 11px\">%1</div>")
                          .arg(tr(RulesText)));
  RulesLabel->setTextFormat(Qt::RichText);
  RulesLabel->setGeometry(12, 328, 605, 33);
  RulesLabel->setWordWrap(true);
  RulesLabel->setFont(SansFont(11));
  RulesLabel->setStyleSheet("color: white;");

  WinningsLabel = new QLabel(this);
  WinningsLabel->setGeometry(4, 382, 301, 35);
  WinningsLabel->setAlignment(Qt::AlignCenter);
  WinningsLabel->setFont(SansFont(19));
  WinningsLabel->setStyleSheet("color: yellow;");

  // The deck-used-up note sits in the free space left of the draw pile.
  DeckUsedUpLabel = new QLabel(tr(DeckUsedUpText), this);
  DeckUsedUpLabel->setGeometry(12, 206, 240, 56);
  DeckUsedUpLabel->setWordWrap(true);
  DeckUsedUpLabel->setFont(SansFont(11, true));
  DeckUsedUpLabel->setStyleSheet("color: yellow;");
  DeckUsedUpLabel->hide();

  Cards = new PaintedArea(this, QAccessible::Grouping, tr("Card table"), [this] {
    auto part = [](const QString& name, const QRect& place, bool shown = true) {
      PaintedPart p;
      p.Name = name;
      p.Place = place;
      p.Shown = shown;
      return p;
    };
    const bool drawn = hand_.ThirdShown;
    return std::vector<PaintedPart>{
        part(tr("Left card: %1").arg(CardName(MakeCard(hand_.LeftCard))),
             QRect(100, 50, CardWidth, CardHeight)),
        part(tr("Right card: %1").arg(CardName(MakeCard(hand_.RightCard))),
             QRect(450, 50, CardWidth, CardHeight)),
        part(tr("Drawn card: %1").arg(drawn ? CardName(hand_.ThirdCard()) : QString()),
             QRect(273, 80, CardWidth, CardHeight), drawn),
        part(tr("Result: %1").arg(result_), kResultPlace, drawn && !result_.isEmpty()),
        part(tr("Draw pile"), QRect(270, 214, CardWidth + 6, CardHeight + 6))};
  });
  Cards->setGeometry(0, 0, OuterWidth, 320);

  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
  ConnectHelp(this, HelpButton, prompts, HelpTopic::CardGame);
  connect(DrawButton, &QPushButton::clicked, this, &CardTable::Draw);
  connect(GoAgainButton, &QPushButton::clicked, this, &CardTable::GoAgain);
  connect(SkipButton, &QPushButton::clicked, this, &CardTable::Skip);
  auto* rules = new QShortcut(QKeySequence(Qt::Key_R), this);
  connect(rules, &QShortcut::activated, this, [this] { Announce(this, tr(RulesText)); });

  Shuffle(UtcTimeOfDayMs());
}

void CardTable::Shuffle(uint32_t utcTimeOfDayMs) {
  hand_.NewGame(rng_, utcTimeOfDayMs);
  StartWith(hand_.Deck);
}

void CardTable::StartWith(const CardDeck& deck) {
  hand_.StartWith(deck);
  WinningsLabel->setText(WinningsCaption(spinWin_, false));
  SkipButton->setText(SkipsCaption(5));
  face_.fill(Maroon);
  result_.clear();
  SyncButtons();
  PaintTable();
  update();
  Cards->Changed();
}

void CardTable::Draw() {
  const DrawOutcome outcome = hand_.Draw(spinWin_);
  if (outcome == DrawOutcome::None) return;
  // The outcome is kept before the card is painted: a card the player saw is a card played.
  if (Drawn) Drawn(spinWin_);
  DrawCard(hand_.ThirdCard().Id, 273, 80);
  const bool won = outcome == DrawOutcome::Won;
  result_ = won ? tr("You Won!") : tr("You Lost");
  // The focus moves on before Draw greys, so it never falls to Help, where Enter would open the
  // manual: to Go Again after a win, else to OK.
  GoAgainButton->setEnabled(hand_.GoAgainEnabled);
  (hand_.GoAgainEnabled ? GoAgainButton : OkButton)->setFocus();
  SyncButtons();
  // The sounds hold the thread until they end: the card is shown before they start, and the
  // result and the winnings once they have played.
  if (isVisible()) repaint();
  if (play_) play_(won ? Effect::Win : Effect::Lose);
  DrawResult(result_);
  WinningsLabel->setText(WinningsCaption(spinWin_, true));
  Cards->Changed();
  Announce(this, (won ? tr("%1. You Won! Winnings %2.") : tr("%1. You Lost. Winnings %2."))
                     .arg(Capitalised(CardName(hand_.ThirdCard())),
                          QString::fromStdString(spinWin_.Padded(0))));
  update();
}

void CardTable::GoAgain() {
  if (!hand_.GoAgain()) return;
  FreshPair();
}

void CardTable::Skip() {
  if (!hand_.Skip()) return;
  SkipButton->setText(SkipsCaption(hand_.SkipsLeft));
  FreshPair();
}

void CardTable::FreshPair() {
  // Clears the showing cards, the third card and the result text; the pile stays.
  QPainter p(&face_);
  p.fillRect(QRect(0, 0, 640, 200), QColor(Maroon));
  p.end();
  DrawCard(hand_.LeftCard, 100, 50);
  DrawCard(hand_.RightCard, 450, 50);
  result_.clear();
  SyncButtons();
  // The button just pressed may have closed; Enter should draw on the new pair.
  DrawButton->setFocus();
  update();
  Cards->Changed();
  AnnouncePair();
}

void CardTable::AnnouncePair() {
  Announce(this, tr("%1 and %2.")
                     .arg(Capitalised(CardName(MakeCard(hand_.LeftCard))),
                          CardName(MakeCard(hand_.RightCard))));
}

void CardTable::PaintTable() {
  DrawCard(hand_.LeftCard, 100, 50);
  DrawCard(hand_.RightCard, 450, 50);
  DrawCardBack(270, 220);
  DrawCardBack(272, 218);
  DrawCardBack(274, 216);
  DrawCardBack(276, 214);
  if (hand_.ThirdShown) DrawCard(hand_.ThirdCard().Id, 273, 80);
}

void CardTable::DrawCard(int id, int x, int y) {
  MaskOnto(face_, sheets_.Neg, ComposeCard(sheets_, id), x, y);
}

void CardTable::DrawCardBack(int x, int y) { MaskOnto(face_, sheets_.Neg, sheets_.Back, x, y); }

void CardTable::SyncButtons() {
  DrawButton->setEnabled(hand_.DrawEnabled);
  GoAgainButton->setEnabled(hand_.GoAgainEnabled);
  SkipButton->setEnabled(hand_.SkipsEnabled);
  DeckUsedUpLabel->setVisible(!hand_.CanDealFreshPair());
}

void CardTable::DrawResult(const QString& text) {
  // Drawn once into the table; repaints keep it until the next fresh pair clears the band.
  QPainter p(&face_);
  const QFont font = SansFont(16, true);
  p.setFont(font);
  p.setPen(QColor(255, 255, 0));
  const QFontMetrics metrics(font);
  const int width = metrics.horizontalAdvance(text);
  p.drawText(310 - width / 2, 50 + metrics.ascent(), text);
}

void CardTable::paintEvent(QPaintEvent*) {
  // Drawing the cards again is harmless: the AND/OR masking gives the same pixels twice.
  PaintTable();
  QPainter(this).drawImage(0, 0, face_);
}

void CardTable::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  opened_.restart();
  // Told once the screen reader has read the window and its focus.
  QTimer::singleShot(300, this, [this] {
    // The cards and the choice at once; the rules only when asked for.
    const QString table =
        tr("Your win of %1 is on the table. The cards: %2 and %3.")
            .arg(QString::fromStdString(spinWin_.Padded(0)), CardName(MakeCard(hand_.LeftCard)),
                 CardName(MakeCard(hand_.RightCard))) +
        QLatin1Char(' ') +
        //: Spoken as the card table opens, after the two cards: the buttons to choose from,
        //: and the key that reads the rules.
        tr("Draw, Skip or OK to keep it; R reads the rules.");
    Announce(this, Prelude.isEmpty() ? table : Prelude + QLatin1Char(' ') + table);
  });
  PlaceOnScreen();
  // A window manager adds its frame after the window maps; fit the outer size then.
  QTimer::singleShot(50, this, &CardTable::PlaceOnScreen);
}

bool CardTable::KeyHeldBack(const QEvent* event) const {
  // Keys pressed while the reels turned arrive once the table is open; a held Enter repeats.
  if (SinceOpened() < KeyGuardMs) return true;
  const auto type = event->type();
  return (type == QEvent::KeyPress || type == QEvent::KeyRelease) &&
         static_cast<const QKeyEvent*>(event)->isAutoRepeat();
}

void CardTable::keyPressEvent(QKeyEvent* event) {
  // Enter here goes to the default button, Draw.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && KeyHeldBack(event)) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool CardTable::eventFilter(QObject* watched, QEvent* event) {
  // Draw itself takes Enter and Space while it has the focus, and Alt+D as its shortcut.
  const auto type = event->type();
  if (watched == DrawButton &&
      (type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::Shortcut) &&
      KeyHeldBack(event)) {
    if (type == QEvent::Shortcut) return true;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) return true;
  }
  return QDialog::eventFilter(watched, event);
}

void CardTable::PlaceOnScreen() {
  // The outer size is fixed, so the client area is what is left inside the frame (the whole
  // 640 x 440 when no window manager draws one).
  const QSize frame = frameGeometry().size() - geometry().size();
  if (frame.width() > 0 || frame.height() > 0) {
    setFixedSize(OuterWidth - frame.width(), OuterHeight - frame.height());
  }
  QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  int x = area.x() + (area.width() - OuterWidth) / 2;
  int y = area.y() + (area.height() - OuterHeight) / 2;
  // On a narrow screen the window goes to the top edge.
  if (screen->geometry().width() < 700) y = screen->geometry().top();
  move(x, y);
}

}  // namespace zandor
