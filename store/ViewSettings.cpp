#include "store/ViewSettings.h"

#include "store/PlayerKeys.h"

namespace zandor {

ViewChoices LoadViewChoices(const PlayerIni& file) { return LoadKeys<ViewChoices>(file); }

void StoreViewChoices(PlayerIni& file, const ViewChoices& choices) { StoreKeys(file, choices); }

}  // namespace zandor
