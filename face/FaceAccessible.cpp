#include "face/FaceAccessible.h"

#include <QCoreApplication>
#include <algorithm>

#include "machine/SlotMachine.h"

namespace zandor {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("Face", text); }

// A caption box as DrawLabel places it: the middle-sized artwork moves it 13 pixels outwards.
QRect LabelBox(const FacePainter& face, int x, int y, int width, int height) {
  if (face.SymbolSize == 144) x += x >= 100 ? 13 : -13;
  return QRect(x, y, width, height);
}

PaintedPart Meter(const QString& caption, double number, const QString& shown, const QRect& box) {
  PaintedPart part;
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
  static const char* const rows[3] = {QT_TRANSLATE_NOOP("Face", "top"),
                                      QT_TRANSLATE_NOOP("Face", "middle"),
                                      QT_TRANSLATE_NOOP("Face", "bottom")};
  return Tr(rows[std::clamp(row, 0, 2)]);
}

QString LineWord(int k) {
  static const char* const lines[5] = {QT_TRANSLATE_NOOP("Face", "middle row"),
                                       QT_TRANSLATE_NOOP("Face", "top row"),
                                       QT_TRANSLATE_NOOP("Face", "bottom row"),
                                       QT_TRANSLATE_NOOP("Face", "top left to bottom right"),
                                       QT_TRANSLATE_NOOP("Face", "bottom left to top right")};
  return Tr(lines[std::clamp(k, 1, 5) - 1]);
}

}  // namespace

QString SymbolName(int symbol) {
  static const char* const names[7] = {
      QT_TRANSLATE_NOOP("Face", "Power Up"),   QT_TRANSLATE_NOOP("Face", "Diamond"),
      QT_TRANSLATE_NOOP("Face", "Crown"),      QT_TRANSLATE_NOOP("Face", "Bell"),
      QT_TRANSLATE_NOOP("Face", "Lemon"),      QT_TRANSLATE_NOOP("Face", "Cherry"),
      QT_TRANSLATE_NOOP("Face", "Power Drain")};
  if (symbol < 0 || symbol > 6) return Tr("Blank");
  return Tr(names[symbol]);
}

QString LineSymbols(const std::array<int, 9>& grid, int k) {
  QStringList names;
  for (int cell : PaylineCells(k)) names << SymbolName(grid[static_cast<size_t>(cell)]);
  return names.join(QStringLiteral(", "));
}

QString MoneyWords(Money amount) { return QString::fromStdString(amount.Padded(0)); }

std::vector<PaintedPart> FaceParts(const FacePainter& face, const MachineState& m) {
  const int s = face.SymbolSize;
  std::vector<PaintedPart> parts;
  parts.push_back(MoneyMeter(Tr("Credits"), m.Credits,
                             LabelBox(face, face.MeterX - 125, face.CreditsY - 26, 144, 52)));
  parts.push_back(MoneyMeter(Tr("Wager"), face.ShownWager(),
                             LabelBox(face, face.MeterX - 125, face.WagerY - 26, 144, 52)));
  parts.push_back(MoneyMeter(Tr("Won"), m.WinPending,
                             LabelBox(face, face.MeterX - 125, face.WonY - 26, 144, 52)));
  parts.push_back(Meter(Tr("Spins"), m.Spins, QString::number(m.Spins),
                        LabelBox(face, face.LeftMargin - 20, face.CreditsY - 26, 144, 52)));

  // While free spins remain the face shows how many are left instead of the bonus.
  const bool free = m.FreeSpins != 0;
  PaintedPart left = Meter(Tr("Free spins left"), m.FreeSpins, QString::number(m.FreeSpins),
                           LabelBox(face, face.LeftMargin - 20, face.WonY - 26, 144, 52));
  left.Shown = free;
  parts.push_back(left);

  const int percent = std::clamp(m.PowerPts, 0, 100);
  const int l = s == 144 ? face.LeftMargin - 13 : face.LeftMargin;
  PaintedPart meter;
  meter.Role = QAccessible::ProgressBar;
  meter.Value = QStringLiteral("%1%").arg(percent);
  meter.Name = Tr("Bonus meter") + QLatin1Char(' ') + meter.Value;
  meter.Place = QRect(l + 32, face.WagerY + s - 87, 41, 102);
  meter.Shown = !free;
  meter.Numeric = true;
  meter.Number = percent;
  meter.Maximum = 100;
  parts.push_back(meter);

  PaintedPart pool =
      MoneyMeter(Tr("Bonus pool"), m.BonusPool,
                 LabelBox(face, face.LeftMargin - 20, face.WagerY + s + 30, 144, 52));
  pool.Shown = !free;
  parts.push_back(pool);

  for (int row = 0; row < 3; ++row) {
    for (int reel = 1; reel <= 3; ++reel) {
      PaintedPart cell;
      cell.Value = SymbolName(m.ReelGrid[(reel - 1) * 3 + row]);
      cell.Name = Tr("Reel %1, %2: %3").arg(reel).arg(RowWord(row), cell.Value);
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
    line.Value = onLine == 1 ? Tr("1 coin") : Tr("%1 coins").arg(onLine);
    const int factor = m.LinePays[static_cast<size_t>(k - 1)];
    if (factor > 0)
      line.Value +=
          Tr(", pays %1").arg(MoneyWords(m.LineBets[static_cast<size_t>(k - 1)] * factor));
    line.Name = Tr("Payline %1, %2: %3").arg(k).arg(LineWord(k), line.Value);
    line.Place = QRect(face.MeterX - 116 + shift, face.PaylinesY + 2 + 20 * (k - 1), 132, 20);
    parts.push_back(line);
  }
  return parts;
}

}  // namespace zandor
