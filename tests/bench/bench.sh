#!/usr/bin/env bash
# The headless test bench: one Xvfb display, one private Wine prefix and one
# persistent wineserver per build folder, and a PulseAudio server whose
# sink plays at real-time pace and records what it plays.
#
#   bench.sh start DIR [ARCH]   start (or reuse) the bench whose state lives
#                               in DIR, for i686 (default) or x86_64 programs
#   bench.sh stop DIR           stop everything the bench started
#   bench.sh running DIR        exit 0 when the bench in DIR is up
#
# start writes DIR/bench.env, which tests/bench/wine-run reads to run a
# Windows program inside the bench. Each target has its own loader and
# prefix: Debian's /usr/bin/wine always starts the 32-bit loader, so 64-bit
# programs go through /usr/lib/wine/wine64 with a win64 prefix. 32-bit
# programs run the way tests/bench/i686-way says: with the machine's own
# 32-bit Wine, or with the one in the i386 root (natively or emulated), whose
# programs bench.env then names (WK_WINE, WK_WINESERVER).
set -euo pipefail
cmd=${1:?start or stop}
dir=$(mkdir -p "${2:?bench folder}" && cd "$2" && pwd)
arch=${3:-i686}
here="$(cd "$(dirname "$0")" && pwd)"
env_file="$dir/bench.env"

fail() {
  echo "bench: $*" >&2
  if [ -n "${i386_root_pid:-}" ]; then kill "$i386_root_pid" 2>/dev/null; fi
  exit 1
}

stop() {
  if [ -f "$env_file" ]; then
    # shellcheck disable=SC1090
    . "$env_file"
    WINEPREFIX="$WINEPREFIX" "${WK_WINESERVER:-wineserver}" -k >/dev/null 2>&1 || true
    if [ -n "${SERVER_PID:-}" ]; then kill "$SERVER_PID" 2>/dev/null || true; fi
    if [ -n "${XVFB_PID:-}" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
    if [ -n "${PULSE_PID:-}" ]; then kill "$PULSE_PID" 2>/dev/null || true; fi
    if [ -n "${PULSE_READER_PID:-}" ]; then kill "$PULSE_READER_PID" 2>/dev/null || true; fi
    if [ -n "${I386_ROOT_PID:-}" ]; then kill "$I386_ROOT_PID" 2>/dev/null || true; fi
    rm -f "$env_file"
  fi
}

# shellcheck disable=SC1090
running() {
  [ -f "$env_file" ] && (. "$env_file" && kill -0 "${XVFB_PID:-0}" &&
    { [ -z "${I386_ROOT_PID:-}" ] || kill -0 "$I386_ROOT_PID"; }) 2>/dev/null
}

if [ "$cmd" = stop ]; then stop; exit 0; fi
if [ "$cmd" = running ]; then running; exit; fi

# Real-time sound, for programs started with WK_SOUND=pulse (wine-run then
# points them at this server); every other program keeps the ALSA file sink.
# A PulseAudio server of the bench's own has one sink in the programs' format
# (unsigned 8-bit, 2 channels, 44100 Hz: nothing is converted) that writes
# what it plays into a FIFO at its own clock, and a reader appends that to
# pulse/recording.raw. The sink suspends a second after the last stream
# ends, so the recording grows only while something plays, by 88,200 bytes
# a second. Server and reader run at real-time priority where the machine
# allows it: a recording that lost data while the machine is busy would
# measure the recorder, not the program.
start_pulse() {
  command -v pulseaudio >/dev/null && command -v perl >/dev/null || return 0
  local pulse="$dir/pulse"
  rm -rf "$pulse"
  mkdir -p "$pulse/runtime"
  : >"$pulse/recording.raw"
  XDG_RUNTIME_DIR="$pulse/runtime" pulseaudio -n --daemonize=no --exit-idle-time=-1 \
    --disallow-exit --use-pid-file=no --log-level=debug --log-target="file:$pulse/server.log" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$pulse/native" \
    --load="module-pipe-sink sink_name=bench file=$pulse/sink.fifo format=u8 rate=44100 channels=2 use_system_clock_for_timing=yes" \
    --load="module-suspend-on-idle timeout=1" </dev/null >/dev/null 2>&1 &
  local server_pid=$!
  for _ in $(seq 50); do
    [ -S "$pulse/native" ] && [ -p "$pulse/sink.fifo" ] && break
    kill -0 "$server_pid" 2>/dev/null || return 0
    sleep 0.1
  done
  # The FIFO is enlarged to the most the kernel allows (a megabyte, about
  # 12 s of sound) so that a reader held up for a moment loses nothing.
  perl -e 'open(my $in, "<", $ARGV[0]) or die; fcntl($in, 1031, 1048576);
    open(my $out, ">>", $ARGV[1]) or die; my $data;
    while (sysread($in, $data, 1048576)) { syswrite($out, $data) }' \
    "$pulse/sink.fifo" "$pulse/recording.raw" </dev/null >/dev/null 2>&1 &
  local reader_pid=$!
  for task in /proc/"$server_pid"/task/* /proc/"$reader_pid"/task/*; do
    chrt -f -p 50 "${task##*/}" >/dev/null 2>&1 || true
  done
  cat >>"$env_file" <<ENV
export PULSE_PID=$server_pid
export PULSE_READER_PID=$reader_pid
export WK_PULSE_SERVER=unix:$pulse/native
export WK_PULSE_RECORDING=$pulse/recording.raw
export WK_PULSE_LOG=$pulse/server.log
ENV
}

way=host
case "$arch" in
  i686)
    loader=/usr/bin/wine
    winearch=win32
    way=$("$here/i686-way") || fail "32-bit Wine cannot run here: $way; use the x86_64 build"
    ;;
  x86_64)
    loader=/usr/lib/wine/wine64
    winearch=win64
    ;;
  *) fail "unknown target '$arch' (i686 or x86_64)" ;;
esac

# Reuse a running bench that runs programs the same way.
if running && [ "$(. "$env_file" && echo "${WK_I686_WAY:-host}")" = "$way" ]; then exit 0; fi
stop

i386_root_pid=
if [ "$way" = host ]; then
  [ -x "$loader" ] || fail "the Wine loader $loader is missing (run ./setup.sh)"
  server=/usr/lib/wine/wineserver64
  [ -x "$server" ] || server=/usr/lib/wine/wineserver32
  [ -x "$server" ] || server=$(command -v wineserver) || fail "no wineserver found (run ./setup.sh)"
else
  # The same bench, with Wine's programs in the i386 root: the display,
  # the sound server's socket, the prefix and the captures are all in
  # folders the root shares with the machine.
  i386_root_pid=$("$here/i386-root.sh" start "$dir" "$way") || fail "could not enter the i386 root"
  loader=$dir/i386/wine
  server=$dir/i386/wineserver
  how="natively"
  [ "$way" = root ] || how="emulated by qemu-user"
  echo "bench: 32-bit programs run in the i386 root, $how${WK_I686_VIA:+ (WK_I686_VIA=$WK_I686_VIA)}"
fi

# A free X display number; several benches (one per build folder) may start
# at once, so a display that another took first is skipped.
display=90
xvfb_pid=
while [ -z "$xvfb_pid" ]; do
  while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do
    display=$((display + 1))
  done
  command -v Xvfb >/dev/null || fail "Xvfb is missing (run ./setup.sh)"
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp </dev/null >"$dir/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X${display}" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if ! kill -0 "$xvfb_pid" 2>/dev/null; then
    xvfb_pid=
    display=$((display + 1))
  fi
done

prefix="$dir/wineprefix"
home="$dir/home"
mkdir -p "$home"

# ALSA: the default PCM is a file sink. Every stream is appended through a
# pipe to the file that WK_CAPTURE names when the Windows program starts, so
# each test chooses its own capture; without it the sound goes nowhere.
cat >"$home/.asoundrc" <<'ASOUND'
pcm.!default {
  type file
  slave.pcm "null"
  file "|exec cat >>\"${WK_CAPTURE:-/dev/null}\""
  format "raw"
}
ASOUND

cat >"$env_file" <<ENV
export DISPLAY=:$display
export XVFB_PID=$xvfb_pid
export WINEPREFIX=$prefix
export WINEARCH=$winearch
export WK_WINE=$loader
export WK_WINESERVER=$server
export WK_ARCH=$arch
export WK_I686_WAY=$way
export I386_ROOT_PID=$i386_root_pid
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export HOME=$home
ENV
. "$env_file"

if [ ! -f "$prefix/.wk-ready" ]; then
  rm -rf "$prefix"
  if ! "$loader" wineboot -i </dev/null >"$dir/wineboot.log" 2>&1; then
    fail "making the $winearch Wine prefix failed ($loader wineboot -i); its output: $dir/wineboot.log"
  fi
  "$server" -w
  # Debian's Wine does not find its own fonts (no Tahoma, no Marlett for the
  # caption buttons) unless they are in the prefix.
  cp /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
  # Without a window manager every window shown or hidden would wait for one.
  # A new prefix's first program may still meet the previous server on its
  # way out: the write is tried again before giving up.
  for try in 1 2 3; do
    if "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
      >"$dir/reg.log" 2>&1 </dev/null; then
      break
    fi
    [ "$try" -lt 3 ] || fail "could not write the prefix's X11 settings: $(tail -n 3 "$dir/reg.log")"
    "$server" -w
    sleep 1
  done
  "$server" -w
  touch "$prefix/.wk-ready"
fi

start_pulse

# A persistent wineserver makes each program start take a tenth of a second.
# Every daemon gets null output so none holds the caller's pipe open.
"$server" -f -p </dev/null >/dev/null 2>&1 &
echo "export SERVER_PID=$!" >>"$env_file"
"$loader" cmd /c exit </dev/null >/dev/null 2>&1 || true
