#!/usr/bin/env bash
# Soak run: the bot plays N whole games across seeds and the three difficulties, most without
# drawing and some drawn, and each game gets one line: its number, seed, difficulty, frames,
# outcome and peak resident memory. A crash, a sanitizer report, a game that stops making
# progress (the bot gives up after 20,000 frames without a new segment or step), a run that
# hangs inside a frame (killed after a time limit) or any other non-zero exit is a failure,
# named by its seed; its output is kept. A summary ends the run; the exit status is 1 when
# any game failed.
#
#   tools/soak.sh [-n GAMES] [-s FIRST_SEED] [-b BUILD_DIR] [-d DRAW_EVERY] [-j JOBS] [-o DIR]
#
#   -n  games to play (default 100)
#   -s  seed of the first game; game i plays seed FIRST_SEED + i (default 1000)
#   -b  the build whose talvenne plays (default build; a sanitizer build works too)
#   -d  every DRAW_EVERY-th game is drawn, headless at 1366x768 (default 20; 0 draws none)
#   -j  games played at once (default: the number of cores)
#   -o  where the games' output is kept (default BUILD_DIR/soak)
#
# Difficulty cycles easy, normal, hard with the game number. Build first (make build).
set -eu

usage() { sed -n '2,19p' "$0" | sed 's/^# \{0,1\}//'; }

games=100
first=1000
build=build
draw_every=20
jobs=$(nproc)
out=""
while getopts "n:s:b:d:j:o:h" opt; do
  case $opt in
    n) games=$OPTARG ;;
    s) first=$OPTARG ;;
    b) build=$OPTARG ;;
    d) draw_every=$OPTARG ;;
    j) jobs=$OPTARG ;;
    o) out=$OPTARG ;;
    h) usage; exit 0 ;;
    *) usage >&2; exit 2 ;;
  esac
done
root=$(cd "$(dirname "$0")/.." && pwd)
exe="$root/$build/talvenne"
[ -x "$exe" ] || { echo "soak: no game at $exe (make build first)" >&2; exit 2; }
[ -n "$out" ] || out="$root/$build/soak"
"$root/tools/install-deps.sh" time
mkdir -p "$out"
rm -f "$out"/game-*.line

# Time limits: a game without drawing takes a few seconds, a drawn one some minutes.
undrawn_limit=600
drawn_limit=7200

# Plays game $1 and writes its line to $out/game-$1.line.
play() {
  i=$1
  seed=$((first + i))
  case $((i % 3)) in 0) level=easy ;; 1) level=normal ;; *) level=hard ;; esac
  drawn=no
  if [ "$draw_every" -gt 0 ] && [ $(((i + 1) % draw_every)) -eq 0 ]; then drawn=yes; fi
  log="$out/seed-$seed-$level.log"
  if [ $drawn = yes ]; then
    set -- --headless --mode 4; limit=$drawn_limit
  else
    set -- --headless --mode 4 --no-draw; limit=$undrawn_limit
  fi
  status=0
  cd "$root/$build"
  SDL_AUDIODRIVER=dummy ASAN_OPTIONS="${ASAN_OPTIONS:-}:exitcode=86" \
    UBSAN_OPTIONS="${UBSAN_OPTIONS:-}:halt_on_error=1:exitcode=87" \
    /usr/bin/time -f "peak-kb %M" -o "$log.time" \
    timeout -k 10 "$limit" "$exe" "$@" --seed "$seed" --difficulty "$level" --autoplay \
    >"$log" 2>&1 || status=$?
  summary=$(grep '^autoplay: ' "$log" | tail -n 1 || true)
  frames=$(printf '%s\n' "$summary" | sed -n 's/.* after \([0-9]*\) frames.*/\1/p')
  peak=$(sed -n 's/^peak-kb \([0-9]*\)$/\1/p' "$log.time")
  peak_mb=$(( ${peak:-0} / 1024 ))
  outcome=""
  if grep -q -e 'ERROR: AddressSanitizer' -e 'ERROR: LeakSanitizer' -e 'runtime error:' "$log"; then
    outcome="FAILURE: sanitizer report"
  elif [ $status -eq 124 ] || [ $status -eq 137 ]; then
    outcome="FAILURE: hang (killed after ${limit} s)"
  elif [ $status -ne 0 ]; then
    reason=$(printf '%s\n' "$summary" | sed -n 's/^autoplay: \(no progress.*\) after.*/\1/p')
    outcome="FAILURE: exit $status${reason:+, $reason}"
  else
    case $summary in
      "autoplay: finished"*) outcome="finished" ;;
      "autoplay: game over"*) outcome="game over${summary#*frames}" ;;
      *) outcome="FAILURE: no outcome reported" ;;
    esac
  fi
  case $outcome in FAILURE*) outcome="$outcome (seed $seed, output in $log)" ;; *) rm -f "$log" ;; esac
  rm -f "$log.time"
  printf 'game %3d  seed %5d  %-6s  %-6s  frames %6s  peak %4d MB  %s\n' \
    "$i" "$seed" "$level" "$([ $drawn = yes ] && echo drawn || echo plain)" "${frames:--}" \
    "$peak_mb" "$outcome" >"$out/game-$i.line"
}

# Up to $jobs games at a time; lines are printed in game order as they complete.
i=0
next=0
running=0
while [ $next -lt "$games" ]; do
  while [ $i -lt "$games" ] && [ $running -lt "$jobs" ]; do
    play $i &
    i=$((i + 1))
    running=$((running + 1))
  done
  wait -n || true
  running=$((running - 1))
  while [ $next -lt "$games" ] && [ -f "$out/game-$next.line" ]; do
    cat "$out/game-$next.line"
    next=$((next + 1))
  done
done
wait

echo
for level in easy normal hard all; do
  if [ $level = all ]; then pattern=""; else pattern="  $level "; fi
  lines=$(cat "$out"/game-*.line | grep -F -e "$pattern" || true)
  total=$(printf '%s\n' "$lines" | grep -c '^game' || true)
  finished=$(printf '%s\n' "$lines" | grep -c ' finished$' || true)
  over=$(printf '%s\n' "$lines" | grep -c ' game over' || true)
  failed=$(printf '%s\n' "$lines" | grep -c 'FAILURE' || true)
  printf '%-6s %3d games: %3d finished, %3d game over, %3d failures\n' \
    "$level" "$total" "$finished" "$over" "$failed"
done
peak=$(cat "$out"/game-*.line | sed -n 's/.*peak *\([0-9]*\) MB.*/\1/p' | sort -n | tail -n 1)
echo "highest peak resident memory: ${peak:-0} MB"
if grep -q FAILURE "$out"/game-*.line; then
  echo "failed seeds:"
  grep -h FAILURE "$out"/game-*.line | sed 's/.*\(seed [0-9]*, output in .*\))$/  \1/'
  exit 1
fi
