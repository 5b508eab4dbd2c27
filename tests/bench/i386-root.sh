#!/usr/bin/env bash
# An i386 Debian root with 32-bit Wine inside, for machines whose own 32-bit
# Wine cannot run: made once per machine in a cache folder outside any work
# tree, and shared by every clone and CI run there.
#
#   i386-root.sh make            make the root (or bring its packages up to
#                                date) and unpack the i386 emulator beside it
#   i386-root.sh check MODE      exit 0 when the root can run programs in MODE
#                                (root: the kernel runs i386 code natively;
#                                emulated: through qemu-user), else say why
#   i386-root.sh start DIR MODE  start a namespace that holds the root for the
#                                bench in DIR; writes DIR/i386/{wine,wineserver},
#                                which run those programs inside it, and
#                                prints the holder's process id
#
# Nothing is installed or registered system-wide. The root is entered in a
# user and mount namespace of its own, with /proc, /dev, /tmp, the source
# folder and the bench's build folder bind-mounted at their own paths (test
# programs have those paths compiled in). Where the kernel runs no 32-bit
# code, the namespace gets a binfmt_misc mount of its own (kernel 6.7 or
# later) that hands i386 programs to a static qemu-i386 of version 10, from
# the backports suite of the machine's own Debian mirror: bookworm's qemu 7.2
# spends about a minute of processor time starting each Wine process.
#
# WK_CACHE chooses another cache folder.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source_dir="$(cd "$here/../.." && pwd)"
if [ "$(id -u)" = 0 ]; then cache=${WK_CACHE:-/var/cache/wk}; else cache=${WK_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/wk}; fi
root=$cache/i386-root
qemu=$cache/qemu/usr/bin/qemu-i386
# What the 32-bit programs and their tests need inside: Wine with the
# libraries the machine's own Wine recommends for X11 drawing, fonts, sound
# (ALSA and PulseAudio) and printing, and the tools the bench printer's
# spooler command runs.
packages=(wine wine32 fonts-wine fonts-liberation libpulse0 libasound2 libasound2-plugins
  libxcomposite1 libxcursor1 libxfixes3 libxi6 libxinerama1 libxrandr2 libxrender1 libxxf86vm1
  libgnutls30 libdbus-1-3 libcups2 ghostscript poppler-utils)

say() { echo "i386-root: $*" >&2; }

# Runs a command as root of a new user and mount namespace. Root of the
# machine maps every user id onto itself (the package manager sets files'
# owners); another user becomes root there through --map-root-user, with its
# subordinate ids where it has them.
in_namespace() {
  if [ "$(id -u)" != 0 ]; then
    local auto=()
    if command -v newuidmap >/dev/null && grep -qs "^$(id -un):" /etc/subuid; then auto=(--map-auto); fi
    unshare --user --map-root-user "${auto[@]}" --mount --fork -- "$@"
    return
  fi
  # The map can only be written from outside: the namespace's first program
  # waits for it, and the program it then starts has root's rights there.
  local ours pid
  ours=$(readlink /proc/self/ns/user)
  exec 3<&0
  unshare --user --mount --fork -- sh -c \
    'until grep -q . /proc/self/uid_map; do sleep 0.01; done; exec "$@"' sh "$@" <&3 &
  pid=$!
  exec 3<&-
  while [ "$(readlink "/proc/$pid/ns/user" 2>/dev/null || echo "$ours")" = "$ours" ]; do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.01
  done
  echo "0 0 4294967295" >"/proc/$pid/gid_map" 2>/dev/null || true
  echo "0 0 4294967295" >"/proc/$pid/uid_map" 2>/dev/null || true
  wait "$pid"
}

# Inside the namespace: hands i386 programs to the emulator through a
# binfmt_misc mount of the namespace's own. Flag F opens the emulator now,
# so it need not be inside the root.
register_emulator() {
  local mnt=$1
  mkdir -p "$mnt"
  mount -t binfmt_misc binfmt_misc "$mnt" || return 1
  local magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  local mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  echo ":wk-i386:M::$magic:$mask:$qemu:F" >"$mnt/register"
}

kernel_runs_i386() { "$here/can-run-32bit" --kernel >/dev/null; }

# The machine's Debian mirror: the one its apt configuration uses for the
# machine's own release.
mirror() {
  local codename=$1
  apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' 2>/dev/null |
    awk -v suite="$codename" '$2 == suite && $3 == "main" { print $1; exit }'
}

# The emulator: qemu-user from the mirror's backports suite, fetched through a
# private package list and unpacked, nothing installed.
get_emulator() {
  local url=$1 codename=$2
  [ -x "$qemu" ] && return 0
  local work
  work=$(mktemp -d)
  mkdir -p "$work/lists/partial" "$work/archives/partial"
  echo "deb $url $codename-backports main" >"$work/sources.list"
  local apt=(-o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=/dev/null
    -o Dir::State::Lists="$work/lists" -o Dir::Cache="$work" -o APT::Architectures::=amd64
    -o Debug::NoLocking=1)
  if ! apt-get "${apt[@]}" update -qq >"$work/log" 2>&1 ||
    ! (cd "$work" && apt-get "${apt[@]}" download -qq "qemu-user/$codename-backports" >>"$work/log" 2>&1); then
    say "could not fetch qemu-user from $codename-backports: $(tail -1 "$work/log")"
    rm -rf "$work"
    return 1
  fi
  rm -rf "$cache/qemu"
  mkdir -p "$cache/qemu"
  dpkg-deb --fsys-tarfile "$work"/qemu-user_*.deb |
    tar -x -C "$cache/qemu" ./usr/bin/qemu-i386 ./usr/share/doc/qemu-user/copyright
  rm -rf "$work"
  [ -x "$qemu" ]
}

# Inside the namespace, as its root: the emulator where asked, the bind
# mounts programs in the root need (none while the root is being made), then
# the command.
enter() {
  local mode=$1
  shift
  if [ "$mode" = emulated ]; then register_emulator "$cache/binfmt" || exit 1; fi
  if [ "$1" = bare ]; then
    shift
    exec "$@"
  fi
  mount --rbind /proc "$root/proc"
  mount --rbind /dev "$root/dev"
  mount --rbind /tmp "$root/tmp"
  while [ "$1" != -- ]; do
    mkdir -p "$root$1"
    mount --rbind "$1" "$root$1"
    shift
  done
  shift
  exec "$@"
}

make_root() {
  mkdir -p "$cache"
  exec 9>"$cache/.lock"
  flock 9
  local codename url mode started=$SECONDS log=$cache/i386-root.log
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  url=$(mirror "$codename")
  if [ -z "$url" ]; then
    say "no Debian mirror for '$codename' in this machine's apt configuration"
    return 1
  fi
  if [ ! -x "$root/usr/bin/apt-get" ] || [ ! -x "$root/usr/lib/ld-linux.so.2" ]; then
    command -v debootstrap >/dev/null || { say "debootstrap is missing"; return 1; }
  fi
  # Made natively where the kernel runs i386 code, else emulated: the
  # emulator is fetched first either way, so both ways can run.
  get_emulator "$url" "$codename" || true
  mode=emulated
  if [ "${WK_I686_VIA:-}" != emulated ] && kernel_runs_i386; then
    mode=root
  fi
  if [ "$mode" = emulated ] && [ ! -x "$qemu" ]; then
    say "the kernel runs no i386 code here and there is no emulator"
    return 1
  fi
  local wanted="${packages[*]}"
  if [ "$(cat "$root/.wk-ready" 2>/dev/null)" = "$wanted" ]; then return 0; fi
  say "making the i386 root in $root ($mode; a few minutes, once per machine; log: $log)"
  if [ ! -x "$root/usr/bin/apt-get" ]; then
    rm -rf "$root"
    mkdir -p "$root"
    # In a user namespace no device node can be made: debootstrap then binds
    # the machine's, as it does in a container.
    if ! in_namespace env container=lxc "$here/i386-root.sh" inside "$mode" bare \
      debootstrap --arch=i386 --variant=minbase "$codename" "$root" "$url" >"$log" 2>&1; then
      say "debootstrap failed: $(grep -v '^I:' "$log" | tail -1)"
      return 1
    fi
  fi
  echo "deb $url $codename main" >"$root/etc/apt/sources.list"
  cat >"$root/etc/apt/apt.conf.d/90wk" <<'APT'
APT::Install-Recommends "false";
APT::Sandbox::User "root";
Acquire::Languages "none";
APT
  if ! in_namespace "$here/i386-root.sh" inside "$mode" -- chroot "$root" sh -c \
    'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$@" && apt-get clean' \
    sh "${packages[@]}" >>"$log" 2>&1; then
    say "installing Wine in the root failed: $(tail -1 "$log")"
    return 1
  fi
  echo "$wanted" >"$root/.wk-ready"
  say "the i386 root is ready: $(du -sh "$root" 2>/dev/null | cut -f1); it took $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"
}

check() {
  local mode=$1
  if [ ! -f "$root/.wk-ready" ]; then
    echo "there is no i386 root in $cache (./setup.sh makes it)"
    return 1
  fi
  case "$mode" in
    root)
      if ! kernel_runs_i386; then
        echo "the kernel runs no i386 code"
        return 1
      fi
      ;;
    emulated)
      if [ ! -x "$qemu" ]; then
        echo "there is no i386 emulator in $cache/qemu"
        return 1
      fi
      local out
      if ! out=$(in_namespace "$here/i386-root.sh" inside emulated bare true 2>&1); then
        echo "no private binfmt_misc in a user namespace here (${out:-unshare failed})"
        return 1
      fi
      ;;
  esac
}

# The build folder of a bench folder: the nearest folder above it with a
# CMake cache, else its parent.
build_folder() {
  local d=$1
  while [ "$d" != / ]; do
    [ -f "$d/CMakeCache.txt" ] && { echo "$d"; return; }
    d=$(dirname "$d")
  done
  dirname "$1"
}

start() {
  local dir=$1 mode=$2
  local folders=("$source_dir") build
  build=$(build_folder "$dir")
  case "$build/" in "$source_dir"/*) ;; *) folders+=("$build") ;; esac
  mkdir -p "$dir/i386"
  rm -f "$dir/i386/holder.pid"
  # The holder: a process that keeps the namespace and its mounts; programs
  # join it (nsenter) and chroot into the root.
  in_namespace "$here/i386-root.sh" inside "$mode" "${folders[@]}" -- \
    sh -c 'echo $$ >"$1.tmp" && mv "$1.tmp" "$1" && exec sleep infinity' sh "$dir/i386/holder.pid" \
    </dev/null >"$dir/i386/holder.log" 2>&1 &
  local launcher=$!
  for _ in $(seq 100); do
    [ -s "$dir/i386/holder.pid" ] && break
    kill -0 "$launcher" 2>/dev/null || break
    sleep 0.05
  done
  [ -s "$dir/i386/holder.pid" ] || { say "the namespace did not start: $(tail -1 "$dir/i386/holder.log")"; return 1; }
  local pid
  pid=$(cat "$dir/i386/holder.pid")
  # Wine's programs, run in the root from the caller's folder (or / where
  # the root does not have it). nsenter opens both before it enters the
  # namespace, so they are named as the holder sees them.
  local tool inside=/proc/$pid/root$root
  for tool in wine wineserver; do
    cat >"$dir/i386/$tool" <<RUN
#!/bin/sh
wd=\$PWD
[ -d "$inside\$wd" ] || wd=/
exec nsenter --target $pid --user --mount --root="$inside" --wd="$inside\$wd" -- /usr/bin/$tool "\$@"
RUN
    chmod +x "$dir/i386/$tool"
  done
  echo "$pid"
}

case "${1:-}" in
  make) make_root ;;
  check) check "${2:?root or emulated}" ;;
  start) start "${2:?bench folder}" "${3:?root or emulated}" ;;
  inside)
    # Run inside the namespace: inside MODE bare COMMAND... (the emulator
    # only) or inside MODE [FOLDER...] -- COMMAND... (the root's mounts too).
    shift
    enter "$@"
    ;;
  *)
    echo "usage: i386-root.sh make | check MODE | start DIR MODE" >&2
    exit 2
    ;;
esac
