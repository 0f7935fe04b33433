#!/bin/sh
# What a run leaves for a bug report, in the folder a build-tree run keeps it in (the working
# folder): a damaged binding file said on standard error and in the log; a flight recording of a
# run without --record that replays to the same trace; a run killed by SIGSEGV mid-game, which
# leaves a backtrace in the log and a recording that replays up to the crash.
#
# Usage: cli_bug_report.sh GAME   (run in a fresh folder)
set -eu
game=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
ulimit -c 0  # the crash below leaves no core in the test's folder
run="--headless --no-draw --autoplay --seed 5 --difficulty hard --frames 1500"

# A key file cut short: one line on standard error, the same in the log, and a game on the
# built-in bindings, the file written anew.
printf 'xyz' >ConfigKey.set
"$game" --headless --frames 5 2>stderr.txt || fail "the run with a damaged key file failed"
said=$(grep 'ConfigKey.set: damaged' stderr.txt || true)
[ -n "$said" ] || fail "no word of the damaged key file: $(cat stderr.txt)"
grep -qF "$said" talvenne.log || fail "the log does not say what standard error said: $said"
[ "$(wc -c <ConfigKey.set)" -eq 56 ] || fail "the key file was not written anew"

# No --record: the flight recording replays to the very same trace.
"$game" $run --trace played.jsonl >/dev/null 2>stderr.txt || fail "the played run failed"
[ -s last-run.rec ] || fail "no flight recording"
cp last-run.rec played.rec
"$game" --headless --no-draw --replay last-run.rec --trace replayed.jsonl 2>stderr.txt ||
  fail "the flight recording does not replay: $(cat stderr.txt)"
cmp -s played.jsonl replayed.jsonl || fail "the replayed trace differs from the played one"
# A replay records nothing: the played run's recording is still the last one.
cmp -s last-run.rec played.rec || fail "the replay replaced the flight recording"

# Killed in frame 700: the status of a SIGSEGV, one line saying where the report is, the
# backtrace in the log, and the flight recording of the frames played (the run before kept).
status=0
TALVENNE_TEST_CRASH_AT_FRAME=700 "$game" $run >/dev/null 2>stderr.txt || status=$?
[ "$status" -eq 139 ] || fail "the crashed run ended with status $status, not 139"
line=$(grep 'crashed' stderr.txt || true)
case $line in
  *"crashed (SIGSEGV)"*talvenne.log*last-run.rec) ;;
  *) fail "no line on the crash naming the log and the recording: $(cat stderr.txt)" ;;
esac
grep -q '^crash: SIGSEGV in frame 700; backtrace:' talvenne.log || fail "no crash in the log"
grep -q 'RunProgram' talvenne.log || fail "the backtrace does not name the game's functions"
cmp -s last-run.1.rec played.rec || fail "the run before's recording was not kept"
"$game" --headless --no-draw --replay last-run.rec --trace crashed.jsonl 2>stderr.txt ||
  fail "the crashed run's recording does not replay: $(cat stderr.txt)"
# It holds every frame up to its last block, which is at most a second (60 frames) before the
# crash: frames 0 to 700 were begun.
held=$(sed -n 's/.*did not finish; replaying the \([0-9]*\) frames it holds/\1/p' stderr.txt)
[ -n "$held" ] && [ "$held" -gt 640 ] && [ "$held" -le 701 ] ||
  fail "the replay does not say it holds the frames up to the crash: $(cat stderr.txt)"
head -n "${held:-0}" played.jsonl | cmp -s - crashed.jsonl ||
  fail "the crashed run's replay is not the first $held frames of the run"

# The last three logs, no more.
[ -e talvenne.log.1 ] && [ -e talvenne.log.2 ] && [ ! -e talvenne.log.3 ] ||
  fail "not three logs kept: $(ls)"

[ $failures = 0 ] || { echo "$failures failures"; exit 1; }
echo "a bug report's files are all there"
