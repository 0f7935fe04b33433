#!/bin/sh
# The installed game, as a player meets it: install into a scratch DESTDIR with PREFIX=/usr,
# check the Debian games layout, the desktop entry, the AppStream metadata and the manual page,
# then run the installed program from an unrelated read-only folder with a home of its own, as
# a user who may not write there (nobody, when the suite runs as root): it plays, and its binding
# files land under that home's .config/talvenne/ and nowhere else. Also: a home it cannot use
# and a missing data file are each one line, and the manual page lists every flag --help does.
#
# Usage: cli_install.sh BUILD_DIR OUT_DIR
set -eu
build=$1 out=$2
id=invalid.talvenne.Talvenne
rm -rf "$out" && mkdir -p "$out"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# As root, the runs drop to nobody, who must reach the installed tree: it goes into a folder of
# its own under /tmp, whatever the folders above the build tree let others see.
scratch=$out
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
  scratch=$(mktemp -d /tmp/talvenne-install.XXXXXX)
  trap 'rm -rf "$scratch"' EXIT
  chmod 755 "$scratch"
fi
root=$scratch/root
DESTDIR=$root cmake --install "$build" --prefix /usr >"$out/install.log" ||
  { cat "$out/install.log"; exit 1; }
game=$root/usr/games/talvenne
data=$root/usr/share/games/talvenne

# ---- The layout ------------------------------------------------------------------------------
for f in usr/games/talvenne "usr/share/games/talvenne/Skill List - Momo.jpg" \
  usr/share/games/talvenne/BGM/MainTitle.ogg usr/share/games/talvenne/sounds/BonusLive.ogg \
  usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/man/man6/talvenne.6.gz \
  usr/share/doc/talvenne/copyright; do
  [ -f "$root/$f" ] || fail "$f is not installed"
done
for size in 16 22 24 32 48 64 128 256; do
  icon=$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png
  # Bytes 16 to 23 of a PNG are its width and height, big-endian.
  dims=$(od -An -tu4 --endian=big -j16 -N8 "$icon" 2>/dev/null | tr -s ' ' | sed 's/^ //')
  [ "$dims" = "$size $size" ] || fail "icon ${size}x$size: the PNG is '$dims'"
done
[ -x "$game" ] || fail "the program is not executable"
fonts=0
for font in "$data"/Fonts/*; do
  fonts=$((fonts + 1))
  target=$(readlink "$font") || { fail "$font is a copy, not a link to a font package's file"; continue; }
  [ -f "$target" ] || fail "$font links to $target, which is missing"
  dpkg-query -S "$target" >/dev/null 2>&1 || fail "$font links to $target, which no package owns"
done
[ "$fonts" -eq 3 ] || fail "the data folder holds $fonts fonts, not 3"

# ---- Metadata and the manual page -------------------------------------------------------------
desktop-file-validate "$root/usr/share/applications/$id.desktop" >"$out/desktop.log" 2>&1 ||
  fail "desktop-file-validate: $(cat "$out/desktop.log")"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >"$out/appstream.log" 2>&1 ||
  fail "appstreamcli validate: $(cat "$out/appstream.log")"
# As lintian renders a page: any warning of groff or man is a fault.
LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
  "$root/usr/share/man/man6/talvenne.6.gz" >"$out/man.utf8" 2>"$out/man.log" ||
  fail "man cannot render the page: $(cat "$out/man.log")"
[ -s "$out/man.log" ] && fail "the manual page renders with warnings: $(cat "$out/man.log")"
LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$root/usr/share/man/man6/talvenne.6.gz" 2>/dev/null |
  sed 's/\x1b\[[0-9;]*m//g; s/.\x08//g' >"$out/man.txt"
"$game" --help >"$out/help.txt"
for flag in $(grep -o '^  --[a-z-]*' "$out/help.txt"); do
  grep -q -- "^ *$flag\\b" "$out/man.txt" || fail "the manual page lacks $flag"
done

# ---- Running it -------------------------------------------------------------------------------
# A user who may not write in the folder the game starts from; as root, permissions stop no
# one, so the runs drop to nobody.
as_player() { "$@"; }
if [ "$scratch" != "$out" ]; then
  as_player() { setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"; }
  chmod -R a+rX "$scratch"
fi
owned() { [ "$(id -u)" -eq 0 ] && chown nobody:nogroup "$1"; return 0; }

home=$scratch/home && mkdir "$home" && owned "$home"
where=$scratch/elsewhere && mkdir "$where" && chmod 555 "$where"
# run HOME ARGS...: the installed game from $where, with that home and no XDG folders set.
run() {
  h=$1 && shift
  (cd "$where" && as_player env -u XDG_CONFIG_HOME -u XDG_STATE_HOME HOME="$h" \
    SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy "$@") >"$out/stdout" 2>"$out/stderr" &&
    status=0 || status=$?
}

run "$home" "$game" --version
[ "$status" -eq 0 ] && [ "$(cat "$out/stdout")" = "Talvenne 0.38a" ] ||
  fail "--version: status $status, printed '$(cat "$out/stdout")'"

run "$home" "$game" --headless --frames 120 --no-draw
[ "$status" -eq 0 ] || fail "the installed game: status $status: $(cat "$out/stderr")"
config=$home/.config/talvenne
[ "$(wc -c <"$config/ConfigKey.set" 2>/dev/null)" = 56 ] || fail "no 56-byte $config/ConfigKey.set"
[ "$(wc -c <"$config/ConfigPad.set" 2>/dev/null)" = 20 ] || fail "no 20-byte $config/ConfigPad.set"
[ "$(stat -c %a "$config" 2>/dev/null)" = 700 ] || fail "$config is not private (mode 700)"
[ -z "$(ls -A "$where")" ] || fail "the game wrote into the folder it started from: $(ls -A "$where")"

# A whole game by the bot, from the installed data alone.
run "$home" "$game" --headless --mode 4 --seed 11 --difficulty easy --autoplay --no-draw
grep -q '^autoplay: finished after' "$out/stdout" ||
  fail "the installed game did not play a game through: $status, $(cat "$out/stdout" "$out/stderr")"

# Homes it cannot use: one line, and it plays on the built-in bindings.
readonly_home=$scratch/readonly-home && mkdir "$readonly_home" && owned "$readonly_home"
chmod 555 "$readonly_home"
for h in "$readonly_home" "$scratch/no-such-home"; do
  run "$h" "$game" --headless --frames 30 --no-draw
  lines=$(wc -l <"$out/stderr")
  [ "$status" -eq 0 ] && [ "$lines" -eq 1 ] && grep -q 'playing with the built-in bindings' "$out/stderr" ||
    fail "home $h: status $status, $lines lines: $(cat "$out/stderr")"
done
[ -z "$(ls -A "$readonly_home")" ] || fail "the game wrote into the read-only home"
[ -e "$scratch/no-such-home" ] && fail "the game made the missing home"

# A missing data file stops start-up with one line naming the places it looked.
mv "$data/Skill List - Momo.jpg" "$out/skill.jpg"
run "$home" "$game" --headless --frames 1 --no-draw
mv "$out/skill.jpg" "$data/Skill List - Momo.jpg"
lines=$(wc -l <"$out/stderr")
grep -q "cannot load image Skill List - Momo.jpg (looked in $root/usr/games, then in $data)" \
  "$out/stderr" && [ "$status" -eq 1 ] && [ "$lines" -eq 1 ] ||
  fail "a missing picture: status $status: $(cat "$out/stderr")"

[ "$failures" -eq 0 ] || exit 1
echo "installed game: all checks passed"
