// The game in the player's language: the catalogue a desktop's settings choose, plural forms,
// and the windows' captions and messages as the catalogues give them.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QXmlStreamReader>
#include <map>

#include "platform/Language.h"
#include "tests/support/TestApp.h"

using namespace zandor;

namespace {

using Environment = std::map<std::string, QString>;

auto Reader(const Environment& env) {
  return [env](const char* name) {
    auto it = env.find(name);
    return it == env.end() ? QString() : it->second;
  };
}

QString CatalogueDir() { return QCoreApplication::applicationDirPath() + "/translations"; }

// A catalogue's source, read as a translator wrote it: "context\nsource" -> the translation
// (its first plural form for a text with a count).
QHash<QString, QString> ReadCatalogue(const QString& language) {
  QFile file(qEnvironmentVariable("ZANDOR_TEST_SRC") + "/i18n/zandor-slots_" + language + ".ts");
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
  QHash<QString, QString> texts;
  QXmlStreamReader xml(&file);
  QString context, source;
  while (!xml.atEnd()) {
    if (!xml.readNextStartElement()) continue;
    if (xml.name() == u"name") context = xml.readElementText();
    else if (xml.name() == u"source") source = xml.readElementText();
    else if (xml.name() == u"translation" || xml.name() == u"numerusform") {
      QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
      if (!texts.contains(context + '\n' + source)) texts[context + '\n' + source] = text;
    }
  }
  return texts;
}

}  // namespace

TEST(Language, ChosenAsTheDesktopChooses) {
  struct Row {
    Environment Env;
    QString Expected;
  } rows[] = {
      {{}, ""},
      {{{"LANG", "C.UTF-8"}}, ""},
      {{{"LANG", "de_DE.UTF-8"}}, "de"},
      {{{"LANG", "de_AT.UTF-8@euro"}}, "de"},
      {{{"LANG", "fr_CA"}}, "fr"},
      {{{"LANG", "es_ES.UTF-8"}}, ""},  // no catalogue fits: English
      {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}, "fr"},
      {{{"LC_MESSAGES", "de_DE.UTF-8"}, {"LC_ALL", "fr_FR.UTF-8"}}, "fr"},
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "fr:de"}}, "fr"},
      {{{"LANG", "en_GB.UTF-8"}, {"LANGUAGE", "es:pt_BR:de_CH"}}, "de"},
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en:de"}}, ""},
      {{{"LANG", "en_US.UTF-8"}}, ""},
      // A C locale turns LANGUAGE off, as it does for every gettext program.
      {{{"LANG", "C"}, {"LANGUAGE", "de"}}, ""},
      {{{"LC_ALL", "POSIX"}, {"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "fr"}}, ""},
  };
  TestApp();
  const QStringList available = CataloguesIn(CatalogueDir());
  EXPECT_EQ(available, QStringList({"de", "fr"}));
  for (const Row& row : rows) {
    QString joined;
    for (const auto& [name, value] : row.Env) joined += QString::fromStdString(name) + "=" + value + " ";
    EXPECT_EQ(PickLanguage(RequestedLanguages(Reader(row.Env)), available), row.Expected)
        << joined.toStdString();
  }
}
