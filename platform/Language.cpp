#include "platform/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include "platform/LocaleText.h"

namespace zandor {

namespace {

constexpr const char* kCataloguePrefix = "zandor-slots_";

// "de_AT.UTF-8@euro" -> {"de_AT", "de"}; "C", "POSIX" and "" -> {}.
QStringList LanguagesOfLocale(QString locale) {
  locale = locale.section('@', 0, 0).section('.', 0, 0).trimmed();
  if (locale.isEmpty() || locale == "C" || locale == "POSIX") return {};
  QStringList names{locale};
  QString base = locale.section('_', 0, 0);
  if (base != locale && !base.isEmpty()) names << base;
  return names;
}

bool Loads(QCoreApplication& app, const QString& name, const QString& dir) {
  auto* translator = new QTranslator(&app);
  if (translator->load(name, dir)) {
    QCoreApplication::installTranslator(translator);
    return true;
  }
  delete translator;
  return false;
}

}  // namespace

QStringList RequestedLanguages(const std::function<QString(const char*)>& env) {
  QString locale = env("LC_ALL");
  if (locale.isEmpty()) locale = env("LC_MESSAGES");
  if (locale.isEmpty()) locale = env("LANG");
  // Only the plain C or POSIX locale turns LANGUAGE off; C.UTF-8 and the like are still C for
  // their messages, but take the languages the player lists, as gettext does.
  const QString plain = locale.section('@', 0, 0).trimmed();
  if (plain.isEmpty() || plain == "C" || plain == "POSIX") return {};
  QStringList ofLocale = LanguagesOfLocale(locale);
  QStringList requested;
  for (const QString& entry : env("LANGUAGE").split(':', Qt::SkipEmptyParts))
    for (const QString& name : LanguagesOfLocale(entry))
      if (!requested.contains(name)) requested << name;
  for (const QString& name : ofLocale)
    if (!requested.contains(name)) requested << name;
  return requested;
}

QString PickLanguage(const QStringList& requested, const QStringList& available) {
  for (const QString& name : requested) {
    if (name == "en" || name.startsWith("en_")) return {};
    if (available.contains(name)) return name;
  }
  return {};
}

QStringList CataloguesIn(const QString& dir) {
  QStringList languages;
  const QStringList files =
      QDir(dir).entryList({QString(kCataloguePrefix) + "*.qm"}, QDir::Files, QDir::Name);
  for (const QString& file : files) {
    QString name = file.mid(int(qstrlen(kCataloguePrefix)));
    name.chop(3);
    if (name != "en") languages << name;
  }
  return languages;
}

QString TranslatedN(const char* context, const char* source, const char* comment, int n) {
  // Without a catalogue Qt hands back the source with only %n filled in; English reads "(s)".
  if (QCoreApplication::translate(context, source, comment) == QString::fromUtf8(source))
    return QString::fromStdString(PlayerText{context, source, {}, n}.English());
  return QCoreApplication::translate(context, source, comment, n);
}

QString Translated(const PlayerText& text) {
  if (text.Empty()) return {};
  QString out = TranslatedN(text.Context, text.Source, nullptr, text.Count);
  for (const std::string& arg : text.Args) out = out.arg(QString::fromStdString(arg));
  for (int64_t cents : text.Amounts) out = out.arg(AmountText(Money::Cents(cents)));
  return out;
}

QString UnableToWrite() {
  return QCoreApplication::translate("zandor::Files", "Unable to write to %1");
}

QString InstallTranslations(QCoreApplication& app, const QString& catalogueDir,
                            const std::function<QString(const char*)>& env) {
  // A second call replaces the languages of the first.
  for (QTranslator* old : app.findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly)) {
    QCoreApplication::removeTranslator(old);
    delete old;
  }
  // English needs a catalogue only for its plural forms; it lies beneath every other language,
  // which also falls back to it.
  Loads(app, QString(kCataloguePrefix) + "en", catalogueDir);
  const QStringList requested = RequestedLanguages(env);
  QString language = PickLanguage(requested, CataloguesIn(catalogueDir));
  if (!language.isEmpty()) {
    Loads(app, "qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!Loads(app, kCataloguePrefix + language, catalogueDir)) language.clear();
  }
  // Numbers and dates follow the language the player reads: English words with a decimal comma
  // or another script's digits would be neither the one nor the other.
  QLocale::setDefault(LocaleFor(language, requested));
  return language;
}

}  // namespace zandor
