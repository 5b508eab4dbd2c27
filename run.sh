#!/usr/bin/env bash
# Builds and starts the tone generator.
#
# With a desktop (DISPLAY set) it opens the window there. Without one it runs
# headless in the test bench, switches the tone on as a user would, and
# writes a screenshot of the window and a few seconds of the played sound to
# out/.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
win=build/win
cmake -S . -B "$win" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$win" -j"$(nproc)" --target vindra

if [ -n "${DISPLAY:-}" ]; then
  exec wine "$win/vindra.exe"
fi
exec tests/bench/headless-run.sh "$win"
