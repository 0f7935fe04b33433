#!/bin/sh
# What a hostile tester tries on the real program, each part on its own:
#   signals  every terminating signal the game can catch ends a recording run between frames
#            with a whole recording that replays, and exit status 128 + the signal's number; a
#            closed pipe on standard output is a failed write like any other;
#   chooser  the screen-mode chooser ends on SIGTERM and SIGHUP without a digit pressed;
#   trace    --trace follows the rules of every file the game writes;
#   ends     a screenshot of a frame the run never reaches is one line and a failed status;
#   memory   start-up under a memory limit ends with one line and status 1, never an abort.
#
# Usage: cli_hardening.sh GAME OUT_DIR PART [sanitized]   (run in the folder the game runs in)
set -eu
game=$1 out=$2/$3 part=$3 sanitized=${4:-}
rm -rf "$out" && mkdir -p "$out"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# wait_for PATTERN: until a file matching PATTERN in $out has bytes (at most 30 s).
wait_for() {
  waited=0
  while [ -z "$(find "$out" -name "$1" -size +0)" ] && [ $waited -lt 3000 ]; do
    sleep 0.01; waited=$((waited + 1))
  done
}

# A first start writes the binding files of this folder, so that no case below begins with the
# notice that they were missing.
"$game" --headless --no-draw --frames 1 >/dev/null 2>&1

# An Up, then Attack, on the title: Exit, confirmed on frame 106.
printf '100 key 38 down\n102 key 38 up\n106 key 88 down\n' >"$out/exit.txt"

case $part in
signals)
  for signal in HUP:1 INT:2 QUIT:3 USR1:10 USR2:12 PIPE:13 ALRM:14 TERM:15; do
    number=${signal#*:} signal=${signal%:*}
    rec="$out/$signal.rec"
    "$game" --headless --no-draw --frames 100000000 --record "$rec" --trace "$out/$signal.jsonl" \
      >"$out/log" 2>&1 &
    pid=$!
    # The trace reaches its temporary once its first 64 KB (a hundred frames or so) are written.
    wait_for ".$signal.jsonl.*"
    kill -$signal $pid
    wait $pid && status=0 || status=$?
    [ $status = $((128 + number)) ] ||
      fail "SIG$signal: status $status, expected $((128 + number)): $(cat "$out/log")"
    [ ! -s "$out/log" ] || fail "SIG$signal: said $(cat "$out/log")"
    frames=$(wc -l <"$out/$signal.jsonl")
    "$game" --headless --no-draw --frames "$frames" --replay "$rec" --trace "$out/replayed.jsonl" \
      >"$out/log" 2>&1 || fail "SIG$signal: the recording does not replay: $(cat "$out/log")"
    cmp -s "$out/$signal.jsonl" "$out/replayed.jsonl" ||
      fail "SIG$signal: the replay of $frames frames differs from the run"
    echo "SIG$signal: status $status, $frames frames recorded and replayed"
  done
  # Standard output closed early: the bot's closing line cannot be written, and says so; the
  # recording is complete all the same.
  { "$game" --headless --no-draw --autoplay --seed 11 --difficulty easy --record "$out/bot.rec" \
      2>"$out/log" && status=0 || status=$?; echo $status >"$out/status"; } | true
  [ "$(cat "$out/status")" = 1 ] || fail "closed pipe: status $(cat "$out/status")"
  grep -q "cannot write to standard output: Broken pipe" "$out/log" ||
    fail "closed pipe: expected a line on the failed write: $(cat "$out/log")"
  "$game" --headless --no-draw --frames 1 --replay "$out/bot.rec" >/dev/null 2>&1 ||
    fail "closed pipe: the recording does not replay"
  echo "closed pipe: status $(cat "$out/status"); $(head -n 1 "$out/log")"
  ;;
chooser)
  # The real back end on SDL's offscreen driver: no --mode, so the chooser waits for a digit.
  for signal in TERM:15 HUP:1; do
    number=${signal#*:} signal=${signal%:*}
    SDL_VIDEODRIVER=offscreen "$game" --frames 10 --record "$out/$signal.rec" >"$out/log" 2>&1 &
    pid=$!
    sleep 1.5
    kill -$signal $pid
    waited=0
    while kill -0 $pid 2>/dev/null && [ $waited -lt 500 ]; do sleep 0.01; waited=$((waited + 1)); done
    if kill -0 $pid 2>/dev/null; then
      kill -KILL $pid
      fail "SIG$signal: the chooser went on waiting"
    fi
    wait $pid && status=0 || status=$?
    [ $status = $((128 + number)) ] ||
      fail "SIG$signal: status $status, expected $((128 + number)): $(cat "$out/log")"
    [ ! -e "$out/$signal.rec" ] || fail "SIG$signal: a recording of no game was written"
    echo "SIG$signal in the chooser: status $status"
  done
  ;;
trace)
  echo "a recording" >"$out/r.rec"
  cp "$out/exit.txt" "$out/s.txt"
  echo old >"$out/read-only.jsonl"
  chmod 444 "$out/read-only.jsonl"
  echo old >"$out/kept.jsonl"
  echo "5 key 300 down" >"$out/bad.txt"
  mkfifo "$out/fifo"
  # arguments                                              | status | file left as it was
  rows="--replay $out/r.rec --trace $out/r.rec              |2|$out/r.rec
--input $out/s.txt --trace $out/s.txt                       |2|$out/s.txt
--frames 3 --trace $out/read-only.jsonl                     |2|$out/read-only.jsonl
--frames 3 --input $out/bad.txt --trace $out/kept.jsonl     |2|$out/kept.jsonl
--frames 3 --replay $out/r.rec --trace $out/kept.jsonl      |2|$out/kept.jsonl
--frames 3 --trace $out/fifo                                |2|$out/fifo"
  echo "$rows" >"$out/rows"
  while IFS='|' read -r args want file; do
    want=$(echo $want) file=$(echo $file)
    before=$(ls -l "$file" | cut -c1-10; [ ! -f "$file" ] || cksum <"$file")
    # shellcheck disable=SC2086
    "$game" --headless --no-draw $args >"$out/log" 2>&1 && status=0 || status=$?
    [ "$status" = "$want" ] || fail "$args: status $status, expected $want: $(cat "$out/log")"
    after=$(ls -l "$file" | cut -c1-10; [ ! -f "$file" ] || cksum <"$file")
    [ "$after" = "$before" ] || fail "$args: $file changed"
    echo "$args: status $status; $(head -n 1 "$out/log")"
  done <"$out/rows"
  leftovers=$(find "$out" -name '.*' | head -n 3)
  [ -z "$leftovers" ] || fail "temporaries left behind: $leftovers"
  ;;
ends)
  # Exit on the title ends the run on frame 106, long before frame 500.
  "$game" --headless --seed 1 --input "$out/exit.txt" --screenshot 50:"$out/early.png" \
    --screenshot 500:"$out/never.png" >"$out/log" 2>&1 && status=0 || status=$?
  [ "$status" = 1 ] || fail "a screenshot never reached: status $status"
  [ "$(wc -l <"$out/log")" = 1 ] || fail "expected one line, got: $(cat "$out/log")"
  grep -q "screenshot of frame 500 not written: the run ended after 107 frames" "$out/log" ||
    fail "expected a line naming the frame: $(cat "$out/log")"
  [ -s "$out/early.png" ] || fail "the screenshot of a frame the run reached is missing"
  [ ! -e "$out/never.png" ] || fail "a picture of a frame never reached"
  echo "a screenshot never reached: status $status; $(cat "$out/log")"
  ;;
memory)
  if [ -n "$sanitized" ]; then
    # Shadow memory takes terabytes of address space: no limit can be set under it.
    echo "skipped in the sanitized build"
    exit 0
  fi
  # From far too little up to enough: one line and status 1, or a run that plays.
  for limit in 60000 140000 220000 400000 600000; do
    err=$( (ulimit -v $limit; exec "$game" --headless --mode 4 --frames 2 --no-draw \
      --input "$out/exit.txt") 2>&1) && status=0 || status=$?
    lines=$(printf '%s' "$err" | grep -c '' || true)
    case $status:$lines in
      0:0) ;;
      1:1) ;;
      *) fail "ulimit -v $limit: status $status with $lines lines: $err" ;;
    esac
    echo "ulimit -v $limit: status $status; $err"
  done
  ;;
esac

[ $failures = 0 ] || { echo "$failures failures"; exit 1; }
echo "every $part case behaves"
