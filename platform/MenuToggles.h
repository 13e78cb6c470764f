// Menu entries that switch something on or off, as a screen reader hears them: a check box (or
// a radio button within a group of choices) that says "checked" or "not checked", where the
// toolkit's own menu item says only "checked" and nothing while it is off. Captions, keys and
// behaviour stay the menu's own.
#pragma once

namespace zandor {

// From now on, every checkable menu entry of the program is told as a check box or radio button.
void ExposeMenuToggles();

}  // namespace zandor
