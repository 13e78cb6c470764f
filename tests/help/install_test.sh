#!/bin/sh
# Installs the built game into a scratch prefix and checks the tree a player's system gets:
# the program and every media file side by side, the manual, the bin link, the desktop entry
# and the icon; then starts the installed program from elsewhere and closes it.
# Usage: install_test.sh <cmake> <build dir>. Exit 77: skipped (nothing to install yet).
CMAKE="$1"
BUILD="$2"
if [ ! -x "$BUILD/zandor-slots" ]; then
  echo "SKIP: the program $BUILD/zandor-slots is not built"
  exit 77
fi
if ! grep -q "zandor-slots.desktop" "$BUILD/cmake_install.cmake"; then
  echo "SKIP: the top-level CMakeLists does not include cmake/Install.cmake"
  exit 77
fi

TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
FAILS=0
fail() { echo "FAIL: $*"; FAILS=$((FAILS + 1)); }

P="$TMP/prefix"
if ! "$CMAKE" --install "$BUILD" --prefix "$P" >"$TMP/install.log" 2>&1; then
  cat "$TMP/install.log"
  echo "FAIL: cmake --install failed"
  exit 1
fi
LIB="$P/lib/zandor-slots"

# The program itself: a real file (not a link into the build folder), the same bytes.
[ -f "$LIB/zandor-slots" ] && [ ! -L "$LIB/zandor-slots" ] || fail "no program file in lib/zandor-slots"
[ -x "$LIB/zandor-slots" ] || fail "the installed program is not executable"
cmp -s "$BUILD/zandor-slots" "$LIB/zandor-slots" || fail "the installed program differs from the build"

# Every file the game reads, with the bytes the build made.
for f in ZANDOR96.bmp ZANDOR144.bmp ZANDOR192.bmp Zandor96.bmp Alpha.bmp _BACK1.BMP \
         ZANDOR0.WAV ZANDOR1.WAV ZANDOR2.WAV ZANDOR3.WAV ZANDOR4.WAV ZANDOR5.WAV ZANDOR6.WAV \
         ZANDOR7.WAV ZANDOR8.WAV POWER4.WAV POWER5.WAV POWER6.WAV POWER7.WAV POWER8.WAV \
         ZANDOR0.MID ZANDOR1.MID ZANDOR2.MID ZANDOR3.MID ZANDOR4.MID ZANDOR5.MID ZANDOR6.MID \
         ZANDOR7.MID; do
  if [ ! -f "$LIB/$f" ] || [ -L "$LIB/$f" ]; then
    fail "media file $f not installed as a file"
  elif ! cmp -s "$BUILD/$f" "$LIB/$f"; then
    fail "media file $f differs from the build"
  fi
done
for f in "$(dirname "$0")"/../../help/manual/*; do
  n=$(basename "$f")
  cmp -s "$f" "$LIB/help/$n" || fail "manual page help/$n missing or different"
done

# Nothing but the program, media and the manual: no build machinery, objects or tests.
for e in "$LIB"/* "$LIB"/.[!.]*; do
  [ -e "$e" ] || continue
  n=$(basename "$e")
  case "$n" in
    zandor-slots | help | *.bmp | *.BMP | *.WAV | *.MID) ;;
    *) fail "unexpected entry lib/zandor-slots/$n" ;;
  esac
done
find "$LIB/help" -mindepth 1 ! -name '*.html' ! -name '*.css' | grep -q . && fail "stray files in help/"

# The command: a relative link that resolves to the installed program.
BIN="$P/bin/zandor-slots"
[ -L "$BIN" ] || fail "bin/zandor-slots is not a link"
[ "$(readlink "$BIN")" = "../lib/zandor-slots/zandor-slots" ] || fail "bin link is $(readlink "$BIN")"
[ "$(readlink -f "$BIN")" = "$(readlink -f "$LIB/zandor-slots")" ] || fail "bin link does not resolve"
[ -x "$BIN" ] || fail "bin/zandor-slots is not executable"

# The desktop entry.
D="$P/share/applications/zandor-slots.desktop"
if [ ! -f "$D" ]; then
  fail "no desktop entry"
else
  [ "$(head -n 1 "$D")" = "[Desktop Entry]" ] || fail "desktop entry lacks its group header"
  for kv in "Type=Application" "Name=Zandor Slots" "Exec=zandor-slots" "Icon=zandor-slots" \
            "Terminal=false" "Categories=Game;CardGame;"; do
    grep -qxF "$kv" "$D" || fail "desktop entry lacks $kv"
  done
  if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$D" || fail "desktop-file-validate rejects the entry"
  fi
fi

# The icon: a 256 x 256 PNG, the one the build drew.
I="$P/share/icons/hicolor/256x256/apps/zandor-slots.png"
if [ ! -f "$I" ]; then
  fail "no icon"
else
  cmp -s "$BUILD/zandor-slots.png" "$I" || fail "the icon differs from the build"
  [ "$(od -An -tx1 -N8 "$I" | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "the icon is not a PNG"
  [ "$(od -An -tx1 -j16 -N8 "$I" | tr -d ' \n')" = "0000010000000100" ] || fail "the icon is not 256 x 256"
fi

# A staged install (packagers' DESTDIR) lays out the same tree under the stage.
if DESTDIR="$TMP/stage" "$CMAKE" --install "$BUILD" --prefix /usr >"$TMP/stage.log" 2>&1; then
  [ "$(readlink "$TMP/stage/usr/bin/zandor-slots")" = "../lib/zandor-slots/zandor-slots" ] ||
    fail "staged bin link missing"
  [ -f "$TMP/stage/usr/lib/zandor-slots/ZANDOR96.bmp" ] || fail "staged media missing"
else
  cat "$TMP/stage.log"
  fail "staged install failed"
fi

# The installed program runs from another folder, with its own media, until asked to close;
# closing saves its settings in the settings folder.
HOME_DIR="$TMP/home"
mkdir -p "$HOME_DIR"
(
  cd / || exit 1
  HOME="$HOME_DIR" XDG_CONFIG_HOME="$HOME_DIR/.config" QT_QPA_PLATFORM=offscreen \
    SDL_AUDIODRIVER=dummy exec "$BIN"
) >"$TMP/run.log" 2>&1 &
PID=$!
sleep 3
if ! kill -0 "$PID" 2>/dev/null; then
  cat "$TMP/run.log"
  fail "the installed program ended by itself"
else
  kill -TERM "$PID"
  i=0
  while kill -0 "$PID" 2>/dev/null && [ $i -lt 30 ]; do
    sleep 0.5
    i=$((i + 1))
  done
  if kill -0 "$PID" 2>/dev/null; then
    kill -KILL "$PID"
    fail "the installed program did not close on SIGTERM"
  fi
  wait "$PID" 2>/dev/null
  grep -q "^\[Settings\]" "$HOME_DIR/.config/zandor-slots/ZANDOR.INI" 2>/dev/null ||
    fail "closing the installed program saved no settings"
fi

if [ "$FAILS" -ne 0 ]; then
  echo "$FAILS check(s) failed"
  exit 1
fi
echo "install tree checked: $(find "$P" -type f | wc -l) files"
