#!/usr/bin/env bash
# The decisions of set-up and of the run script, with stand-ins for apt-get,
# dpkg and the Wine loader on PATH: nothing is installed, nothing waits.
#
#   scripts_test.sh SOURCE_DIR
set -uo pipefail
source_dir=$(cd "${1:?source folder}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fails=0
fail() {
  echo "FAIL [$case_name] $*"
  echo "--- its output:"
  cat "$work/out"
  fails=$((fails + 1))
}

# A copy of set-up beside a stand-in for the kernel question.
mkdir -p "$work/src/tests/bench" "$work/bin"
cp "$source_dir/setup.sh" "$source_dir/run.sh" "$work/src/"
cat >"$work/src/tests/bench/can-run-32bit" <<'EOF'
#!/bin/sh
[ "$FAKE_KERNEL_32BIT" = yes ] && exit 0
echo "the kernel runs no 32-bit programs"; exit 1
EOF

# apt-get: FAKE_UPDATE says how its update goes (ok, once: fails the first
# time, index: one index always fails); FAKE_BROKEN lists packages it cannot
# install (a list holding one fails whole, as apt does).
cat >"$work/bin/apt-get" <<'EOF'
#!/bin/bash
state=$FAKE_STATE
args=()
for a in "$@"; do case $a in -*|DPkg::*) ;; *) args+=("$a") ;; esac; done
echo "${args[*]}" >>"$state/calls"
case ${args[0]} in
  update)
    n=$(grep -c '^update' "$state/calls")
    if [ "$FAKE_UPDATE" = index ] || { [ "$FAKE_UPDATE" = once ] && [ "$n" = 1 ]; }; then
      echo "E: Failed to fetch http://deb.example/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 192.0.2.1 80]"
      echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
      exit 100
    fi ;;
  install)
    for p in "${args[@]:1}"; do
      if [[ " $FAKE_BROKEN " == *" $p "* ]]; then
        echo "E: Unable to correct problems, you have held broken packages."; exit 100
      fi
    done
    printf '%s\n' "${args[@]:1}" >>"$state/installed" ;;
esac
EOF
cat >"$work/bin/dpkg-query" <<'EOF'
#!/bin/sh
eval "p=\${$#}"
grep -qx "$p" "$FAKE_STATE/installed" && echo "install ok installed"
EOF
cat >"$work/bin/dpkg" <<'EOF'
#!/bin/sh
case $1 in
  --print-foreign-architectures) cat "$FAKE_STATE/archs" ;;
  --add-architecture) echo "$2" >>"$FAKE_STATE/archs" ;;
  --remove-architecture) grep -vx "$2" "$FAKE_STATE/archs" >"$FAKE_STATE/a"; mv "$FAKE_STATE/a" "$FAKE_STATE/archs" ;;
esac
EOF
printf '#!/bin/sh\nexec "$@"\n' >"$work/bin/sudo"
printf '#!/bin/sh\n' >"$work/bin/cmake"
chmod +x "$work/bin/"* "$work/src/tests/bench/can-run-32bit"

# One run of set-up from nothing installed (or, with keep, on the state the
# last run left): exit code and output in $rc and $work/out.
setup() {
  local keep=${1:-}
  [ -n "$keep" ] || { rm -rf "$work/state" "$work/src/build"; mkdir "$work/state"; : >"$work/state/installed"; : >"$work/state/archs"; }
  : >"$work/state/calls"
  PATH="$work/bin:$PATH" FAKE_STATE="$work/state" WK_SETUP_PAUSE=0 WK_SETUP_TRIES=3 \
    FAKE_UPDATE=$update FAKE_BROKEN=$broken FAKE_KERNEL_32BIT=$kernel32 \
    "$work/src/setup.sh" >"$work/out" 2>&1
  rc=$?
}
says() { grep -q -- "$1" "$work/out" || fail "does not say \"$1\""; }
says_not() { ! grep -q -- "$1" "$work/out" || fail "says \"$1\""; }
is_installed() { grep -qx -- "$1" "$work/state/installed" || fail "$1 not installed"; }
updates() { [ "$(grep -c '^update' "$work/state/calls")" = "$1" ] || fail "apt-get update ran $(grep -c '^update' "$work/state/calls") times, not $1"; }

# case             update kernel32 broken           exit updates
cases='
retried-update     once   yes      -                0    2
failing-index      index  yes      -                0    3
no-32bit-kernel    ok     no       -                0    1
wine32-broken      ok     yes      wine32:i386      0    1
optional-broken    ok     no       ccache           0    1
needed-broken      ok     no       cmake            1    1
'
while read -r case_name update kernel32 broken want_rc want_updates; do
  [ -n "$case_name" ] || continue
  [ "$broken" != - ] || broken=
  setup
  [ "$rc" = "$want_rc" ] || fail "exit code $rc, not $want_rc"
  updates "$want_updates"
  if [ "$rc" = 0 ]; then is_installed cmake; is_installed wine64; fi
  case $case_name in
    retried-update)
      is_installed wine32:i386
      grep -qx i386 "$work/state/archs" || fail "i386 architecture not added"
      says_not skipped ;;
    failing-index)
      says "going on without the package index http://deb.example/dists/bookworm-security/main/binary-i386/Packages.xz: File has unexpected size"
      is_installed wine32:i386 ;;
    no-32bit-kernel)
      [ "$(grep -c skipped "$work/out")" = 1 ] || fail "not one line saying what was skipped"
      says "skipped the 32-bit packages (wine32:i386, the i386 architecture): the kernel runs no 32-bit programs"
      ! grep -q i386 "$work/state/archs" "$work/state/calls" || fail "asked for i386 packages" ;;
    wine32-broken)
      [ "$(grep -c skipped "$work/out")" = 1 ] || fail "not one line saying what was skipped"
      says "skipped 32-bit Wine (wine32:i386): the kernel runs 32-bit programs, but apt could not install it: Unable to correct problems, you have held broken packages"
      ! grep -qx i386 "$work/state/archs" || fail "the i386 architecture added for nothing stays"
      # The next run remembers it and asks the registry nothing.
      setup keep
      [ "$rc" = 0 ] || fail "second run: exit code $rc"
      [ ! -s "$work/state/calls" ] || fail "second run called apt-get: $(cat "$work/state/calls")"
      says "skipped 32-bit Wine (wine32:i386): the kernel runs 32-bit programs, but apt could not install it" ;;
    optional-broken)
      says "left out the optional package ccache: Unable to correct problems"
      is_installed clang-format ;;
    needed-broken)
      says "cannot install cmake, which the build needs: Unable to correct problems, you have held broken packages"
      is_installed wine64 ;;
  esac
done <<<"$cases"

# The run script on a desktop gives Wine's sound streams 60 ms of latency,
# unless the user chose a latency (or none) already.
printf '#!/bin/sh\n' >"$work/src/setup.sh"
# shellcheck disable=SC2016
printf '#!/bin/sh\necho "latency=${PULSE_LATENCY_MSEC-unset}"\n' >"$work/bin/wine"
chmod +x "$work/bin/wine"
for choice in unset:60 25:25 empty:; do
  case_name="run.sh with PULSE_LATENCY_MSEC ${choice%%:*}"
  case ${choice%%:*} in
    unset) set -- env -u PULSE_LATENCY_MSEC ;;
    empty) set -- env PULSE_LATENCY_MSEC= ;;
    *) set -- env PULSE_LATENCY_MSEC="${choice%%:*}" ;;
  esac
  "$@" PATH="$work/bin:$PATH" DISPLAY=:99 WK_ARCH=x86_64 WK_WINE="$work/bin/wine" \
    "$work/src/run.sh" >"$work/out" 2>&1
  says "^latency=${choice#*:}$"
done

# An emulator registered for 32-bit x86 programs (qemu-user-static's) is no
# kernel that runs them; one for another machine is no matter.
binfmt="$work/binfmt"
mkdir "$binfmt"
echo enabled >"$binfmt/status"
printf 'enabled\ninterpreter /usr/libexec/qemu-binfmt/aarch64-binfmt-P\nflags: PF\noffset 0\nmagic 7f454c460201010000000000000000000200b700\n' >"$binfmt/qemu-aarch64"
for entry in none i386; do
  case_name="can-run-32bit with a binfmt_misc handler for $entry"
  [ "$entry" = none ] || printf 'enabled\ninterpreter /usr/libexec/qemu-binfmt/i386-binfmt-P\nflags: PF\noffset 0\nmagic 7f454c4601010100000000000000000002000300\n' >"$binfmt/qemu-i386"
  WK_BINFMT_MISC="$binfmt" "$source_dir/tests/bench/can-run-32bit" --kernel >"$work/out" 2>&1
  if [ "$entry" = i386 ]; then
    says "32-bit programs go to the emulator /usr/libexec/qemu-binfmt/i386-binfmt-P (binfmt_misc handler qemu-i386), not to the kernel"
  else
    says_not emulator
  fi
done

[ "$fails" = 0 ] || { echo "$fails failed"; exit 1; }
echo "all set-up and run script cases passed"
