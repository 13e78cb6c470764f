#!/usr/bin/env bash
# The real program in a real X window: Bet Max spins, the payoff chart opens and closes, the
# menus change speed and coin value, File / Exit closes the game and saves it all, a second
# start comes back with the same game, a copy started beside it ends at once, and a fresh
# settings folder takes a saved game.
# Usage: smoke_test.sh PROGRAM [MEDIA FOLDER]: the program's path or its name on the PATH, and
# the folder where it must have found its media (checked through the saved tile's path).
set -u
prog=$(command -v "$1" || echo "$1")
media=${2:-}
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "Xvfb or xdotool missing"; exit 77; }
[ -x "$prog" ] || { echo "no program at $prog"; exit 77; }
work=$(mktemp -d)
trap 'kill $ppid $xpid 2>/dev/null; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config HOME=$work
mkdir -p "$XDG_CONFIG_HOME/zandor-slots"
printf '[Settings]\nAceyDucey=0\nMusicOn=0\n' > "$XDG_CONFIG_HOME/zandor-slots/ZANDOR.INI"

fifo=$work/fifo; mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
xpid=$!
read -r -t 10 num <"$fifo" || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$num QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
unset QT_QPA_PLATFORM_PLUGIN_PATH

"$prog" &
ppid=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zandor Slots$' | head -1)
[ -n "$win" ] || { echo "FAIL: the main window did not appear"; exit 1; }
sleep 1
eval "$(xdotool getwindowgeometry --shell "$win")"
menu=$((HEIGHT - 394))
echo "window ${WIDTH}x${HEIGHT} at $X,$Y, menu bar $menu"
[ "$WIDTH" -eq 632 ] || { echo "FAIL: client width $WIDTH, not 632"; exit 1; }

# Bet Max: the third button of the panel, 57 pixels high along the bottom.
xdotool mousemove --window "$win" $((326 + 66)) $((menu + 337 + 28)) click 1
sleep 7

# The payoff chart opens and closes again.
xdotool windowfocus --sync "$win" 2>/dev/null; xdotool key alt+p
chart=$(timeout 10 xdotool search --sync --onlyvisible --name '^Zandor Slots Payoffs$' | head -1)
[ -n "$chart" ] || { echo "FAIL: the payoff chart did not open"; exit 1; }
sleep 0.5
xdotool windowfocus --sync "$chart" 2>/dev/null; xdotool key Return
sleep 1
if xdotool search --onlyvisible --name '^Zandor Slots Payoffs$' >/dev/null 2>&1; then
  echo "FAIL: the payoff chart did not close"; exit 1
fi

# Slow speed and the $1 coin through the menus, by keyboard.
menu_pick() {  # the Options submenu with this accelerator, then this many steps down
  xdotool windowfocus --sync "$win" 2>/dev/null; xdotool key alt+o; sleep 0.4
  xdotool key "$1"; sleep 0.4
  for _ in $(seq 1 "$2"); do xdotool key Down; sleep 0.1; done
  xdotool key Return; sleep 0.5
}
menu_pick d 2
menu_pick b 1

exit_by_menu() {
  xdotool windowfocus --sync "$win" 2>/dev/null; xdotool key alt+f
  sleep 0.5
  xdotool key x
  for _ in $(seq 1 50); do kill -0 $ppid 2>/dev/null || break; sleep 0.2; done
  kill -0 $ppid 2>/dev/null && { echo "FAIL: the program did not exit"; exit 1; }
}
exit_by_menu

ini=$XDG_CONFIG_HOME/zandor-slots/ZANDOR.INI
grep -q '^Spins=1$' "$ini" || { echo "FAIL: no spin saved"; cat "$ini"; exit 1; }
grep -q '^BonusPool=' "$ini" && grep -q '^AceyDucey=0$' "$ini" || { echo "FAIL: settings incomplete"; exit 1; }
grep -q '^Speed=2$' "$ini" && grep -q '^Bet=1$' "$ini" || { echo "FAIL: speed or coin value not kept"; exit 1; }
if [ -n "$media" ]; then
  grep -qxF "BackBMP=${media%/}/_BACK1.BMP" "$ini" || { echo "FAIL: media not found in $media"; grep '^BackBMP=' "$ini"; exit 1; }
fi

# A second start without play comes back with the same game and writes the same file.
cp "$ini" "$work/first.ini"
"$prog" &
ppid=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zandor Slots$' | head -1)
[ -n "$win" ] || { echo "FAIL: the main window did not appear again"; exit 1; }
sleep 1
# A third start on the same settings hands over to the running copy and ends at once.
"$prog" &
second=$!
for _ in $(seq 1 50); do kill -0 $second 2>/dev/null || break; sleep 0.2; done
kill -0 $second 2>/dev/null && { kill $second; echo "FAIL: a second copy kept running"; exit 1; }
wait $second || { echo "FAIL: the second copy failed"; exit 1; }
[ "$(xdotool search --onlyvisible --name '^Zandor Slots$' | wc -l)" -eq 1 ] ||
  { echo "FAIL: more than one window"; exit 1; }
exit_by_menu
cmp -s "$ini" "$work/first.ini" || { echo "FAIL: the second run changed the settings"; diff "$work/first.ini" "$ini"; exit 1; }
# On a fresh settings folder, File / Save works at once; SIGTERM while a dialog is open closes
# the dialog and the game the normal way.
rm -rf "$XDG_CONFIG_HOME/zandor-slots"
"$prog" &
ppid=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zandor Slots$' | head -1)
sleep 1
xdotool windowfocus --sync "$win" 2>/dev/null; xdotool key alt+f; sleep 0.5; xdotool key s
slots=$(timeout 10 xdotool search --sync --onlyvisible --name '^Save a Game -- Select Game Slot$' | head -1)
[ -n "$slots" ] || { echo "FAIL: the slot dialog did not open"; exit 1; }
sleep 0.5
xdotool mousemove --window "$slots" 272 50 click 1
timeout 10 xdotool search --sync --onlyvisible --name '^Name for this saved game\?$' >/dev/null ||
  { echo "FAIL: no name box"; exit 1; }
sleep 0.5; xdotool key Return; sleep 1
grep -q '^\[Saved Game 1\]' "$XDG_CONFIG_HOME/zandor-slots/POWER.INI" 2>/dev/null ||
  { echo "FAIL: the first save on a fresh settings folder wrote nothing"; exit 1; }
xdotool windowfocus --sync "$win" 2>/dev/null; xdotool key alt+b
timeout 10 xdotool search --sync --onlyvisible --name '^Use this form to borrow or pay back credits$' >/dev/null ||
  { echo "FAIL: the bank did not open"; exit 1; }
kill -TERM $ppid
for _ in $(seq 1 50); do kill -0 $ppid 2>/dev/null || break; sleep 0.2; done
kill -0 $ppid 2>/dev/null && { echo "FAIL: SIGTERM did not close the game"; exit 1; }
[ "$(grep -c '=' "$ini" 2>/dev/null)" -eq 52 ] || { echo "FAIL: SIGTERM did not save the settings"; exit 1; }
echo "PASS: $(grep -E '^(Credits|Spins|BonusPool|Speed|Bet)=' "$ini" | tr '\n' ' ')"
