#!/usr/bin/env bash
# Builds and starts the tone generator: the 32-bit program where this machine
# runs 32-bit programs, else the same program built for 64-bit Windows
# (WK_ARCH=i686 or x86_64 chooses).
#
# With a desktop (DISPLAY set) it opens the window there. Without one it runs
# headless in the test bench, switches the tone on as a user would, and
# writes a screenshot of the window and a few seconds of the played sound to
# out/.
#
# WK_WINE=PATH starts the program with another Wine loader than Debian's.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
arch=${WK_ARCH:-auto}
if [ "$arch" = auto ]; then
  if why=$(tests/bench/i686-way); then
    arch=i686
  else
    echo "run: starting the 64-bit build: $why"
    arch=x86_64
  fi
fi
case "$arch" in
  i686) win=build/win loader=${WK_WINE:-/usr/bin/wine} ;;
  x86_64) win=build/win64 loader=${WK_WINE:-/usr/lib/wine/wine64} ;;
  *) echo "run: WK_ARCH must be auto, i686 or x86_64, not '$arch'" >&2; exit 2 ;;
esac
echo "run: the $arch tone generator ($win/vindra.exe)"
cmake -S . -B "$win" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$win" -j"$(nproc)" --target vindra

if [ -n "${DISPLAY:-}" ]; then
  # Wine's sound driver asks the sound server for "early requests": the
  # server then pulls sound every half millisecond, and a wake-up of the
  # driver's 10 ms timer that comes a little late is a gap in the tone. The
  # client library's latency setting gives its streams 60 ms, as the bench
  # does; a value of the user's own (even empty) is kept.
  export PULSE_LATENCY_MSEC=${PULSE_LATENCY_MSEC-60}
  if [ "$arch" = i686 ] && [ -z "${WK_WINE:-}" ] && [ "$(tests/bench/i686-way)" != host ]; then
    # The i386 root's Wine, in the bench's prefix, on this desktop.
    shown=$DISPLAY
    tests/bench/bench.sh start "$win/bench" i686
    # shellcheck disable=SC1091
    . "$win/bench/bench.env"
    DISPLAY=$shown exec "$WK_WINE" "$win/vindra.exe"
  fi
  exec "$loader" "$win/vindra.exe"
fi
exec tests/bench/headless-run.sh "$win" "$arch"
