// The help viewer, the manual's pages and the about box.
#include "help/Help.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>

#include "help/HelpViewer.h"
#include "platform/AccessEvents.h"
#include "tests/support/FakePrompts.h"

using namespace zandor;

namespace {

QApplication* App() {
  static int argc = 1;
  static char name[] = "help_test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return app;
}

const HelpTopic kTopics[] = {
    HelpTopic::Contents,   HelpTopic::Bank,        HelpTopic::CardGame,      HelpTopic::SavedGames,
    HelpTopic::Sounds,     HelpTopic::Payoffs,     HelpTopic::Music,         HelpTopic::Volume,
    HelpTopic::Statistics, HelpTopic::RecentSpins, HelpTopic::AutoSpinLimits};

// Anchor names and link targets of a rich-text document.
struct Anchors {
  QSet<QString> Names;
  QStringList Hrefs;
};

Anchors Collect(const QTextDocument& doc) {
  Anchors a;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat f = it.fragment().charFormat();
      for (const QString& n : f.anchorNames()) a.Names.insert(n);
      if (f.isAnchor() && !f.anchorHref().isEmpty()) a.Hrefs << f.anchorHref();
    }
  }
  return a;
}

Anchors CollectFile(const QString& path) {
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
  QTextDocument doc;
  doc.setHtml(QString::fromUtf8(f.readAll()));
  return Collect(doc);
}

// Fires once the next modal box is up: records its title and text, then closes it.
struct BoxCatcher {
  QString Title, Text;
  bool Seen = false;
  void Arm() {
    QTimer::singleShot(50, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      Seen = true;
      Title = box->windowTitle();
      Text = box->text();
      box->done(QMessageBox::Ok);
    });
  }
};

class HelpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App();
    HelpViewer::SetManualDir(QString());
  }
  void TearDown() override {
    HelpViewer::Instance()->hide();
    HelpViewer::SetManualDir(QString());
  }
};

}  // namespace

// Every topic a dialog asks for opens the one viewer at its own page, and that page really
// holds the anchor the viewer was sent to; an unknown topic falls back to the contents.
TEST_F(HelpTest, EachTopicOpensAtItsPageAndAnchor) {
  const QString dir = QCoreApplication::applicationDirPath() + "/help/";
  ASSERT_TRUE(QFile::exists(dir + "index.html")) << "manual not copied beside the program";
  QSet<QString> pages;
  for (HelpTopic topic : kTopics) {
    ShowHelpTopic(nullptr, topic);
    HelpViewer* v = HelpViewer::Instance();
    ASSERT_TRUE(v->isVisible()) << static_cast<int>(topic);
    EXPECT_EQ(v->windowTitle(), "Zandor Slots Help");
    const QUrl src = v->Browser()->source();
    EXPECT_EQ(src, HelpViewer::TopicUrl(topic)) << static_cast<int>(topic);
    EXPECT_EQ(QFileInfo(src.toLocalFile()).absolutePath() + "/", QDir(dir).absolutePath() + "/");
    pages.insert(QFileInfo(src.toLocalFile()).fileName());
    if (topic != HelpTopic::Contents) {
      ASSERT_FALSE(src.fragment().isEmpty()) << static_cast<int>(topic);
      EXPECT_TRUE(Collect(*v->Browser()->document()).Names.contains(src.fragment()))
          << "missing anchor " << src.fragment().toStdString();
    }
  }
  EXPECT_EQ(pages.size(), std::size(kTopics)) << "each topic has a page of its own";
  EXPECT_TRUE(HelpViewer::Instance()->Browser()->toPlainText().contains("Stop after"));
  ShowHelpTopic(nullptr, HelpTopic::Bank);
  EXPECT_TRUE(HelpViewer::Instance()->Browser()->toPlainText().contains("Pay Back Credits"));
  ShowHelpTopic(nullptr, static_cast<HelpTopic>(12345));
  EXPECT_EQ(HelpViewer::Instance()->Browser()->source(), HelpViewer::TopicUrl(HelpTopic::Contents));
}

// The contents page links to every topic, and no link anywhere in the manual points to a
// page or an anchor that does not exist.
TEST_F(HelpTest, ContentsReachesEveryTopicAndNoLinkIsBroken) {
  const QString dir = HelpViewer::ManualDir();
  const Anchors contents = CollectFile(dir + "index.html");
  for (HelpTopic topic : kTopics) {
    if (topic == HelpTopic::Contents) continue;
    EXPECT_TRUE(contents.Hrefs.contains(HelpViewer::TopicTarget(topic)))
        << HelpViewer::TopicTarget(topic).toStdString();
  }
  const QStringList pages = QDir(dir).entryList({"*.html"}, QDir::Files);
  ASSERT_GE(pages.size(), 6);
  int links = 0;
  for (const QString& page : pages) {
    for (const QString& href : CollectFile(dir + page).Hrefs) {
      if (href.startsWith("http")) continue;
      const QString file = href.section('#', 0, 0);
      const QString anchor = href.section('#', 1);
      const QString target = file.isEmpty() ? page : file;
      ASSERT_TRUE(QFile::exists(dir + target))
          << page.toStdString() << " -> " << href.toStdString();
      if (!anchor.isEmpty())
        EXPECT_TRUE(CollectFile(dir + target).Names.contains(anchor))
            << page.toStdString() << " -> " << href.toStdString();
      ++links;
    }
  }
  EXPECT_GT(links, 20);
}

// The one viewer is reused, keeps its history across topics and its buttons walk it.
TEST_F(HelpTest, ViewerIsReusedAndNavigates) {
  ShowHelpTopic(nullptr, HelpTopic::Bank);
  HelpViewer* v = HelpViewer::Instance();
  ShowHelpTopic(nullptr, HelpTopic::CardGame);
  EXPECT_EQ(HelpViewer::Instance(), v);
  EXPECT_EQ(v->windowModality(), Qt::NonModal);
  ASSERT_TRUE(v->BackButton()->isEnabled());
  v->BackButton()->click();
  EXPECT_EQ(v->Browser()->source(), HelpViewer::TopicUrl(HelpTopic::Bank));
  ASSERT_TRUE(v->ForwardButton()->isEnabled());
  v->ForwardButton()->click();
  EXPECT_EQ(v->Browser()->source(), HelpViewer::TopicUrl(HelpTopic::CardGame));
  v->ContentsButton()->click();
  EXPECT_EQ(v->Browser()->source(), HelpViewer::TopicUrl(HelpTopic::Contents));
}

// The manual is read with a caret the arrow keys move; Tab reaches a link and its words are
// spoken; Enter follows it, and the page it opens is read from where it opens: the browser
// keeps the focus, the caret stands at the link's anchor and the page's title is spoken. The
// Back button takes the reader to the page before, on the link followed. The viewer is a
// window, not a dialog, whose name a screen reader would say again before each sentence.
TEST_F(HelpTest, ReadWithTheKeyboard) {
  QTest::qWait(20);  // what earlier tests left to be spoken
  QStringList spoken;
  ListenToAccessibility([&](QAccessibleEvent& e) {
    if (e.type() == QAccessible::ObjectShow && e.accessibleInterface() &&
        e.accessibleInterface()->role() == QAccessible::Notification)
      spoken << e.accessibleInterface()->text(QAccessible::Name);
  });
  auto heard = [&] {
    QTest::qWait(20);
    return std::exchange(spoken, {});
  };
  ShowHelpTopic(nullptr, HelpTopic::Contents);
  HelpViewer* v = HelpViewer::Instance();
  QTextBrowser* b = v->Browser();
  v->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(v));
  b->setFocus();
  EXPECT_EQ(QAccessible::queryAccessibleInterface(v)->role(), QAccessible::Window);
  EXPECT_TRUE(b->textInteractionFlags() & Qt::TextSelectableByKeyboard);
  const QString contents = b->documentTitle();
  EXPECT_EQ(heard(), QStringList{contents});
  const int top = b->textCursor().position();
  QTest::keyClick(b, Qt::Key_Down);
  EXPECT_GT(b->textCursor().position(), top);

  QTest::keyClick(b, Qt::Key_Tab);
  ASSERT_TRUE(b->textCursor().hasSelection());
  const QString link = b->textCursor().selectedText();
  const QString href = b->textCursor().charFormat().anchorHref();
  EXPECT_EQ(heard(), QStringList{link + ", link"});
  QTest::keyClick(b, Qt::Key_Return);
  EXPECT_EQ(b->source().fileName(), QUrl(href).fileName());
  EXPECT_EQ(QApplication::focusWidget(), b);
  EXPECT_FALSE(b->documentTitle().isEmpty());
  EXPECT_EQ(heard(), QStringList{b->documentTitle()});
  // The caret at the anchor: the text after it is the anchor's.
  const QString fragment = QUrl(href).fragment();
  QTextCursor after = b->textCursor();
  after.movePosition(QTextCursor::NextCharacter);
  if (!fragment.isEmpty()) EXPECT_TRUE(after.charFormat().anchorNames().contains(fragment));

  // Back again on the link followed.
  v->BackButton()->click();
  EXPECT_EQ(QApplication::focusWidget(), b);
  EXPECT_EQ(heard(), QStringList({contents, link + ", link"}));
  EXPECT_EQ(b->textCursor().selectedText(), link);
  ListenToAccessibility(nullptr);
}

// Help asked for from inside a modal dialog takes real input (the dialog would otherwise
// block it), and once the dialog is gone the viewer is modeless again.
TEST_F(HelpTest, UsableFromInsideAModalDialog) {
  QDialog dialog;
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

  // A plain window shown now is blocked: the click below must be the real thing.
  QWidget other;
  auto* probe = new QPushButton("probe", &other);
  bool probed = false;
  QObject::connect(probe, &QPushButton::clicked, [&] { probed = true; });
  other.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
  QTest::mouseClick(other.windowHandle(), Qt::LeftButton, {}, probe->geometry().center());
  EXPECT_FALSE(probed) << "the modal dialog should block other windows";
  other.hide();

  ShowHelpTopic(&dialog, HelpTopic::SavedGames);
  HelpViewer* v = HelpViewer::Instance();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(v));
  EXPECT_EQ(v->Browser()->source(), HelpViewer::TopicUrl(HelpTopic::SavedGames));
  QPushButton* contents = v->ContentsButton();
  QTest::mouseClick(v->windowHandle(), Qt::LeftButton, {},
                    contents->mapTo(v, contents->rect().center()));
  EXPECT_EQ(v->Browser()->source(), HelpViewer::TopicUrl(HelpTopic::Contents));

  v->hide();
  dialog.hide();
  ShowHelpTopic(nullptr, HelpTopic::Sounds);
  EXPECT_EQ(v->windowModality(), Qt::NonModal);
}

// The page is drawn with the manual's stylesheet: the headings come out in its dark red.
TEST_F(HelpTest, PagesAreDrawnWithTheStylesheet) {
  ShowHelpTopic(nullptr, HelpTopic::Contents);
  HelpViewer* v = HelpViewer::Instance();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(v));
  const QImage shot = v->Browser()->viewport()->grab().toImage();
  int red = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x)
      if (shot.pixelColor(x, y) == QColor(0x8b, 0, 0)) ++red;
  EXPECT_GT(red, 20);
}

// A missing manual is said in a message box over the caller, and no empty viewer appears.
TEST_F(HelpTest, MissingManualGivesAMessage) {
  QTemporaryDir empty;
  HelpViewer::SetManualDir(empty.path());
  BoxCatcher box;
  box.Arm();
  ShowHelpTopic(nullptr, HelpTopic::Bank);
  ASSERT_TRUE(box.Seen);
  EXPECT_EQ(box.Title, "Zandor Slots Help");
  EXPECT_TRUE(box.Text.contains("manual could not be found"));
  EXPECT_TRUE(box.Text.contains(QDir::toNativeSeparators(empty.path())));
  EXPECT_FALSE(HelpViewer::Instance()->isVisible());
}

// The about box names the game, its version and what it is, under its own title.
TEST_F(HelpTest, AboutBox) {
  const QString text = AboutText();
  EXPECT_TRUE(text.contains("Zandor Slots"));
  EXPECT_TRUE(text.contains("Version " ZANDOR_VERSION));
  EXPECT_TRUE(text.contains("slot machine"));
  BoxCatcher box;
  box.Arm();
  FakePrompts prompts;
  ShowAbout(nullptr, prompts);
  ASSERT_TRUE(box.Seen);
  EXPECT_EQ(box.Title, "About Zandor Slots");
  EXPECT_EQ(box.Text, text);
}
