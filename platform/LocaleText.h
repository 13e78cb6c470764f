// Numbers, amounts, percentages, dates and key names as the player's locale writes them. The
// files keep their own fixed forms (store/MoneyText.h); this is only what the player reads.
#pragma once

#include <QDate>
#include <QKeySequence>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>

#include "machine/Money.h"

namespace zandor {

// The locale the player's numbers and dates are written in, for the catalogue language picked
// from requested (PickLanguage): the most particular requested locale of that language
// ("de_AT" before "de"), and for English (an empty language) an English locale, en_US unless
// one was asked for, so a fallback to English never keeps a foreign decimal comma or digits.
QLocale LocaleFor(const QString& language, const QStringList& requested);

// The locale the player reads: the default one, English where none was chosen (C).
QLocale PlayerLocale();

// Credits without a currency sign, always with two decimals: "1,000.00", "1.000,00" (no
// thousands separator with a locale whose options omit it).
QString CreditsText(Money m, const QLocale& locale = QLocale());

// Credits as a sum is named in a sentence: whole ones without decimals or grouping ("1000"),
// else two decimals ("0.10", "0,10").
QString ShortCreditsText(Money m, const QLocale& locale = QLocale());

// An amount of dollars, the sign placed as the locale places a currency sign, a minus as the
// locale writes one: "$1,000.00", "-$500.00", "1.000,00 $", "-1 000,00 $".
QString AmountText(Money m, const QLocale& locale = QLocale());
// AmountText with an explicit sign on a gain: "+$1.00"; "$0.00" has none.
QString SignedAmountText(Money m, const QLocale& locale = QLocale());

// The dollar sign around an amount as the locale places a currency sign: {"$", ""} in English,
// {"", "\u00a0$"} in German; for a spin box's prefix and suffix.
struct CurrencyAffixes {
  QString Prefix;
  QString Suffix;
};
CurrencyAffixes CurrencyAffixesOf(const QLocale& locale = QLocale());

// A percentage with the given decimals: "80.0%", "80,0 %" (German), "80,0 %" (French).
QString PercentText(double value, int decimals, const QLocale& locale = QLocale());

// A date as the locale writes it short, with two-digit day, month and year: "11/30/26",
// "30.11.26", "30/11/26".
QString DateText(const QDate& date, const QLocale& locale = QLocale());
// A saved game's stored date (mm/dd/yy with any separator) as the player reads it; text that
// is no such date is shown as it stands.
QString StoredDateText(const std::string& stored, const QLocale& locale = QLocale());

// A key or combination as the keyboard of the player's language names it ("Leertaste",
// "Strg+T", "Entrée"), from Qt's catalogue and, for the Enter key, from ours.
QString KeyName(const QKeySequence& keys);

}  // namespace zandor
