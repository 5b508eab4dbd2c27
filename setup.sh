#!/usr/bin/env bash
# Installs what building and testing need on a Debian 12 machine.
# Idempotent: when everything is present it only checks and exits quietly.
#
# It copes with a package registry in flux (a mirror in the middle of a
# sync): a failing index refresh is tried again a few times, then set-up goes
# on with the indexes it has and names the one it could not fetch. It stops
# only where a package the build cannot do without cannot be installed,
# naming that package and apt's reason; an optional package that fails is
# named and left out.
#
# 32-bit Wine is installed only where the kernel runs 32-bit programs itself.
# Where it cannot be installed there, set-up says why and the scripts run the
# 64-bit build, as on a machine without 32-bit support. That failure is
# remembered for a day (build/setup-32bit-failed) so that each run of the
# scripts does not ask the registry again; delete that file to try sooner.
#
#   WK_SETUP_TRIES  how often a failing `apt-get update` is tried (3)
#   WK_SETUP_PAUSE  seconds between those tries (30; a mirror sync takes minutes)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi
tries=${WK_SETUP_TRIES:-3}
pause=${WK_SETUP_PAUSE:-30}
failed_32bit="$here/build/setup-32bit-failed"

# What the build and the test bench cannot do without.
NEEDED=(
  wine wine64 fonts-wine
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 cmake make googletest
  xvfb xauth imagemagick xdotool
  g++ clang libclang-rt-14-dev
  ghostscript poppler-utils sox wixl pkgconf
)
# What helps but is not needed: faster rebuilds, formatting, the bench's
# real-time sound sink (the soaks fall back to the file sink without it).
# debootstrap makes the i386 root where the machine's own 32-bit Wine cannot
# run.
OPTIONAL=(ccache clang-format x11-utils pulseaudio pulseaudio-utils debootstrap)
WINE32=wine32:i386

say() { echo "setup: $*"; }
skipped_wine32() { say "skipped 32-bit Wine ($WINE32): $(cat "$failed_32bit"); 32-bit programs run in the i386 root, else the 64-bit build$1"; }
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
apt() { $SUDO env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 "$@"; }

# apt's own words for why the last command failed: its error lines.
reason() {
  local errors
  errors=$(awk 'sub(/^E: /, "") { sub(/\.$/, ""); printf "%s%s", sep, $0; sep = "; " }' "$1")
  echo "${errors:-$(tail -n 1 "$1")}"
}

# Refreshes the package indexes, trying again while some fail. What still
# fails after the last try is named; the install goes on with the rest.
update_indexes() {
  local log try
  log=$(mktemp)
  for ((try = 1; ; try++)); do
    if apt update -qq >"$log" 2>&1; then
      rm -f "$log"
      return 0
    fi
    [ "$try" -lt "$tries" ] || break
    say "refreshing the package indexes failed ($(grep -c 'Failed to fetch' "$log") not fetched); trying again in ${pause}s"
    sleep "$pause"
  done
  if grep -q 'Failed to fetch' "$log"; then
    sed -n 's/^[EW]: Failed to fetch \([^ ]*\) *\(.*\)/\1: \2/p' "$log" | sed 's/ *\[IP: [^]]*\]$//' |
      while read -r line; do say "going on without the package index $line"; done
  else
    say "refreshing the package indexes failed, going on with the indexes there are: $(reason "$log")"
  fi
  rm -f "$log"
}

# Installs the packages given, all at once where that works, else one by one
# so that one that fails does not keep out the others. Prints the packages
# that could not be installed, one line each: the package, a tab, apt's reason.
install_packages() {
  local log p
  log=$(mktemp)
  if ! apt install -y -qq "$@" >"$log" 2>&1; then
    for p in "$@"; do
      if ! apt install -y -qq "$p" >"$log" 2>&1; then printf '%s\t%s\n' "$p" "$(reason "$log")"; fi
    done
  fi
  rm -f "$log"
}

# The packages this machine lacks, and whether 32-bit Wine is one of them.
packages() {
  missing=()
  for p in "${NEEDED[@]}" "${OPTIONAL[@]}"; do
    installed "$p" || missing+=("$p")
  done
  want_32bit=
  if installed "$WINE32"; then
    rm -f "$failed_32bit"
  elif ! why=$("$here/tests/bench/can-run-32bit" --kernel); then
    say "skipped the 32-bit packages ($WINE32, the i386 architecture): $why; 32-bit programs run in the i386 root, else the 64-bit build"
  elif [ -n "$(find "$failed_32bit" -mmin -1440 2>/dev/null)" ]; then
    skipped_wine32 " (delete $failed_32bit to try again)"
  else
    want_32bit=1
  fi
  [ ${#missing[@]} -gt 0 ] || [ -n "$want_32bit" ] || return 0

  local wanted=("${missing[@]}")
  [ -z "$want_32bit" ] || wanted+=("$WINE32")
  say "installing ${wanted[*]}"
  local added_i386=
  if [ -n "$want_32bit" ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
    added_i386=1
  fi
  update_indexes
  local failures=() line p why_not
  if [ ${#missing[@]} -gt 0 ]; then mapfile -t failures < <(install_packages "${missing[@]}"); fi
  if [ -n "$want_32bit" ]; then
    why_not=$(install_packages "$WINE32" | cut -f2)
    if [ -n "$why_not" ]; then
      mkdir -p "${failed_32bit%/*}"
      echo "the kernel runs 32-bit programs, but apt could not install it: $why_not" >"$failed_32bit"
      skipped_wine32 ""
      # Without it the architecture only adds indexes to every refresh.
      if [ -n "$added_i386" ]; then $SUDO dpkg --remove-architecture i386 || true; fi
    else
      rm -f "$failed_32bit"
    fi
  fi
  local stop=
  for line in "${failures[@]}"; do
    p=${line%%$'\t'*}
    if [[ " ${OPTIONAL[*]} " == *" $p "* ]]; then
      say "left out the optional package $p: ${line#*$'\t'}"
    else
      say "cannot install $p, which the build needs: ${line#*$'\t'}" >&2
      stop=1
    fi
  done
  if [ -n "$stop" ]; then
    say "stopping; run ./setup.sh again once apt can install it" >&2
    exit 1
  fi
}

# GoogleTest built once per Windows target with its cross compiler,
# installed where that target's toolchain file looks for it.
googletest() {
  for arch in i686 x86_64; do
    GTEST_PREFIX=/opt/wk/$arch
    if [ ! -f "$GTEST_PREFIX/lib/libgtest.a" ]; then
      say "building GoogleTest for $arch-w64-mingw32"
      tmp="$(mktemp -d)"
      cmake -S /usr/src/googletest -B "$tmp" -G "Unix Makefiles" \
        -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-$arch.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$GTEST_PREFIX" \
        -DCMAKE_CXX_FLAGS="-static" -Dgtest_disable_pthreads=OFF >/dev/null
      cmake --build "$tmp" -j"$(nproc)" >/dev/null
      $SUDO cmake --install "$tmp" >/dev/null
      rm -rf "$tmp"
    fi
  done
}

# Set-up in order: the machine's packages, then what is built from them.
packages
googletest

# Where the machine's own 32-bit Wine cannot run (or WK_I686_VIA asks for
# the root), 32-bit programs run in an i386 root kept in a cache folder.
if { [ -n "${WK_I686_VIA:-}" ] && [ "$WK_I686_VIA" != host ]; } || ! "$here/tests/bench/can-run-32bit" >/dev/null; then
  "$here/tests/bench/i386-root.sh" make || say "no i386 root, so the 32-bit suite cannot run here"
fi
