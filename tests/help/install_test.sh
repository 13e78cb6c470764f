#!/bin/sh
# Installs the built game into a scratch prefix and checks the tree a player's system gets:
# the program in bin/, every media file and the manual in share/zandor-slots/, the desktop
# entry, its AppStream data, the icons, the manual page and the copyright notice; then starts
# the installed program from elsewhere, checks it found its media, and closes it.
# Usage: install_test.sh <cmake> <build dir>. Exit 77: skipped (nothing to install yet).
CMAKE="$1"
BUILD="$2"
if [ ! -x "$BUILD/zandor-slots" ]; then
  echo "SKIP: the program $BUILD/zandor-slots is not built"
  exit 77
fi
if ! grep -q "ZandorSlots.desktop" "$BUILD/cmake_install.cmake"; then
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
BIN="$P/bin/zandor-slots"
DATA="$P/share/zandor-slots"
ID=org.zandorslots.ZandorSlots

# The program itself: a real file (not a link into the build folder), the same bytes.
[ -f "$BIN" ] && [ ! -L "$BIN" ] || fail "no program file in bin/"
[ -x "$BIN" ] || fail "the installed program is not executable"
cmp -s "$BUILD/zandor-slots" "$BIN" || fail "the installed program differs from the build"
[ "$(ls "$P/bin")" = "zandor-slots" ] || fail "unexpected files in bin/: $(ls "$P/bin")"

# Every file the game reads, with the bytes the build made.
for f in ZANDOR96.bmp ZANDOR144.bmp ZANDOR192.bmp Zandor96.bmp Alpha.bmp _BACK1.BMP \
         ZANDOR0.WAV ZANDOR1.WAV ZANDOR2.WAV ZANDOR3.WAV ZANDOR4.WAV ZANDOR5.WAV ZANDOR6.WAV \
         ZANDOR7.WAV ZANDOR8.WAV POWER4.WAV POWER5.WAV POWER6.WAV POWER7.WAV POWER8.WAV \
         ZANDOR0.MID ZANDOR1.MID ZANDOR2.MID ZANDOR3.MID ZANDOR4.MID ZANDOR5.MID ZANDOR6.MID \
         ZANDOR7.MID; do
  if [ ! -f "$DATA/$f" ] || [ -L "$DATA/$f" ]; then
    fail "media file $f not installed as a file"
  elif ! cmp -s "$BUILD/$f" "$DATA/$f"; then
    fail "media file $f differs from the build"
  fi
done
# The English manual in help/, each translated one (manual/<language>/) in help/<language>/.
for f in "$(dirname "$0")"/../../help/manual/* "$(dirname "$0")"/../../help/manual/*/*; do
  [ -f "$f" ] || continue
  n=$(basename "$f" .in)
  d=$(basename "$(dirname "$f")")
  [ "$d" = manual ] && d= || d="$d/"
  cmp -s "$BUILD/help/$d$n" "$DATA/help/$d$n" || fail "manual page help/$d$n missing or different"
done
for d in "$(dirname "$0")"/../../help/manual/*/; do
  [ -d "$d" ] || continue
  l=$(basename "$d")
  cmp -s "$BUILD/help/$l/style.css" "$DATA/help/$l/style.css" || fail "help/$l/style.css missing"
done

# Nothing but the media, the manual and the catalogues: no build machinery, objects or tests.
for e in "$DATA"/* "$DATA"/.[!.]*; do
  [ -e "$e" ] || continue
  n=$(basename "$e")
  case "$n" in
    help | translations | *.bmp | *.BMP | *.WAV | *.MID) ;;
    *) fail "unexpected entry share/zandor-slots/$n" ;;
  esac
done
find "$DATA/help" -mindepth 1 ! -type d ! -name '*.html' ! -name '*.css' | grep -q . && fail "stray files in help/"
for l in en de fr es it pl; do
  cmp -s "$BUILD/translations/zandor-slots_$l.qm" "$DATA/translations/zandor-slots_$l.qm" ||
    fail "catalogue translations/zandor-slots_$l.qm missing or different"
done
find "$DATA/translations" -mindepth 1 ! -name 'zandor-slots_*.qm' | grep -q . && fail "stray files in translations/"

# The desktop entry and its AppStream data, valid by the desktop's own checkers.
D="$P/share/applications/$ID.desktop"
if [ ! -f "$D" ]; then
  fail "no desktop entry"
else
  for kv in "Type=Application" "Name=Zandor Slots" "Exec=zandor-slots" "Icon=zandor-slots" \
            "Terminal=false" "Categories=Game;CardGame;"; do
    grep -qxF "$kv" "$D" || fail "desktop entry lacks $kv"
  done
  if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$D" || fail "desktop-file-validate rejects the entry"
  fi
fi
M="$P/share/metainfo/$ID.metainfo.xml"
if [ ! -f "$M" ]; then
  fail "no AppStream metainfo"
else
  grep -qF "<launchable type=\"desktop-id\">$ID.desktop</launchable>" "$M" ||
    fail "the metainfo does not name the desktop entry"
  grep -q "<screenshot " "$M" || fail "the metainfo shows no screenshot"
  if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net "$M" >"$TMP/appstream.log" 2>&1 ||
      { cat "$TMP/appstream.log"; fail "appstreamcli rejects the metainfo"; }
  fi
fi

# The icons: PNG pictures of their sizes, the 256 one the window shows, and the drawing.
for size in 48 128 256; do
  I="$P/share/icons/hicolor/${size}x${size}/apps/zandor-slots.png"
  hex=$(printf '%08x%08x' "$size" "$size")
  if [ ! -f "$I" ]; then
    fail "no $size px icon"
  else
    [ "$(od -An -tx1 -N8 "$I" | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "the $size px icon is not a PNG"
    [ "$(od -An -tx1 -j16 -N8 "$I" | tr -d ' \n')" = "$hex" ] || fail "the $size px icon has another size"
  fi
done
cmp -s "$BUILD/zandor-slots.png" "$P/share/icons/hicolor/256x256/apps/zandor-slots.png" ||
  fail "the 256 px icon differs from the build"
grep -q "<svg" "$P/share/icons/hicolor/scalable/apps/zandor-slots.svg" 2>/dev/null || fail "no SVG icon"

# The manual page, the copyright notice and the changelog, compressed as Debian wants.
gzip -t "$P/share/man/man6/zandor-slots.6.gz" 2>/dev/null || fail "no compressed manual page"
gzip -dc "$P/share/man/man6/zandor-slots.6.gz" 2>/dev/null | grep -q '^\.TH ZANDOR-SLOTS 6' ||
  fail "the manual page is not in section 6"
for l in de fr es it pl; do
  gzip -dc "$P/share/man/$l/man6/zandor-slots.6.gz" 2>/dev/null | grep -q '^\.TH ZANDOR-SLOTS 6' ||
    fail "no compressed manual page in $l"
done
[ -f "$P/share/doc/zandor-slots/copyright" ] || fail "no copyright file"
gzip -t "$P/share/doc/zandor-slots/changelog.gz" 2>/dev/null || fail "no compressed changelog"

# A staged install (packagers' DESTDIR) lays out the same tree under the stage.
if DESTDIR="$TMP/stage" "$CMAKE" --install "$BUILD" --prefix /usr >"$TMP/stage.log" 2>&1; then
  [ -x "$TMP/stage/usr/bin/zandor-slots" ] || fail "staged program missing"
  [ -f "$TMP/stage/usr/share/zandor-slots/ZANDOR96.bmp" ] || fail "staged media missing"
else
  cat "$TMP/stage.log"
  fail "staged install failed"
fi

# The installed program runs from another folder, with the media of its prefix, until asked
# to close; closing saves its settings in the settings folder.
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
  grep -qxF "BackBMP=$DATA/_BACK1.BMP" "$HOME_DIR/.config/zandor-slots/ZANDOR.INI" 2>/dev/null ||
    fail "the installed program did not find its media in share/zandor-slots"
fi

if [ "$FAILS" -ne 0 ]; then
  echo "$FAILS check(s) failed"
  exit 1
fi
echo "install tree checked: $(find "$P" -type f | wc -l) files"
