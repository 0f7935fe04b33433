#!/bin/sh
# The real sdl back end in one screen mode, on an X server of its own (Xvfb):
# - the screenshot of frame 20 equals the headless picture of the same frame;
# - in a full-screen mode, a grab of the whole X screen shows that picture scaled as large as
#   fits, aspect kept, centred between black bars. Each full-screen mode gets a screen of another
#   shape, so that bars fall on either side or not at all.
#
# Usage: xvfb_mode.sh MODE GAME PICTURE_CHECK OUT_DIR   (run in the folder the game runs in)
# Exits 77 (skipped) only when Xvfb or ImageMagick's import is not installed. The X server picks
# a free display number itself (-displayfd), so that tests run side by side never take the same.
set -eu
mode=$1 game=$2 check=$3 out=$4
for tool in Xvfb import; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed (make test installs it)"
    exit 77
  fi
done
rm -rf "$out" && mkdir -p "$out"

case $mode in
  5) screen=1920x1080 ;;  # 4:3 on 16:9: bars left and right
  6) screen=1600x1200 ;;  # 5:3 on 4:3: bars above and below
  7) screen=1920x1080 ;;  # 16:9 on 16:9: scaled by 1.5, no bars
  8) screen=1920x1200 ;;  # 683:384 on 16:10: thin bars above and below
  *) screen=1920x1080 ;;
esac

seed=7 frames=30 shot=20
shots=""
for f in 18 19 20 21 22 23 24 25 26; do shots="$shots --screenshot $f:$out/sdl-$f.png"; done

"$game" --headless --mode "$mode" --frames "$frames" --seed "$seed" \
  --screenshot "$shot:$out/headless.png" >"$out/headless.log" 2>&1 ||
  { cat "$out/headless.log"; echo "the headless run failed"; exit 1; }

# Inside the X server: run the game; once frame 21's picture is on disk, stop the game so that
# the screen holds still, grab the screen, and let the game finish.
cat >"$out/run.sh" <<SCRIPT
#!/bin/sh
"$game" --mode "$mode" --frames "$frames" --seed "$seed" $shots &
pid=\$!
waited=0
while [ ! -e "$out/sdl-21.png" ] && kill -0 \$pid 2>/dev/null && [ \$waited -lt 6000 ]; do
  sleep 0.01; waited=\$((waited + 1))
done
kill -STOP \$pid 2>/dev/null || true
import -window root "$out/screen.png" || true
kill -CONT \$pid 2>/dev/null || true
wait \$pid
SCRIPT
# The server writes its display number once it accepts clients.
Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$out/display" 2>"$out/xvfb.log" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
waited=0
while [ ! -s "$out/display" ] && kill -0 "$xvfb" 2>/dev/null && [ $waited -lt 3000 ]; do
  sleep 0.01; waited=$((waited + 1))
done
display=$(cat "$out/display")
if [ -z "$display" ]; then
  cat "$out/xvfb.log"
  echo "Xvfb did not start"
  exit 1
fi
if ! env -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy DISPLAY=":$display" \
  sh "$out/run.sh" >"$out/sdl.log" 2>&1; then
  cat "$out/sdl.log"
  echo "the run in a real window failed"
  exit 1
fi

"$check" same "$out/sdl-$shot.png" "$out/headless.png"
case $mode in
  5 | 6 | 7 | 8)
    candidates=""
    for f in 19 20 21 22 23 24 25 26; do candidates="$candidates $out/sdl-$f.png"; done
    # shellcheck disable=SC2086
    "$check" letterbox "$out/screen.png" $candidates
    ;;
esac
