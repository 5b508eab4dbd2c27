#!/usr/bin/env bash
# Builds everything and runs the whole test suite headless: the Windows test
# programs under Wine in a private Xvfb display, for each Windows target the
# machine can run, and the pure logic natively under AddressSanitizer, UBSan
# and libFuzzer.
#
#   WK_ARCH=auto    (default) both targets where 32-bit programs run (natively
#                   or in the emulated i386 root: tests/bench/i686-way), else
#                   the 64-bit one alone, saying why
#   WK_ARCH=i686 | x86_64 | both
#   WK_CHECKED=1    also the checked run (below); WK_CHECKED=only: it alone
#
# Arguments go to ctest (for example -R windows/). The showcases and
# benchmarks carry the label "figures" (-LE figures leaves them out); their
# figures are printed after each suite's run.
set -euo pipefail
cd "$(dirname "$0")"
# Each stage's time goes to the log: "test: STAGE took M min S s".
took() { echo "test: $1 took $(((SECONDS - $2) / 60)) min $(((SECONDS - $2) % 60)) s"; }
started=$SECONDS
./setup.sh
took set-up "$started"

jobs=$(nproc)
native=build/native
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

arch=${WK_ARCH:-auto}
package_only=
case "$arch" in
  auto)
    if why=$(tests/bench/i686-way); then
      targets=(i686 x86_64)
    else
      echo "test: the 32-bit suite is skipped: $why. Running the 64-bit suite."
      targets=(x86_64)
      # A whole run still builds the 32-bit programs and both release packages.
      [ $# -gt 0 ] || package_only=i686
    fi
    ;;
  both) targets=(i686 x86_64) ;;
  i686 | x86_64) targets=("$arch") ;;
  *)
    echo "test: WK_ARCH must be auto, i686, x86_64 or both, not '$arch'" >&2
    exit 2
    ;;
esac

case "${WK_CHECKED:-0}" in
  0 | 1) ;;
  only) targets=() package_only= ;;
  *)
    echo "test: WK_CHECKED must be 0, 1 or only, not '$WK_CHECKED'" >&2
    exit 2
    ;;
esac

if [ ${#targets[@]} -gt 0 ]; then
  started=$SECONDS
  CC=clang CXX=clang++ cmake -S . -B "$native" -DCMAKE_BUILD_TYPE=Debug "${launcher[@]}" >/dev/null
  cmake --build "$native" -j"$jobs"
  took "the native build" "$started"
fi

build_dir() { if [ "$1" = i686 ]; then echo build/win; else echo build/win64; fi; }

failed=()
bench=
trap '[ -z "$bench" ] || tests/bench/bench.sh stop "$bench"; took "the whole run" 0' EXIT
native_dir="$PWD/$native"
for target in "${targets[@]}"; do
  win=$(build_dir "$target")
  started=$SECONDS
  # The native logic run is one test of the first suite only.
  cmake -S . -B "$win" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$target.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DWK_NATIVE_DIR="$native_dir" "${launcher[@]}" >/dev/null
  native_dir=
  cmake --build "$win" -j"$jobs"
  took "the $target build" "$started"

  echo "test: the $target suite ($win)"
  bench=$win/bench
  started=$SECONDS
  tests/bench/bench.sh start "$bench" "$target"
  took "the $target bench's start" "$started"
  only=()
  if [ "$target" = i686 ] && [ "$(tests/bench/i686-way)" = emulated ]; then
    echo "test: emulated, the programs labelled figures are built but not run: their timings would measure the emulator"
    only=(-LE figures)
  fi
  started=$SECONDS
  if ! ctest --test-dir "$win" --output-on-failure "${only[@]}" "$@"; then failed+=("$target"); fi
  took "the $target suite" "$started"
  figures=$(grep -h '^figure: ' "$win/Testing/Temporary/LastTest.log" 2>/dev/null || true)
  if [ -n "$figures" ]; then printf 'test: figures of the %s suite\n%s\n' "$target" "$figures"; fi
  tests/bench/bench.sh stop "$bench"
  bench=
done

# The checked run: the Windows suite once more, built with run-time checks
# (WK_CHECKED in cmake/windows.cmake) in a folder of its own, for the target
# this machine runs natively, with Wine's heap checking on
# (tests/bench/wine-run --heap-check). The figures are left out.
if [ "${WK_CHECKED:-0}" != 0 ]; then
  if tests/bench/can-run-32bit >/dev/null; then checked=i686; else checked=x86_64; fi
  win=$(build_dir "$checked")-checked
  started=$SECONDS
  cmake -S . -B "$win" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$checked.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DWK_CHECKED=ON "${launcher[@]}" >/dev/null
  cmake --build "$win" -j"$jobs"
  took "the checked $checked build" "$started"
  echo "test: the checked $checked suite ($win)"
  bench=$win/bench
  started=$SECONDS
  tests/bench/bench.sh start "$bench" "$checked"
  took "the checked $checked bench's start" "$started"
  started=$SECONDS
  if ! ctest --test-dir "$win" --output-on-failure -LE figures "$@"; then
    failed+=("checked $checked")
  fi
  took "the checked $checked suite" "$started"
  tests/bench/bench.sh stop "$bench"
  bench=
fi

if [ -n "$package_only" ]; then
  echo "test: building the 32-bit programs and release packages only (build/win/package)"
  cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
    -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
  if ! cmake --build build/win --target msi -j"$jobs" || ! (cd build/win && cpack -G ZIP >/dev/null); then
    failed+=("i686 package")
  fi
fi

if [ ${#failed[@]} -gt 0 ]; then
  echo "test: failures in the ${failed[*]} suite" >&2
  exit 1
fi
