#include "help/HelpViewer.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

#include "help/Help.h"
#include "platform/Announcement.h"
#include "platform/CentreOnScreen.h"

namespace zandor {

namespace {

QPointer<HelpViewer> TheViewer;
QString ManualDirOverride;

struct TopicPage {
  HelpTopic Topic;
  const char* Target;
};

// Every topic a Help button can ask for; anything else opens the contents page.
constexpr TopicPage kTopics[] = {
    {HelpTopic::Contents, "index.html"},
    {HelpTopic::Bank, "bank.html#bank"},
    {HelpTopic::CardGame, "cards.html#acey-ducey"},
    {HelpTopic::SavedGames, "games.html#saved-games"},
    {HelpTopic::Sounds, "sounds.html#sounds"},
    {HelpTopic::Statistics, "statistics.html#statistics"},
    {HelpTopic::RecentSpins, "recent-spins.html#recent-spins"},
    {HelpTopic::AutoSpinLimits, "auto-spin-limits.html#auto-spin-limits"},
    {HelpTopic::Payoffs, "payoffs.html#payoffs"},
    {HelpTopic::Music, "music.html#music"},
    {HelpTopic::Volume, "volume.html#volume"},
};

// Where the anchor `name` begins in a page, 0 when it has none.
int AnchorPosition(const QTextDocument& doc, const QString& name) {
  if (name.isEmpty()) return 0;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
    for (auto it = b.begin(); !it.atEnd(); ++it)
      if (it.fragment().charFormat().anchorNames().contains(name)) return it.fragment().position();
  return 0;
}

// The manual is a window of its own beside the machine, not a dialog of it: a screen reader
// says a dialog's name again before every sentence spoken in it, each link reached and each
// page opened.
QAccessibleInterface* ViewerFactory(const QString& key, QObject* object) {
  if (key == QLatin1String(HelpViewer::staticMetaObject.className()))
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
  return nullptr;
}

}  // namespace

HelpViewer* HelpViewer::Instance() {
  if (!TheViewer) {
    TheViewer = new HelpViewer;
    // A top-level window outlives no application: let it go while Qt is still up.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, TheViewer, [] { delete TheViewer; });
  }
  return TheViewer;
}

QString HelpViewer::ManualDir() {
  if (!ManualDirOverride.isEmpty()) return ManualDirOverride;
  return QCoreApplication::applicationDirPath() + QStringLiteral("/help/");
}

QString HelpViewer::ManualDirFor(const QString& mediaDir, const QString& language) {
  QString english = mediaDir + "help/";
  if (language.isEmpty() || !QFile::exists(english + language + "/index.html")) return english;
  return english + language + "/";
}

void HelpViewer::SetManualDir(const QString& dir) {
  ManualDirOverride = dir;
  if (!ManualDirOverride.isEmpty() && !ManualDirOverride.endsWith('/')) ManualDirOverride += '/';
}

QString HelpViewer::TopicTarget(HelpTopic topic) {
  for (const TopicPage& p : kTopics)
    if (p.Topic == topic) return QString::fromLatin1(p.Target);
  return QString::fromLatin1(kTopics[0].Target);
}

QUrl HelpViewer::TopicUrl(HelpTopic topic) {
  const QString target = TopicTarget(topic);
  const qsizetype hash = target.indexOf('#');
  QUrl url = QUrl::fromLocalFile(ManualDir() + target.left(hash < 0 ? target.size() : hash));
  if (hash >= 0) url.setFragment(target.mid(hash + 1));
  return url;
}

HelpViewer::HelpViewer() : QDialog(nullptr, Qt::Window) {
  static const bool told = [] {
    QAccessible::installFactory(ViewerFactory);
    return true;
  }();
  (void)told;
  setWindowTitle(tr("Zandor Slots Help"));
  setObjectName(QStringLiteral("HelpViewer"));

  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(true);
  // A caret the arrow keys move, so that a screen reader reads the page line by line and word
  // by word; Tab still goes from link to link and Enter follows one.
  browser_->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
  //: Goes to the page read before.
  backBtn_ = new QPushButton(tr("&Back"), this);
  forwardBtn_ = new QPushButton(tr("&Forward"), this);
  //: Goes to the manual's table of contents.
  contentsBtn_ = new QPushButton(tr("&Contents"), this);
  closeBtn_ = new QPushButton(tr("C&lose"), this);
  backBtn_->setEnabled(false);
  forwardBtn_->setEnabled(false);
  // Enter in the browser must not close the window the way a dialog's default button would.
  for (QPushButton* b : {backBtn_, forwardBtn_, contentsBtn_, closeBtn_}) b->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contentsBtn_);
  buttons->addWidget(backBtn_);
  buttons->addWidget(forwardBtn_);
  buttons->addStretch(1);
  buttons->addWidget(closeBtn_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_, 1);

  connect(browser_, &QTextBrowser::backwardAvailable, backBtn_, &QWidget::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forwardBtn_, &QWidget::setEnabled);
  connect(backBtn_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forwardBtn_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(contentsBtn_, &QPushButton::clicked, this,
          [this] { browser_->setSource(TopicUrl(HelpTopic::Contents)); });
  connect(closeBtn_, &QPushButton::clicked, this, &QWidget::close);
  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpViewer::PageOpened);
  // Tab moves to a link without telling anyone; Back puts the caret on the link followed.
  browser_->installEventFilter(this);
  connect(browser_, &QTextBrowser::selectionChanged, this, &HelpViewer::LinkReached);

  resize(720, 560);
}

// A modal dialog blocks every window that is not its own; help asked for from inside one
// must then be modal itself to take input. Opened from the machine, it stays modeless so
// the player can read and play at the same time.
void HelpViewer::FollowModality() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == this) return;
  const Qt::WindowModality want = modal ? Qt::ApplicationModal : Qt::NonModal;
  if (windowModality() == want) return;
  const bool wasVisible = isVisible();
  const QPoint where = pos();
  if (wasVisible) hide();
  setWindowModality(want);
  if (wasVisible) move(where);
}

bool HelpViewer::ShowTopic(QWidget* parent, HelpTopic topic) {
  const QUrl url = TopicUrl(topic);
  if (!QFileInfo(url.toLocalFile()).isFile()) {
    QMessageBox::warning(parent, tr("Zandor Slots Help"),
                         tr("The manual could not be found.\n\n"
                            "It belongs in the folder %1 beside the program. "
                            "Installing Zandor Slots again puts it back.")
                             .arg(QDir::toNativeSeparators(ManualDir())));
    return false;
  }

  FollowModality();
  browser_->setSearchPaths({ManualDir()});
  browser_->setSource(url);

  if (!isVisible()) {
    // Without a window manager a new window lands at (0, 0); centre it ourselves once.
    static bool placed = false;
    if (!placed) {
      CentreOnScreen(this, parent);
      placed = true;
    }
    show();
  }
  raise();
  activateWindow();
  return true;
}

void HelpViewer::PageOpened(const QUrl& url) {
  QTextCursor caret(browser_->document());
  caret.setPosition(AnchorPosition(*browser_->document(), url.fragment()));
  browser_->setTextCursor(caret);
  // The page is read from where it opened: the browser takes the focus from a button that
  // opened it (Contents, Back), and the page's title says where the player now is.
  if (isVisible()) browser_->setFocus(Qt::OtherFocusReason);
  const QString title = browser_->documentTitle();
  if (!title.isEmpty()) Announce(this, title);
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* event) {
  if (watched == browser_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
      QTimer::singleShot(0, this, &HelpViewer::LinkReached);
  }
  return QDialog::eventFilter(watched, event);
}

void HelpViewer::LinkReached() {
  // Tab selects a whole link; a selection made with Shift and the arrows says nothing more
  // than the screen reader already reads.
  const QTextCursor caret = browser_->textCursor();
  if (!caret.hasSelection() || !caret.charFormat().isAnchor()) return;
  const QTextBlock block = browser_->document()->findBlock(caret.selectionStart());
  bool whole = false;
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment f = it.fragment();
    whole |= f.position() == caret.selectionStart() &&
             f.position() + f.length() == caret.selectionEnd() && f.charFormat().isAnchor();
  }
  if (!whole) return;
  //: Spoken when the keyboard reaches a link of the manual: "Bank, link".
  Announce(this, tr("%1, link").arg(caret.selectedText()));
}

}  // namespace zandor
