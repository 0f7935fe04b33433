#!/bin/sh
# The real sdl back end's window on an X server of its own (Xvfb), in windowed mode 1:
# - resized to another shape, the window shows the picture scaled as large as fits, aspect kept,
#   centred between black bars;
# - after Alt+Enter, the whole X screen does (bars above and below on this screen's shape);
# - and the game's own screenshots stay the mode's pixels throughout.
#
# Usage: xvfb_window.sh GAME PICTURE_CHECK OUT_DIR   (run in the folder the game runs in)
# Exits 77 (skipped) only when xvfb-run, ImageMagick (import, identify) or xdotool is not installed.
set -eu
game=$1 check=$2 out=$3
for tool in xvfb-run import identify xdotool; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed (make test installs it)"
    exit 77
  fi
done
rm -rf "$out" && mkdir -p "$out"

# Two runs of frames whose pictures the grabs are compared with: one in the resized window, one
# in full screen. A grab is taken once the middle frame of its run is on disk, the game stopped
# meanwhile so that the screen holds still.
resized="130 131 132 133 134 135 136 137 138" full="230 231 232 233 234 235 236 237 238"
shots=""
for f in $resized $full; do shots="$shots --screenshot $f:$out/sdl-$f.png"; done

cat >"$out/run.sh" <<SCRIPT
#!/bin/sh
set -u
"$game" --mode 1 --frames 250 --seed 7 $shots &
pid=\$!
# Waits until the file exists (10 s at most); then stops the game.
hold_at() {
  waited=0
  while [ ! -e "\$1" ] && kill -0 \$pid 2>/dev/null && [ \$waited -lt 1000 ]; do
    sleep 0.01; waited=\$((waited + 1))
  done
  kill -STOP \$pid 2>/dev/null || true
}
window=\$(xdotool search --sync --onlyvisible --name Talvenne | head -n 1)
xdotool windowmove --sync "\$window" 0 0
xdotool windowsize --sync "\$window" 1200 500
hold_at "$out/sdl-132.png"
import -window "\$window" "$out/resized-window.png" || true
kill -CONT \$pid 2>/dev/null || true
xdotool windowfocus --sync "\$window" || true
xdotool key alt+Return
hold_at "$out/sdl-232.png"
import -window root "$out/full-screen.png" || true
kill -CONT \$pid 2>/dev/null || true
wait \$pid
SCRIPT
if ! env -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy \
  xvfb-run -a -s "-screen 0 1280x1024x24" sh "$out/run.sh" >"$out/sdl.log" 2>&1; then
  cat "$out/sdl.log"
  echo "the run in a real window failed"
  exit 1
fi

status=0
for f in $resized $full; do
  size=$(identify -format %wx%h "$out/sdl-$f.png" 2>/dev/null || echo none)
  [ "$size" = 1024x768 ] || { echo "the screenshot of frame $f is $size, not the mode's 1024x768"; status=1; }
done
candidates=""
for f in $resized; do candidates="$candidates $out/sdl-$f.png"; done
# shellcheck disable=SC2086
"$check" letterbox "$out/resized-window.png" $candidates || status=1
candidates=""
for f in $full; do candidates="$candidates $out/sdl-$f.png"; done
# shellcheck disable=SC2086
"$check" letterbox "$out/full-screen.png" $candidates || status=1
exit $status
