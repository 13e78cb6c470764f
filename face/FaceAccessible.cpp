#include "face/FaceAccessible.h"

#include <QCoreApplication>
#include <algorithm>

#include "machine/SlotMachine.h"
#include "platform/Language.h"
#include "platform/LocaleText.h"

namespace zandor {

// The context of the face's names as a screen reader hears them.
struct FaceAccessible {
  Q_DECLARE_TR_FUNCTIONS(zandor::FaceAccessible)
};

namespace {

// A caption box as DrawLabel places it: the middle-sized artwork moves it 13 pixels outwards.
QRect LabelBox(const FacePainter& face, int x, int y, int width, int height) {
  if (face.SymbolSize == 144) x += x >= 100 ? 13 : -13;
  return QRect(x, y, width, height);
}

PaintedPart Meter(const QString& caption, double number, const QString& shown, const QRect& box) {
  PaintedPart part;
  part.Role = QAccessible::ListItem;
  part.Name = caption + QLatin1Char(' ') + shown;
  part.Value = shown;
  part.Place = box;
  part.Numeric = true;
  part.Number = number;
  part.Minimum = 0;
  part.Maximum = 1e10;
  return part;
}

PaintedPart MoneyMeter(const QString& caption, Money amount, const QRect& box) {
  return Meter(caption, static_cast<double>(amount.InCents()) / 100, MoneyWords(amount), box);
}

QString RowWord(int row) {
  static const char* const rows[3] = {QT_TRANSLATE_NOOP("zandor::FaceAccessible", "top"),
                                      QT_TRANSLATE_NOOP("zandor::FaceAccessible", "middle"),
                                      QT_TRANSLATE_NOOP("zandor::FaceAccessible", "bottom")};
  return FaceAccessible::tr(rows[std::clamp(row, 0, 2)]);
}

QString LineWord(int k) {
  static const char* const lines[5] = {
      QT_TRANSLATE_NOOP("zandor::FaceAccessible", "middle row"),
      QT_TRANSLATE_NOOP("zandor::FaceAccessible", "top row"),
      QT_TRANSLATE_NOOP("zandor::FaceAccessible", "bottom row"),
      QT_TRANSLATE_NOOP("zandor::FaceAccessible", "top left to bottom right"),
      QT_TRANSLATE_NOOP("zandor::FaceAccessible", "bottom left to top right")};
  return FaceAccessible::tr(lines[std::clamp(k, 1, 5) - 1]);
}

}  // namespace

QString SymbolName(int symbol) {
  static const char* const names[7] = {//: A symbol on the reels: it raises the bonus meter.
                                       QT_TRANSLATE_NOOP("zandor::FaceAccessible", "Power Up"),
                                       //: A symbol on the reels.
                                       QT_TRANSLATE_NOOP("zandor::FaceAccessible", "Diamond"),
                                       //: A symbol on the reels.
                                       QT_TRANSLATE_NOOP("zandor::FaceAccessible", "Crown"),
                                       //: A symbol on the reels.
                                       QT_TRANSLATE_NOOP("zandor::FaceAccessible", "Bell"),
                                       //: A symbol on the reels (the fruit).
                                       QT_TRANSLATE_NOOP("zandor::FaceAccessible", "Lemon"),
                                       //: A symbol on the reels (the fruit).
                                       QT_TRANSLATE_NOOP("zandor::FaceAccessible", "Cherry"),
                                       //: A symbol on the reels: it halves the bonus meter.
                                       QT_TRANSLATE_NOOP("zandor::FaceAccessible", "Power Drain")};
  //: A reel cell without a symbol.
  if (symbol < 0 || symbol > 6) return FaceAccessible::tr("Blank");
  return FaceAccessible::tr(names[symbol]);
}

QString LineSymbols(const std::array<int, 9>& grid, int k) {
  QStringList names;
  for (int cell : PaylineCells(k)) names << SymbolName(grid[static_cast<size_t>(cell)]);
  return names.join(QStringLiteral(", "));
}

QString MoneyWords(Money amount) {
  // Spoken figures have never been grouped: a screen reader says "1000.00" as one number, where
  // some read a group separator as a pause or, in another language, as a decimal point.
  QLocale locale = PlayerLocale();
  locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
  return CreditsText(amount, locale);
}

std::vector<PaintedPart> FaceParts(const FacePainter& face, const MachineState& m) {
  const int s = face.SymbolSize;
  std::vector<PaintedPart> parts;
  //: The name of a meter on the machine: the player's credits.
  parts.push_back(MoneyMeter(FaceAccessible::tr("Credits"), m.Credits,
                             LabelBox(face, face.MeterX - 125, face.CreditsY - 26, 144, 52)));
  //: The name of a meter on the machine: the coins placed on the paylines.
  parts.push_back(MoneyMeter(FaceAccessible::tr("Wager"), face.ShownWager(),
                             LabelBox(face, face.MeterX - 125, face.WagerY - 26, 144, 52)));
  //: The name of a meter on the machine: what the last spin won.
  parts.push_back(MoneyMeter(FaceAccessible::tr("Won"), m.WinPending,
                             LabelBox(face, face.MeterX - 125, face.WonY - 26, 144, 52)));
  //: The name of a meter on the machine: the spins played.
  parts.push_back(Meter(FaceAccessible::tr("Spins"), m.Spins, QLocale().toString(m.Spins),
                        LabelBox(face, face.LeftMargin - 20, face.CreditsY - 26, 144, 52)));

  // While free spins remain the face shows how many are left instead of the bonus.
  const bool free = m.FreeSpins != 0;
  PaintedPart left =
      Meter(FaceAccessible::tr("Free spins left"), m.FreeSpins, QLocale().toString(m.FreeSpins),
            LabelBox(face, face.LeftMargin - 20, face.WonY - 26, 144, 52));
  left.Shown = free;
  parts.push_back(left);

  const int percent = std::clamp(m.PowerPts, 0, 100);
  const int l = s == 144 ? face.LeftMargin - 13 : face.LeftMargin;
  // An item of the list like the others, not a progress bar: a screen reader reads a progress
  // bar's name and then its value again, and speaks every change of it wherever the focus is.
  PaintedPart meter;
  meter.Role = QAccessible::ListItem;
  meter.Value = PercentText(percent, 0);
  meter.Name = FaceAccessible::tr("Bonus meter") + QLatin1Char(' ') + meter.Value;
  meter.Place = QRect(l + 32, face.WagerY + s - 87, 41, 102);
  meter.Shown = !free;
  parts.push_back(meter);

  PaintedPart pool =
      MoneyMeter(FaceAccessible::tr("Bonus pool"), m.BonusPool,
                 LabelBox(face, face.LeftMargin - 20, face.WagerY + s + 30, 144, 52));
  pool.Shown = !free;
  parts.push_back(pool);

  for (int row = 0; row < 3; ++row) {
    for (int reel = 1; reel <= 3; ++reel) {
      PaintedPart cell;
      cell.Role = QAccessible::ListItem;
      cell.Value = SymbolName(m.ReelGrid[(reel - 1) * 3 + row]);
      //: A reel cell: "Reel 2, top: Bell".
      cell.Name = FaceAccessible::tr("Reel %1, %2: %3").arg(reel).arg(RowWord(row), cell.Value);
      cell.Place = QRect(face.ReelX(reel), face.ReelTop + row * s, s, s);
      parts.push_back(cell);
    }
  }

  // The lamps show the coins of the shown wager dealt out line by line.
  const int coins =
      static_cast<int>(std::clamp<int64_t>(face.ShownWager().CoinsOf(m.CoinValue), 0, 25));
  const int shift = s == 144 ? 13 : 0;
  for (int k = 1; k <= 5; ++k) {
    const int onLine = coins >= k ? (coins - k) / 5 + 1 : 0;
    PaintedPart line;
    line.Role = QAccessible::ListItem;
    //: The coins on a payline.
    line.Value = TranslatedN("zandor::FaceAccessible", "%n coin(s)", nullptr, onLine);
    const int factor = m.LinePays[static_cast<size_t>(k - 1)];
    if (factor > 0)
      line.Value +=
          //: Follows the coins on a payline that won: "5 coins, pays 125.00".
          FaceAccessible::tr(", pays %1")
              .arg(MoneyWords(m.LineBets[static_cast<size_t>(k - 1)] * factor));
    //: A payline: "Payline 4, top left to bottom right: 5 coins".
    line.Name = FaceAccessible::tr("Payline %1, %2: %3").arg(k).arg(LineWord(k), line.Value);
    line.Place = QRect(face.MeterX - 116 + shift, face.PaylinesY + 2 + 20 * (k - 1), 132, 20);
    parts.push_back(line);
  }
  return parts;
}

}  // namespace zandor
