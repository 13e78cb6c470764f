#include "platform/LocaleText.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace zandor {

namespace {

// The locale's digits for a run of ASCII digits (the same for most, Arabic-Indic for some).
QString LocaleDigits(const QString& ascii, const QLocale& locale) {
  if (locale.zeroDigit() == QStringLiteral("0")) return ascii;
  QString out;
  for (QChar c : ascii) out += locale.toString(c.digitValue());
  return out;
}

// A non-negative amount of cents as the locale's number with two decimals. Qt's own grouping
// drops the separator of a top group in locales that leave four-digit numbers ungrouped
// ("9876.543.210" in Spanish), so the grouping is ours: every three digits, unless the locale
// writes 1000 without one.
QString Digits(int64_t cents, const QLocale& locale) {
  QString whole = QString::number(cents / 100);
  const QString group = locale.numberOptions().testFlag(QLocale::OmitGroupSeparator)
                            ? QString()
                            : locale.groupSeparator();
  const bool groupsFour = locale.toString(qlonglong(1000)).size() > 4;
  if (!group.isEmpty() && (groupsFour || whole.size() > 4))
    for (qsizetype at = whole.size() - 3; at > 0; at -= 3) whole.insert(at, QChar(0x1f));
  QString out;
  for (QChar c : whole) out += c == QChar(0x1f) ? group : LocaleDigits(QString(c), locale);
  return out + locale.decimalPoint() +
         LocaleDigits(QString::number(cents % 100).rightJustified(2, '0'), locale);
}

// The C locale is no one's: a program that never chose (a test, a tool) writes as English does.
QLocale Chosen(const QLocale& locale) {
  return locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates)
                                         : locale;
}

}  // namespace

QLocale PlayerLocale() { return Chosen(QLocale()); }

QLocale LocaleFor(const QString& language, const QStringList& requested) {
  const QString base = language.isEmpty() ? QStringLiteral("en") : language;
  for (const QString& name : requested) {
    // English is taken only when it comes first: a fallback does not follow a later request.
    if (language.isEmpty() && !name.startsWith(QLatin1String("en"))) break;
    if (name.startsWith(base + '_')) return QLocale(name);
  }
  if (language.isEmpty()) return QLocale(QLocale::English, QLocale::UnitedStates);
  return QLocale(language);
}

QString CreditsText(Money m, const QLocale& chosen) {
  const QLocale locale = Chosen(chosen);
  const int64_t cents = m.InCents();
  return (cents < 0 ? locale.negativeSign() : QString()) +
         Digits(cents < 0 ? -cents : cents, locale);
}

QString ShortCreditsText(Money m, const QLocale& chosen) {
  const QLocale locale = Chosen(chosen);
  const int64_t cents = m.InCents();
  if (cents % 100 != 0) return CreditsText(m, locale);
  QLocale plain = locale;
  plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
  return plain.toString(qlonglong(cents / 100));
}

CurrencyAffixes CurrencyAffixesOf(const QLocale& chosen) {
  const QLocale locale = Chosen(chosen);
  // Where the locale puts a currency sign, and what lies between it and the number.
  const QString one = locale.toString(qlonglong(1));
  const QString pattern = locale.toCurrencyString(qlonglong(1), QStringLiteral("$"));
  const qsizetype at = pattern.indexOf(one);
  if (at < 0) return {QStringLiteral("$"), QString()};
  return {pattern.left(at), pattern.mid(at + one.size())};
}

QString AmountText(Money m, const QLocale& chosen) {
  const QLocale locale = Chosen(chosen);
  const int64_t cents = m.InCents();
  const CurrencyAffixes sign = CurrencyAffixesOf(locale);
  // The accounting form "($500.00)" some locales give is not how a player reads a loss.
  return (cents < 0 ? locale.negativeSign() : QString()) + sign.Prefix +
         Digits(cents < 0 ? -cents : cents, locale) + sign.Suffix;
}

QString SignedAmountText(Money m, const QLocale& locale) {
  return (m.InCents() > 0 ? locale.positiveSign() : QString()) + AmountText(m, locale);
}

QString PercentText(double value, int decimals, const QLocale& chosen) {
  const QLocale locale = Chosen(chosen);
  QString number = locale.toString(value, 'f', decimals);
  switch (locale.language()) {
    case QLocale::French:
      return number + QChar(0x202f) + locale.percent();
    case QLocale::German:
    case QLocale::Spanish:
    case QLocale::Czech:
    case QLocale::Danish:
    case QLocale::Finnish:
    case QLocale::NorwegianBokmal:
    case QLocale::Russian:
    case QLocale::Slovak:
    case QLocale::Swedish:
    case QLocale::Ukrainian:
      return number + QChar(0x00a0) + locale.percent();
    default:
      return number + locale.percent();
  }
}

QString DateText(const QDate& date, const QLocale& chosen) {
  const QLocale locale = Chosen(chosen);
  QString format = locale.dateFormat(QLocale::ShortFormat);
  // The game's dates always have two digits each, as the saved games have always shown them.
  static const QRegularExpression day("(?<!d)d(?!d)"), month("(?<!M)M(?!M)"), year("y+");
  format.replace(day, "dd").replace(month, "MM").replace(year, "yy");
  return locale.toString(date, format);
}

QString StoredDateText(const std::string& stored, const QLocale& locale) {
  QString text = QString::fromStdString(stored);
  static const QRegularExpression parts("^\\s*(\\d{1,2})\\D(\\d{1,2})\\D(\\d{2})\\s*$");
  const QRegularExpressionMatch m = parts.match(text);
  if (!m.hasMatch()) return text;
  // Only the two digits of the year are kept; a century with the same leap years serves.
  const QDate date(2000 + m.captured(3).toInt(), m.captured(1).toInt(), m.captured(2).toInt());
  return date.isValid() ? DateText(date, locale) : text;
}

QString KeyName(const QKeySequence& keys) {
  QStringList names;
  for (int i = 0; i < keys.count(); ++i) {
    const Qt::Key key = keys[i].key();
    QString name = QKeySequence(keys[i]).toString(QKeySequence::NativeText);
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      // Qt names the big key "Return", which no PC keyboard prints on it.
      const QString qtName = QKeySequence(key).toString(QKeySequence::NativeText);
      name.chop(qtName.size());
      //: The key that ends a line, as the keyboard names it: "Eingabetaste", "Entrée".
      name += QCoreApplication::translate("zandor::Keys", "Enter");
    }
    names << name;
  }
  return names.join(QStringLiteral(", "));
}

}  // namespace zandor
