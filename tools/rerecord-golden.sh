#!/bin/sh
# Re-records the golden replay of the test suite: plays tests/golden/stage1.txt through the game
# built in BUILD_DIR (default build/), and writes the recording stage1.rec and its trace
# stage1.jsonl beside the script. Run it after a deliberate change of the game's rules, look at
# what changed in the trace (git diff), and commit both files.
#
# Usage: tools/rerecord-golden.sh
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-build}
case $build in /*) ;; *) build=$root/$build ;; esac
golden=$root/tests/golden
frames=890  # the test replays as many frames as the trace has lines

cmake --build "$build" --target talvenne talvenne_stage_assets >/dev/null
cd "$build"
./talvenne --headless --mode 4 --seed 3 --no-draw --frames "$frames" \
  --input "$golden/stage1.txt" --record "$golden/stage1.rec" --trace "$golden/stage1.jsonl"
echo "re-recorded $golden/stage1.rec and stage1.jsonl ($frames frames)"
