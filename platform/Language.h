// The player's language: which of the program's catalogues to load, chosen from the
// environment the way every desktop program chooses, and the translators that load them.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "machine/PlayerText.h"

class QCoreApplication;

namespace zandor {

// The languages the player asked for, best first. LANGUAGE's colon-separated list comes first,
// unless the locale itself is the plain C or POSIX (then LANGUAGE is not looked at, as gettext
// does; C.UTF-8 still lets it choose);
// then the locale of LC_ALL, else LC_MESSAGES, else LANG. "de_AT.UTF-8@euro" gives "de_AT"
// and then "de". env returns a variable's value, empty when unset.
QStringList RequestedLanguages(const std::function<QString(const char*)>& env);

// The first requested language that has a catalogue among available ("de", "fr", ...); empty
// for English: when English comes first, when nothing was asked for, or when nothing fits.
QString PickLanguage(const QStringList& requested, const QStringList& available);

// The languages whose catalogues lie in dir ("zandor-slots_xx.qm"), English apart.
QStringList CataloguesIn(const QString& dir);

// Loads into app the English plural forms, then, for the player's language, Qt's own
// catalogue (standard buttons, file dialogs) and the program's. The translators belong to
// app, and a second call replaces those of the first. Numbers and dates then follow the
// language loaded (LocaleFor). Returns the language loaded, empty for English.
QString InstallTranslations(QCoreApplication& app, const QString& catalogueDir,
                            const std::function<QString(const char*)>& env);

// QCoreApplication::translate for a text with a count ("%n spin(s)"): the plural form of the
// player's language, and English ("1 spin", "2 spins") when no catalogue has the text. The
// catalogue check (scripts/translations) reads calls of it as calls of translate.
QString TranslatedN(const char* context, const char* source, const char* comment, int n);

// What every window says when a file of the game could not be written: "Unable to write to %1"
// in the player's language, for the path to go into.
QString UnableToWrite();

// A sentence of the rules in the player's language: its template translated in its context
// (with the plural form its count picks) and filled in with its values.
QString Translated(const PlayerText& text);

}  // namespace zandor
