#!/usr/bin/env bash
# Installs what building and testing need on a Debian 12 machine.
# Idempotent: when everything is present it only checks and exits quietly.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi

PACKAGES=(
  wine wine32:i386 wine64 fonts-wine
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 cmake make googletest
  xvfb xauth imagemagick x11-utils xdotool
  g++ clang libclang-rt-14-dev clang-format
  ghostscript poppler-utils sox ccache wixl pkgconf
  pulseaudio pulseaudio-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# GoogleTest built once per Windows target with its cross compiler,
# installed where that target's toolchain file looks for it.
for arch in i686 x86_64; do
  GTEST_PREFIX=/opt/wk/$arch
  if [ ! -f "$GTEST_PREFIX/lib/libgtest.a" ]; then
    echo "setup: building GoogleTest for $arch-w64-mingw32"
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
