#!/usr/bin/env bash
# Builds everything and runs the whole test suite headless:
# the Windows test programs under Wine in a private Xvfb display, and the
# pure logic natively under AddressSanitizer, UBSan and libFuzzer.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh

jobs=$(nproc)
native=build/native
win=build/win

CC=clang CXX=clang++ cmake -S . -B "$native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$native" -j"$jobs"

cmake -S . -B "$win" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
  -DCMAKE_BUILD_TYPE=Release -DWK_NATIVE_DIR="$PWD/$native" >/dev/null
cmake --build "$win" -j"$jobs"

tests/bench/bench.sh start "$win/bench"
trap 'tests/bench/bench.sh stop "$win/bench"' EXIT
ctest --test-dir "$win" --output-on-failure "$@"
