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
# Arguments go to ctest (for example -R windows/). The benchmarks
# carry the label "figures" (-LE figures leaves them out); they
# run after the suites, alone, and their figures are printed then.
set -euo pipefail
cd "$(dirname "$0")"
# Each stage's time goes to the log: "test: STAGE took M min S s", with the
# processor time its programs used (all processors together), which tells a
# stage that computes from one that waits. begin marks a stage's start in
# the shell that runs it.
tick=$(getconf CLK_TCK)
processor() { awk '{ print $14 + $15 + $16 + $17 }' "/proc/${1:-$shell}/stat"; }
minutes() { echo "$(($1 / 60)) min $(($1 % 60)) s"; }
begin() { shell=$BASHPID started=$SECONDS started_ticks=$(processor); }
spent() { echo "$((SECONDS - started)) $((($(processor) - started_ticks) / tick))"; }
say_took() { echo "test: $1 took $(minutes "$2") (processor $(minutes "$3"))"; }
took() { say_took "$1" $(spent); }
begin
./setup.sh
took set-up

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

build_dir() { if [ "$1" = i686 ]; then echo build/win; else echo build/win64; fi; }
if tests/bench/can-run-32bit >/dev/null; then checked=i686; else checked=x86_64; fi

# Every build the run needs, in the order the suites use them: folder,
# target and kind. The first suite also runs the native logic; each suite
# is run from the build of the same folder.
suites=()
kind=with-native
for target in "${targets[@]}"; do
  suites+=("$(build_dir "$target") $target $kind")
  kind=suite
done
if [ "${WK_CHECKED:-0}" != 0 ]; then suites+=("$(build_dir "$checked")-checked $checked checked"); fi
builds=()
if [ ${#targets[@]} -gt 0 ]; then builds+=("$native native native"); fi
builds+=("${suites[@]}")
if [ -n "$package_only" ]; then builds+=("build/win i686 package"); fi

build() {
  local win=$1 target=$2 kind=$3 native_dir=
  local cross=(-DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$target.cmake" -DCMAKE_BUILD_TYPE=Release)
  case $kind in
    native)
      CC=clang CXX=clang++ cmake -S . -B "$win" -DCMAKE_BUILD_TYPE=Debug "${launcher[@]}" >/dev/null &&
        cmake --build "$win" -j"$jobs"
      ;;
    checked)
      cmake -S . -B "$win" "${cross[@]}" -DWK_CHECKED=ON "${launcher[@]}" >/dev/null &&
        cmake --build "$win" -j"$jobs"
      ;;
    package)
      # A whole run still builds the 32-bit programs and both release packages.
      cmake -S . -B "$win" "${cross[@]}" "${launcher[@]}" >/dev/null &&
        cmake --build "$win" --target msi -j"$jobs" && (cd "$win" && cpack -G ZIP >/dev/null)
      ;;
    *)
      [ "$kind" = suite ] || native_dir="$PWD/$native"
      cmake -S . -B "$win" "${cross[@]}" -DWK_NATIVE_DIR="$native_dir" "${launcher[@]}" >/dev/null &&
        cmake --build "$win" -j"$jobs"
      ;;
  esac
}

# The builds run one after another in a lane of their own beside the
# suites: while a suite runs under Wine, whose programs spend much of their
# time waiting on the display, the Wine server and the sound sink, the next
# suite's programs are built on the processors they leave idle. Each build's
# output goes to a log in the lane's folder, shown when the build fails.
lane=$(mktemp -d)
(
  for entry in "${builds[@]}"; do
    read -r win target kind <<<"$entry"
    begin
    if build "$win" "$target" "$kind" >"$lane/${win##*/}.log" 2>&1; then rc=0; else rc=1; fi
    echo "$rc $(spent)" >"$lane/${win##*/}.done"
    [ "$rc" = 0 ] || exit 1
  done
) &
lane_pid=$!

# Waits for the lane's build in the folder given and says how long it took;
# a failed build ends the run with its output.
built() {
  local win=$1 what=$2 rc=1 seconds=0 processor=0
  until [ -f "$lane/${win##*/}.done" ]; do
    kill -0 "$lane_pid" 2>/dev/null || break
    sleep 1
  done
  if [ ! -f "$lane/${win##*/}.done" ]; then
    echo "test: the $what build did not run: a build before it failed" >&2
    exit 1
  fi
  read -r rc seconds processor <"$lane/${win##*/}.done"
  say_took "the $what build" "$seconds" "$processor"
  if [ "$rc" != 0 ]; then
    cat "$lane/${win##*/}.log" 2>/dev/null
    echo "test: the $what build in $win failed" >&2
    exit 1
  fi
}

# Ends a process and everything it started.
stop_tree() {
  local child
  for child in $(ps -o pid= --ppid "$1" 2>/dev/null); do stop_tree "$child"; done
  kill "$1" 2>/dev/null || true
}

# One suite: its bench is started once its build is done, and its programs
# run except those labelled figures, which run after every suite is done.
# The checked run is the Windows suite once more, built with run-time checks
# (WK_CHECKED in cmake/windows.cmake) in a folder of its own, for the target
# this machine runs natively, with Wine's heap checking on
# (tests/bench/wine-run --heap-check); it has no figures.
suite() {
  local win=$1 target=$2 kind=$3 what=$2 rc=0
  shift 3
  [ "$kind" != checked ] || what="checked $target"
  [ "$kind" != with-native ] || built "$native" native
  built "$win" "$what"
  echo "test: the $what suite ($win)"
  begin
  tests/bench/bench.sh start "$win/bench" "$target" || return 1
  took "the $what bench's start"
  begin
  ctest --test-dir "$win" --output-on-failure -LE figures "$@" || rc=1
  took "the $what suite"
  return $rc
}

# Two suites run side by side, each on its own bench (display, Wine prefix
# and server, sound sinks), each as soon as its build is done: the first
# suite in one lane, the others one after another in a second. A suite's
# programs mostly wait (on the display, the Wine server, their timers), and
# an emulated suite keeps about one processor busy, so two suites and the
# builds share the two processors. Each suite's output is shown in order,
# as soon as it and those before it have ended. The figures
# (benchmarks, soaks) measure the machine, so they run afterwards, one suite
# at a time, with nothing beside them; emulated, they are built but not
# run: their timings would measure the emulator.

# Runs the suites given (by their index) one after another, each with its
# output and exit code in the lane's folder.
suite_lane() {
  local i win target kind rc
  for i in "$@"; do
    read -r win target kind <<<"${suites[$i]}"
    rc=0
    (suite "$win" "$target" "$kind" "${ctest_args[@]}") >"$lane/suite-$i.log" 2>&1 || rc=$?
    echo "$rc" >"$lane/suite-$i.rc"
  done
}

ctest_args=("$@")
failed=()
jobs_running=()
# Stops the suites' benches that are running.
stop_benches() {
  local entry
  for entry in "${suites[@]}"; do
    [ ! -f "${entry%% *}/bench/bench.env" ] || tests/bench/bench.sh stop "${entry%% *}/bench"
  done
}
trap 'stop_benches
  for pid in "${jobs_running[@]}" "$lane_pid"; do stop_tree "$pid"; done; rm -rf "$lane"
  say_took "the whole run" "$SECONDS" $(($(processor $$) / tick))' EXIT
if [ ${#suites[@]} -gt 0 ]; then
  suite_lane 0 &
  jobs_running+=($!)
  if [ ${#suites[@]} -gt 1 ]; then
    suite_lane $(seq 1 $((${#suites[@]} - 1))) &
    jobs_running+=($!)
  fi
fi
for i in "${!suites[@]}"; do
  until [ -f "$lane/suite-$i.rc" ]; do
    kill -0 "${jobs_running[$((i > 0))]}" 2>/dev/null || break
    sleep 1
  done
  read -r win target kind <<<"${suites[$i]}"
  cat "$lane/suite-$i.log" 2>/dev/null || true
  if [ "$(cat "$lane/suite-$i.rc" 2>/dev/null)" != 0 ]; then
    if [ "$kind" = checked ]; then failed+=("checked $target"); else failed+=("$target"); fi
  fi
done
wait "${jobs_running[@]}" 2>/dev/null || true
jobs_running=()

for target in "${targets[@]}"; do
  win=$(build_dir "$target")
  if [ "$target" = i686 ] && [ "$(tests/bench/i686-way)" = emulated ]; then
    echo "test: emulated, the programs labelled figures are built but not run: their timings would measure the emulator"
    continue
  fi
  [ "$(cut -d' ' -f1 "$lane/${win##*/}.done" 2>/dev/null)" = 0 ] || continue
  begin
  ctest --test-dir "$win" --output-on-failure -L figures "$@" || failed+=("$target figures")
  took "the $target figures"
  figures=$(grep -h '^figure: ' "$win/Testing/Temporary/LastTest.log" 2>/dev/null || true)
  if [ -n "$figures" ]; then printf 'test: figures of the %s suite\n%s\n' "$target" "$figures"; fi
done
stop_benches

if [ -n "$package_only" ]; then
  echo "test: building the 32-bit programs and release packages only (build/win/package)"
  ( built build/win "32-bit package" ) || failed+=("i686 package")
fi

if [ ${#failed[@]} -gt 0 ]; then
  (IFS=,; echo "test: failures in: ${failed[*]}" | sed 's/,/, /g') >&2
  exit 1
fi
