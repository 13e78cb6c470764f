#include "app/RefusalNotes.h"

#include "platform/Language.h"
#include "platform/PassingNote.h"

namespace zandor {

RefusalNotes::RefusalNotes(const MachineState& machine, std::function<void(const QString&)> say,
                           std::function<QWidget*(int)> at)
    : SpinAnnouncer(machine, std::move(say)), at_(std::move(at)) {}

void RefusalNotes::BetRefused(int coins, const PlayerText& why) {
  SpinAnnouncer::BetRefused(coins, why);
  if (at_) ShowPassingNote(at_(coins), Translated(why));
}

void RefusalNotes::AutoSpinRefused(const PlayerText& why) {
  SpinAnnouncer::AutoSpinRefused(why);
  if (at_) ShowPassingNote(at_(0), Translated(why));
}

}  // namespace zandor
