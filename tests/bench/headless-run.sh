#!/usr/bin/env bash
# Runs the tone generator in the headless bench and uses it as a person
# would: clicks "PÅ", gives the slider the keyboard focus and moves it to
# 441 with the arrow keys (a 440 Hz tone), then takes a screenshot of the
# window and records what it plays as a WAV file. Both go to out/.
#
# The sound goes to the bench's real-time sound server, whose sink plays at
# its own clock and records what it plays: the WAV holds what a listener
# hears, including any gap where the program was late with a buffer,
# however slowly the program runs (emulated, say). The last lines say what
# it holds (tools/tone_recording_report.cpp).
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

# The analysis of the recording, built natively as the test suite builds it.
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$root/build/native" --target tone_recording_report -j"$(nproc)" >/dev/null

raw="$out/vindra-recording.raw"
wav="$out/vindra-440hz.wav"
shot="$out/vindra-screenshot.png"
export WK_CAPTURE="$out/vindra-capture.raw"
: >"$WK_CAPTURE"
recording=${WK_PULSE_RECORDING:-}
if [ -n "$recording" ]; then
  export WK_SOUND=pulse
  recorded_before=$(stat -c %s "$recording")
else
  # Without a sound server (PulseAudio not installed) only the file sink is
  # left, which has no clock: a program slower than it leaves device fill.
  echo "headless-run: the bench has no real-time sound server; the WAV is the file sink's capture"
  recording=$WK_CAPTURE
  recorded_before=0
fi

"$here/wine-run" "$bench" "$win/vindra.exe" </dev/null >"$out/vindra.log" 2>&1 &
app=$!
# Emulated on a busy machine the window can take a minute to appear: it is
# waited for as long as the program runs, up to five minutes.
window=
for _ in $(seq 3000); do
  window=$(xdotool search --name '^Vindra - En tongenerator$' 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  kill -0 "$app" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "headless-run: the window did not appear" >&2
  kill "$app" 2>/dev/null || true
  exit 1
fi
# Without a window manager Wine draws the frame and caption itself: the
# client area starts one frame width in and one caption height further down.
# The window is found by its name as soon as it exists, before it has its
# place on the screen (on a busy machine seconds later): it is looked up
# again until it has stood in one place for two looks in a row.
border=3
locate() { # sets X, Y, WIDTH, HEIGHT of the whole window and the client's corner
  eval "$(xdotool getwindowgeometry --shell "$window")"
  client_x=$((X + border))
  client_y=$((Y + HEIGHT - 600 - border))
}
placed=
locate
for _ in $(seq 600); do
  sleep 0.2
  was="$X $Y $WIDTH $HEIGHT"
  locate
  xdotool search --onlyvisible --name '^Vindra - En tongenerator$' 2>/dev/null | grep -qx "$window" &&
    [ "$was" = "$X $Y $WIDTH $HEIGHT" ] && placed=yes && break
done
[ -n "$placed" ] || echo "headless-run: the window did not come to rest on the screen" >&2

# A mapped window is not yet a program that answers: slowly (emulated, on a
# busy machine) the controls are made and drawn seconds later, and a click
# before that is lost. So each step waits for what the screen shows, not for
# a fixed time: the button drawn, the button pushed in, the window still.
area() { # WIDTH HEIGHT X Y of the client area: the pixels' checksum
  import -display "$DISPLAY" -window root -crop "$1x$2+$((client_x + $3))+$((client_y + $4))" \
    +repage rgb:- 2>/dev/null | md5sum | cut -c1-32
}
colours() { # WIDTH HEIGHT X Y: how many colours the area shows
  import -display "$DISPLAY" -window root -crop "$1x$2+$((client_x + $3))+$((client_y + $4))" \
    +repage -format %k info: 2>/dev/null || echo 0
}
on_button="60 30 140 527"       # the "PÅ" button, around the point clicked
for _ in $(seq 600); do
  [ "$(colours $on_button)" -gt 1 ] && break
  sleep 0.2
done
pushed=
for _ in $(seq 10); do
  before=$(area $on_button)
  xdotool mousemove "$((client_x + 170))" "$((client_y + 542))" click 1
  for _ in $(seq 50); do
    [ "$(area $on_button)" != "$before" ] && pushed=yes && break
    sleep 0.2
  done
  [ -n "$pushed" ] && break
done
[ -n "$pushed" ] || echo "headless-run: \"PÅ\" did not go down" >&2
# The slider's thumb, at 0: focus without moving it, then to 441. The keys
# go as one burst, as from a held key: the window takes every queued key
# before it paints, so the slider is painted a few times, not 441 times.
xdotool mousemove "$((client_x + 33))" "$((client_y + 320))" click 1
xdotool key Home
xdotool key --delay 0 --repeat 441 Right
# The window is done with the keys once the slider has stood still for four
# looks. Only the slider is looked at: the readout blanks and redraws at
# every buffer. The recording's size one look after the slider's last change
# marks where the sound is past the user's changes.
slider="700 40 20 300"
last=$(area $slider) still=0 settled=$(stat -c %s "$recording")
for _ in $(seq 480); do
  sleep 0.5
  now=$(area $slider)
  if [ "$now" = "$last" ]; then
    still=$((still + 1))
    [ "$still" -gt 1 ] || settled=$(stat -c %s "$recording")
  else
    still=0
  fi
  last=$now
  [ "$still" -ge 4 ] && break
done
# The screenshot shows the readout's figure, not its blank: of shots taken
# in turn, the first whose readout is as in the shot before it.
readout="180 80 235 170"
shown=
for _ in $(seq 20); do
  import -display "$DISPLAY" -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shot"
  read -r w h x y <<<"$readout"
  now=$(convert "$shot" -crop "${w}x${h}+$((client_x - X + x))+$((client_y - Y + y))" +repage rgb:- | md5sum)
  [ "$now" = "$shown" ] && break
  shown=$now
done
sleep 2
xdotool key alt+F4
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill "$app" 2>/dev/null || true

# The sink suspends a second after the last stream ends: the recording is
# complete once it stops growing.
size=-1
for _ in $(seq 40); do
  [ "$(stat -c %s "$recording")" = "$size" ] && break
  size=$(stat -c %s "$recording")
  sleep 0.5
done
tail -c +$((recorded_before + 1)) "$recording" >"$raw"
echo "Screenshot: $shot"
"$root/build/native/tone_recording_report" "$raw" "$wav" $((settled - recorded_before))
