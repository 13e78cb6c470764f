# Opens a menu (or presses an entry, such as Borrow) of the game's menu bar through AT-SPI, as a screen reader's own command would:
# the step of orca-listen for a menu that Alt with its letter cannot reach under Orca there.
# The keys that follow (Down, Return) are the player's own.
#
#   scripts/orca-listen -p "scripts/open-menu.py Auto" -k Down -k Return -w 30 -- build/zandor-slots
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

# A menu-bar entry that opens a modal dialog answers only once the dialog is closed.
Atspi.set_timeout(2000, 2000)

wanted = sys.argv[1]


def find(obj, role, depth=0):
    # Menus are not entered: only the window's own parts lead to the menu bar.
    if obj is None or depth > 4 or obj.getRoleName() in ("menu", "menu item", "popup menu"):
        return None
    if obj.getRoleName() == role:
        return obj
    for child in obj:
        hit = find(child, role, depth + 1)
        if hit is not None:
            return hit
    return None


for _ in range(50):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and "zandor" in (app.name or "").lower():
            bar = find(app, "menu bar")
            menu = next((m for m in bar if m is not None and m.name == wanted), None) if bar else None
            if menu is not None:
                action = menu.queryAction()
                names = [action.getName(i) for i in range(action.nActions)]
                try:
                    action.doAction(names.index("ShowMenu") if "ShowMenu" in names else 0)
                except GLib.GError:
                    pass
                time.sleep(2)
                sys.exit(0)
    time.sleep(0.2)
sys.exit("open-menu: no menu %r" % wanted)
