#!/bin/sh
# Re-records both golden runs of the test suite with the game built in BUILD_DIR (default
# build/), each in a fresh folder of its own, so that no binding file lying in the build tree
# gets into them:
# - stage1: tests/golden/stage1.txt played through the start of a game (890 frames): the
#   recording stage1.rec and its whole trace stage1.jsonl;
# - game: the bot's whole game on Normal with seed 5, through both stages, the Dark Knight and
#   the map: the recording game.rec, the SHA-256 of its trace and its length in frames
#   (game.digest), and every 100th line of the trace (game.sparse.jsonl), from which the test
#   names the first frame that differs;
# - splash_mode3.samples: the size and colours at two grids of points (see picture_check) of the
#   picture of frame 59 (the splash) of a headless run in mode 3: a few lines of text that check
#   the screenshot's pixels without a copy of the picture in the tree.
# It says what changed against the files it replaces. Run it after a deliberate change of the
# game's rules, look at `git diff tests/golden`, and commit the files.
#
# Usage: tools/rerecord-golden.sh
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-build}
case $build in /*) ;; *) build=$root/$build ;; esac
golden=$root/tests/golden
frames=890  # the test replays as many frames as the trace has lines
seed=5

cmake --build "$build" --target talvenne talvenne_stage_assets talvenne_picture_check >/dev/null
work=$(mktemp -d "${TMPDIR:-/tmp}/talvenne-golden-XXXXXX")
trap 'rm -rf "$work"' EXIT
fresh() { sh "$root/tests/in_fresh_folder.sh" "$build" "$build/talvenne" --headless --mode 4 "$@"; }

fresh --seed 3 --no-draw --frames "$frames" --input "$golden/stage1.txt" \
  --record "$work/stage1.rec" --trace "$work/stage1.jsonl" 2>"$work/stage1.err" ||
  { cat "$work/stage1.err"; echo "the stage1 run failed"; exit 1; }
fresh --seed "$seed" --difficulty normal --autoplay --no-draw --record "$work/game.rec" \
  --trace "$work/game.jsonl" >"$work/game.out" 2>"$work/game.err" ||
  { cat "$work/game.out" "$work/game.err"; echo "the bot's game failed"; exit 1; }
grep -q "autoplay: finished" "$work/game.out" ||
  { cat "$work/game.out"; echo "the bot did not finish the game: no golden game"; exit 1; }
sh "$root/tests/in_fresh_folder.sh" "$build" "$build/talvenne" --headless --mode 3 --frames 60 \
  --seed 7 --screenshot "59:$work/splash_mode3.png" 2>"$work/splash.err" ||
  { cat "$work/splash.err"; echo "the splash run failed"; exit 1; }
"$build/tests/talvenne_picture_check" samples "$work/splash_mode3.png" >"$work/splash_mode3.samples"
game_frames=$(wc -l <"$work/game.jsonl")
echo "$(sha256sum <"$work/game.jsonl" | cut -d' ' -f1) $game_frames" >"$work/game.digest"
grep -E '^\{"frame":([0-9]*00|0),' "$work/game.jsonl" >"$work/game.sparse.jsonl"

# The frame of the first line where the traces OLD and NEW part, "the end of OLD" when NEW only
# goes on longer, or nothing when they are the same.
first_difference() {
  [ -e "$1" ] || { echo "frame 0 (there was none)"; return; }
  awk 'NR == FNR { old[FNR] = $0; n = FNR; next }
       !(FNR in old) || old[FNR] != $0 {
         match($0, /"frame":[0-9]+/); print "frame " substr($0, RSTART + 8, RLENGTH - 8); done = 1; exit
       }
       END { if (!done && FNR != n) print "the end of the old trace (frame " (FNR < n ? FNR : n) ")" }' \
    "$1" "$2"
}
score() { tail -n 1 "$1" | grep -o '"score":[0-9]*' | cut -d: -f2; }

changed=$(first_difference "$golden/stage1.jsonl" "$work/stage1.jsonl")
if [ -z "$changed" ]; then
  echo "stage1: the trace is unchanged ($frames frames)"
else
  echo "stage1: the trace changes at $changed"
fi
old_digest=$(cat "$golden/game.digest" 2>/dev/null || echo "none 0")
if [ ! -e "$golden/game.digest" ]; then
  echo "game: recorded for the first time ($game_frames frames, final score $(score "$work/game.jsonl"))"
elif [ "$old_digest" = "$(cat "$work/game.digest")" ]; then
  echo "game: the trace is unchanged ($game_frames frames)"
else
  changed=$(first_difference "$golden/game.sparse.jsonl" "$work/game.sparse.jsonl")
  echo "game: the trace changes; first sampled difference at ${changed:-no sampled frame (between samples)}"
  echo "game: ${old_digest#* } frames before, $game_frames now;" \
    "final score $(score "$golden/game.sparse.jsonl" 2>/dev/null || echo none) before," \
    "$(score "$work/game.jsonl") now"
fi
for file in stage1.rec stage1.jsonl game.rec game.digest game.sparse.jsonl splash_mode3.samples; do
  if ! cmp -s "$work/$file" "$golden/$file"; then echo "rewritten: tests/golden/$file"; fi
  cp "$work/$file" "$golden/$file"
done
