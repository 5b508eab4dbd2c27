#!/usr/bin/env bash
# Runs the tone generator in the headless bench and uses it as a person
# would: clicks "PÅ", gives the slider the keyboard focus and moves it to
# 441 with the arrow keys (a 440 Hz tone), then takes a screenshot of the
# window and records what it plays as a WAV file. Both go to out/.
#
#   tests/bench/headless-run.sh BUILD_DIR [i686|x86_64]    (run.sh calls it)
set -euo pipefail
win=$(cd "${1:?build folder}" && pwd)
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
out="$root/out"
mkdir -p "$out"
bench="$win/bench"
# A bench this run starts is stopped again when it ends (its Xvfb, wineserver
# and sound server); one that was running already (a test run's) is left up.
if ! "$here/bench.sh" running "$bench"; then trap '"$here/bench.sh" stop "$bench"' EXIT; fi
"$here/bench.sh" start "$bench" "${2:-i686}"
# shellcheck disable=SC1091
. "$bench/bench.env"

raw="$out/vindra-capture.raw"
wav="$out/vindra-440hz.wav"
shot="$out/vindra-screenshot.png"
export WK_CAPTURE="$raw"
: >"$raw"

"$WK_WINE" "$win/vindra.exe" </dev/null >"$out/vindra.log" 2>&1 &
app=$!
window=
for _ in $(seq 100); do
  window=$(xdotool search --name '^Vindra - En tongenerator$' 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "headless-run: the window did not appear" >&2
  kill "$app" 2>/dev/null || true
  exit 1
fi
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y, WIDTH, HEIGHT of the whole window
# Without a window manager Wine draws the frame and caption itself: the
# client area starts one frame width in and one caption height further down.
border=3
client_x=$((X + border))
client_y=$((Y + HEIGHT - 600 - border))
click() { xdotool mousemove "$((client_x + $1))" "$((client_y + $2))" click 1; sleep 0.3; }

click 170 542           # "PÅ"
click 33 320            # the slider's thumb, at 0: focus without moving it
xdotool key Home
xdotool key --delay 5 --repeat 441 Right
sleep 2

import -display "$DISPLAY" -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shot"
sleep 2
xdotool key alt+F4
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill "$app" 2>/dev/null || true

sox -t raw -e unsigned-integer -b 8 -c 2 -r 44100 "$raw" "$wav"
echo "Screenshot: $shot"
echo "Sound:      $wav ($(soxi -d "$wav"), 8-bit unsigned, 2 channels, 44100 Hz; raw capture $raw)"
