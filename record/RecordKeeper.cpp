#include "record/RecordKeeper.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

#include "face/FacePainter.h"
#include "platform/Language.h"
#include "platform/Prompts.h"
#include "record/AutoSpinLimitsDialog.h"
#include "record/PlayerFile.h"
#include "record/RecentSpinsWindow.h"
#include "record/StatisticsWindow.h"
#include "store/PlayerIni.h"

namespace zandor {

RecordKeeper::RecordKeeper(const MachineState& machine, const FacePainter& face, QWidget* window,
                           Prompts& prompts, PlayerIni& file)
    : QObject(window),
      machine_(machine),
      face_(face),
      window_(window),
      prompts_(prompts),
      file_(file) {
  clock_.start();
}

void RecordKeeper::AddMenuEntries(QMenu* file, QAction* exit, QMenu* autoMenu) {
  StatisticsAction = new QAction(tr("S&tatistics..."), file);
  StatisticsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
  connect(StatisticsAction, &QAction::triggered, this, &RecordKeeper::ShowStatistics);
  RecentSpinsAction = new QAction(tr("&Recent Spins..."), file);
  RecentSpinsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  connect(RecentSpinsAction, &QAction::triggered, this, &RecordKeeper::ShowRecentSpins);
  file->insertAction(exit, StatisticsAction);
  file->insertAction(exit, RecentSpinsAction);
  file->insertSeparator(exit);

  autoMenu->addSeparator();
  AutoSpinLimitsAction =
      autoMenu->addAction(tr("Auto Spin &Limits..."), this, &RecordKeeper::ShowAutoSpinLimits);
  AutoSpinLimitsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
}

bool RecordKeeper::SaveFile() {
  if (file_.Save()) return true;
  prompts_.Warn(window_, UnableToWrite().arg(QString::fromStdString(file_.Path())));
  return false;
}

void RecordKeeper::CountTime() {
  // Whole seconds go to the record; the part of a second left over waits for the next call.
  const int64_t ms = clock_.elapsed() - countedMs_;
  Record.AddSeconds(ms / 1000);
  countedMs_ += ms / 1000 * 1000;
}

void RecordKeeper::ShowStatistics() {
  StatisticsWindow w(
      Record, machine_, [this] { CountTime(); }, prompts_, window_);
  w.exec();
}

void RecordKeeper::ShowRecentSpins() {
  RecentSpinsWindow w(
      Record.Recent,
      [this] {
        return std::pair<const QImage*, int>{&face_.Artwork, face_.SymbolSize};
      },
      prompts_, window_);
  w.exec();
}

void RecordKeeper::ShowAutoSpinLimits() {
  AutoSpinLimitsDialog d(Record.Limits, prompts_, window_);
  if (d.exec() != QDialog::Accepted) return;
  Record.Limits = d.Limits();
  StoreAutoSpinLimits(file_, Record.Limits);
  SaveFile();
}

}  // namespace zandor
