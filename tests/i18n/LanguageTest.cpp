// The game in the player's language: the catalogue a desktop's settings choose, plural forms,
// and the windows' captions and messages as the catalogues give them.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>
#include <functional>
#include <map>

#include "app/Dirs.h"
#include "app/MainWindow.h"
#include "help/HelpViewer.h"
#include "platform/Language.h"
#include "platform/LocaleText.h"
#include "record/RecordKeeper.h"
#include "saves/SavedGames.h"
#include "tests/support/FakePrompts.h"
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
    if (xml.name() == u"name")
      context = xml.readElementText();
    else if (xml.name() == u"source")
      source = xml.readElementText();
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
      // C.UTF-8 still lets LANGUAGE choose, as gettext programs do.
      {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "de"}}, "de"},
      {{{"LC_ALL", "C.utf8"}, {"LANGUAGE", "fr:de"}}, "fr"},
      {{{"LANG", "de_DE.UTF-8"}}, "de"},
      {{{"LANG", "de_AT.UTF-8@euro"}}, "de"},
      {{{"LANG", "fr_CA"}}, "fr"},
      {{{"LANG", "it_CH.UTF-8"}}, "it"},
      {{{"LANG", "pl_PL.UTF-8"}}, "pl"},
      {{{"LANG", "es_ES.UTF-8"}}, "es"},
      {{{"LANG", "pt_PT.UTF-8"}}, ""},  // no catalogue fits: English
      {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}, "fr"},
      {{{"LC_MESSAGES", "de_DE.UTF-8"}, {"LC_ALL", "fr_FR.UTF-8"}}, "fr"},
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "fr:de"}}, "fr"},
      {{{"LANG", "en_GB.UTF-8"}, {"LANGUAGE", "pt_BR:de_CH:es"}}, "de"},
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en:de"}}, ""},
      {{{"LANG", "en_US.UTF-8"}}, ""},
      // A C locale turns LANGUAGE off, as it does for every gettext program.
      {{{"LANG", "C"}, {"LANGUAGE", "de"}}, ""},
      {{{"LC_ALL", "POSIX"}, {"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "fr"}}, ""},
  };
  TestApp();
  // The manual follows when it has been translated.
  const QString media = QString::fromStdString(ProgramDirectory());
  EXPECT_EQ(HelpViewer::ManualDirFor(media, "de"), media + "help/de/");
  EXPECT_EQ(HelpViewer::ManualDirFor(media, "fr"), media + "help/fr/");
  EXPECT_EQ(HelpViewer::ManualDirFor(media, "es"), media + "help/es/");
  EXPECT_EQ(HelpViewer::ManualDirFor(media, "it"), media + "help/it/");
  EXPECT_EQ(HelpViewer::ManualDirFor(media, "pl"), media + "help/pl/");
  EXPECT_EQ(HelpViewer::ManualDirFor(media, "nl"), media + "help/");
  EXPECT_EQ(HelpViewer::ManualDirFor(media, ""), media + "help/");
  const QStringList available = CataloguesIn(CatalogueDir());
  EXPECT_EQ(available, QStringList({"de", "es", "fr", "it", "pl"}));
  for (const Row& row : rows) {
    QString joined;
    for (const auto& [name, value] : row.Env)
      joined += QString::fromStdString(name) + "=" + value + " ";
    EXPECT_EQ(PickLanguage(RequestedLanguages(Reader(row.Env)), available), row.Expected)
        << joined.toStdString();
  }
}

// One formatter for what the player reads that is not words. Numbers come from Qt's locale
// data, not from our catalogues: Spanish and Polish are written as their players read them
// before their catalogues exist. The stored date of a saved game is month first.
TEST(Language, NumbersDatesAndKeysAsTheLocaleWritesThem) {
  const QString nb = QString(QChar(0x00a0)), nnb = QString(QChar(0x202f));
  struct Row {
    const char* Locale;
    QString Large, Negative, Credits, Percent, Date;
  } rows[] = {
      {"en_US", "$9,876,543,210.99", "-$500.00", "1,000.00", "80.0%", "11/30/26"},
      {"de_DE", "9.876.543.210,99" + nb + "$", "-500,00" + nb + "$", "1.000,00", "80,0" + nb + "%",
       "30.11.26"},
      {"fr_FR", "9" + nnb + "876" + nnb + "543" + nnb + "210,99" + nb + "$", "-500,00" + nb + "$",
       "1" + nnb + "000,00", "80,0" + nnb + "%", "30/11/26"},
      {"es_ES", "9.876.543.210,99" + nb + "$", "-500,00" + nb + "$", "1000,00", "80,0" + nb + "%",
       "30/11/26"},
      {"it_IT", "9.876.543.210,99" + nb + "$", "-500,00" + nb + "$", "1.000,00", "80,0%",
       "30/11/26"},
      {"pl_PL", "9" + nb + "876" + nb + "543" + nb + "210,99" + nb + "$", "-500,00" + nb + "$",
       "1000,00", "80,0%", "30.11.26"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.Locale);
    const QLocale l(row.Locale);
    EXPECT_EQ(AmountText(Money::Cents(987'654'321'099), l), row.Large);
    EXPECT_EQ(AmountText(Money::Dollars(-500), l), row.Negative);
    EXPECT_EQ(CreditsText(Money::Dollars(1000), l), row.Credits);
    EXPECT_EQ(PercentText(80.0, 1, l), row.Percent);
    EXPECT_EQ(StoredDateText("11/30/26", l), row.Date);
    EXPECT_EQ(StoredDateText("11-30-26", l), row.Date);
  }
  EXPECT_EQ(SignedAmountText(Money::Cents(100), QLocale("en_US")), "+$1.00");
  EXPECT_EQ(SignedAmountText(Money(), QLocale("en_US")), "$0.00");
  EXPECT_EQ(StoredDateText("12/07/26", QLocale("de_DE")), "07.12.26");
  EXPECT_EQ(StoredDateText("13/45/26", QLocale("de_DE")), "13/45/26");  // shown as stored
  EXPECT_EQ(StoredDateText("", QLocale("de_DE")), "");

  // The locale follows the language the catalogues give: a fallback to English is English
  // numbers too, never a decimal comma or Arabic-Indic digits.
  EXPECT_EQ(LocaleFor("de", {"de", "de_AT"}).name(), "de_AT");
  EXPECT_EQ(LocaleFor("fr", {"fr"}).name(), "fr_FR");
  EXPECT_EQ(LocaleFor("", {"en_GB", "de"}).name(), "en_GB");
  for (const QStringList& requested : {QStringList{"es_AR", "es"}, QStringList{"ar_EG", "ar"}})
    EXPECT_EQ(CreditsText(Money::Dollars(1000), LocaleFor("", requested)), "1,000.00");

  // Key names as the keyboard of the language prints them.
  QApplication& app = TestApp();
  const std::pair<QString, QString> keys[] = {
      {"", "Space, Enter, Shift+Tab, Esc, Ctrl+T"},
      {"de", "Leertaste, Eingabetaste, Umschalt+Tab, Esc, Strg+T"},
      {"fr", QString::fromUtf8("Espace, Entrée, Maj+Tab, Échap, Ctrl+T")},
  };
  for (const auto& [language, expected] : keys) {
    InstallTranslations(app, CatalogueDir(), Reader({{"LANGUAGE", language}, {"LANG", "C.UTF-8"}}));
    EXPECT_EQ(KeyName(QKeySequence(QKeyCombination(Qt::Key_Space), QKeyCombination(Qt::Key_Return),
                                   Qt::SHIFT | Qt::Key_Tab, QKeyCombination(Qt::Key_Escape))) +
                  ", " + KeyName(QKeySequence(Qt::CTRL | Qt::Key_T)),
              expected);
  }
  InstallTranslations(app, CatalogueDir(), Reader({}));
}

namespace {

// What a window shows that its room cuts off: a label or button narrower than its text, a
// wrapped label shorter than its lines.
QStringList Clipped(QWidget* top) {
  QStringList clipped;
  for (QWidget* w : top->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(top) || w->width() <= 0) continue;
    QString text;
    bool fits = true;
    if (auto* label = qobject_cast<QLabel*>(w)) {
      text = label->text();
      if (text.isEmpty()) continue;
      fits = label->wordWrap() ? label->height() >= label->heightForWidth(label->width())
                               : label->width() >= label->minimumSizeHint().width();
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      text = button->text();
      if (text.isEmpty()) continue;
      fits = button->width() >= button->minimumSizeHint().width();
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
      text = group->title();
      fits = group->width() >= group->minimumSizeHint().width();
    }
    if (!fits)
      clipped
          << QString("%1 \"%2\" %3 wide").arg(w->metaObject()->className(), text).arg(w->width());
  }
  return clipped;
}

}  // namespace

namespace {

// Opens what open opens, hands the window that appears to look, and closes it.
void WithNewWindow(const std::function<void()>& open, const std::function<void(QWidget*)>& look) {
  QWidgetList before;  // windows already shown; a dialog kept hidden between uses is new
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) before << w;
  QWidget* seen = nullptr;
  QTimer poll;
  poll.setInterval(50);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (seen != nullptr) return;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (before.contains(w) || !w->isVisible() || qobject_cast<QMenu*>(w) != nullptr) continue;
      seen = w;
      QTest::qWait(100);  // laid out and painted
      look(w);
      w->close();
      return;
    }
  });
  poll.start();
  open();  // a modal window returns here once closed
  EXPECT_TRUE(QTest::qWaitFor([&] { return seen != nullptr; }, 3000)) << "no window opened";
}

}  // namespace

// The game's windows under English and each translation: captions and a message as each
// catalogue gives them (English as the game has always read), Qt's own buttons in the same
// language, and no label or button cut short in any dialog, a ten-digit amount included. With
// ZANDOR_GALLERY=folder each window is saved there as <language>-<name>.png to be looked at.
TEST(Language, WindowsSpeakTheCatalogueAndFitTheirText) {
  QApplication& app = TestApp();
  const QString gallery = qEnvironmentVariable("ZANDOR_GALLERY");
  for (const QString& language : {QString(), QString("de"), QString("fr"), QString("es"),
                                  QString("it"), QString("pl")}) {
    SCOPED_TRACE(language.isEmpty() ? "English" : language.toStdString());
    const Environment env =
        language.isEmpty() ? Environment{{"LANG", "C.UTF-8"}}
                           : Environment{{"LANGUAGE", language}, {"LANG", language + "_FR.UTF-8"}};
    ASSERT_EQ(InstallTranslations(app, CatalogueDir(), Reader(env)), language);
    const QHash<QString, QString> catalogue =
        language.isEmpty() ? QHash<QString, QString>() : ReadCatalogue(language);
    // A text as the catalogue translates it; English is the text itself.
    auto expected = [&](const char* context, const char* english) {
      if (language.isEmpty()) return QString(english);
      QString translated = catalogue.value(QString(context) + '\n' + english);
      EXPECT_FALSE(translated.isEmpty()) << context << ": " << english;
      return translated;
    };

    QTemporaryDir settings;
    GameState game;
    game.Dirs.Program = ProgramDirectory();
    game.Dirs.Settings = settings.path().toStdString() + "/";
    // A saved game at the largest amounts: the slot dialogs lay out ten-digit amounts too.
    MachineState rich;
    rich.Credits = rich.Borrowed = Money::Cents(987'654'321'099);
    PlayerIni playerFile(game.Dirs.Settings);
    ASSERT_TRUE(SavedGameTable(game.Dirs.Settings, playerFile).Save(rich, 8, "Rich").Ok);
    FakePrompts prompts;
    MainWindow form(GameHandle(game), prompts);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    QStringList menus;
    for (QAction* a : form.menuBar()->actions()) menus << a->text();
    QStringList wanted;
    for (const char* caption : {"&File", "&Options", "&Borrow", "&Payoffs", "&Auto", "&Help"})
      wanted << expected("zandor::MainWindow", caption);
    EXPECT_EQ(menus.join(" | ").toStdString(), wanted.join(" | ").toStdString());
    auto* spin = form.findChild<QPushButton*>("spinButton");
    EXPECT_EQ(form.findChild<QPushButton*>("betMaxButton")->text(),
              expected("zandor::BetPanel", "Bet Max"));
    EXPECT_EQ(spin->text(), expected("zandor::BetPanel", "Spin"));
    // The keys in the tip are named as the language's keyboard prints them.
    EXPECT_EQ(spin->toolTip(), expected("zandor::BetPanel", "Spins the slot wheels (%1 or %2)")
                                   .arg(KeyName(QKeySequence(Qt::Key_Space)),
                                        KeyName(QKeySequence(Qt::Key_Return))));
    if (language.isEmpty()) EXPECT_EQ(spin->toolTip(), "Spins the slot wheels (Space or Enter)");
    if (language == "de")
      EXPECT_EQ(spin->toolTip(), "Dreht die Walzen (Leertaste oder Eingabetaste)");
    EXPECT_EQ(form.windowTitle(), "Zandor Slots");
    if (!language.isEmpty()) EXPECT_NE(spin->text(), "Spin");

    // Spin with nothing bet: the rules' message in the player's language.
    QTest::mouseClick(spin, Qt::LeftButton);
    ASSERT_FALSE(prompts.Messages.empty());
    EXPECT_EQ(prompts.Messages.back(),
              expected("zandor::SlotMachine", "Please place a bet before spinning."));

    // The real About box: its caption from the game's catalogue, its button from Qt's.
    WithNewWindow([&] { form.findChild<QAction*>("aboutAction")->trigger(); },
                  [&](QWidget* w) {
                    auto* box = qobject_cast<QMessageBox*>(w);
                    ASSERT_NE(box, nullptr);
                    EXPECT_EQ(box->windowTitle(), expected("zandor::Help", "About Zandor Slots"));
                    EXPECT_EQ(box->button(QMessageBox::Ok)->text(),
                              QCoreApplication::translate("QPlatformTheme", "OK"));
                  });
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes") == "&Yes", language.isEmpty());

    game.Options.AceyDucey = true;
    const std::pair<const char*, std::function<void()>> windows[] = {
        {"bank", [&] { form.findChild<QAction*>("borrowAction")->trigger(); }},
        {"open", [&] { form.findChild<QAction*>("openAction")->trigger(); }},
        {"save", [&] { form.findChild<QAction*>("saveAction")->trigger(); }},
        {"payoffs", [&] { form.findChild<QAction*>("payoffsAction")->trigger(); }},
        {"volume", [&] { form.findChild<QAction*>("changeVolumeAction")->trigger(); }},
        {"sounds", [&] { form.findChild<QAction*>("changeSoundsAction")->trigger(); }},
        {"songs", [&] { form.findChild<QAction*>("changeSongsAction")->trigger(); }},
        {"statistics", [&] { form.Record().ShowStatistics(); }},
        {"recent-spins", [&] { form.Record().ShowRecentSpins(); }},
        {"auto-spin-limits", [&] { form.Record().ShowAutoSpinLimits(); }},
        {"about", [&] { form.findChild<QAction*>("aboutAction")->trigger(); }},
        {"card-table",
         [&] {
           game.Machine.ReelGrid = {4, 5, 0, 4, 5, 2, 4, 1, 3};
           form.Rules().UpdateLineBets(Money::Cents(25), Money::Cents(250));
           form.Rules().EvaluatePaylines();
         }},
    };
    for (const auto& window : windows) {
      const char* name = window.first;
      SCOPED_TRACE(name);
      WithNewWindow(window.second, [&](QWidget* w) {
        EXPECT_FALSE(w->windowTitle().isEmpty());
        EXPECT_EQ(Clipped(w).join("; ").toStdString(), "");
        if (!gallery.isEmpty())
          w->grab().save(
              QString("%1/%2-%3.png").arg(gallery, language.isEmpty() ? "en" : language, name));
      });
    }
  }
  InstallTranslations(app, CatalogueDir(), Reader({}));
}
