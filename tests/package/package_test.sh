#!/usr/bin/env bash
# Builds the release package, unpacks it, and builds and runs a C program
# against the unpacked package only: once by hand with the flags its
# pkg-config file gives, once as a CMake project through its CMake package.
set -euo pipefail
build=$1
source=$2
arch=${3:-i686}      # i686 or x86_64: the cross tools' prefix
suffix=${4:-win32}   # win32 or win64: the package's name
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G ZIP >/dev/null)
zip=$(ls "$build"/package/vindra-*-"$suffix".zip)
(cd "$work" && cmake -E tar xf "$zip")
root=$(ls -d "$work"/vindra-*)
version=${root##*/vindra-}
version=${version%-"$suffix"}
for f in bin/vindra.exe bin/gallery.exe lib/libwk_toolkit.a include/wk_windows.h README.md; do
  [ -e "$root/$f" ] || { echo "package lacks $f"; exit 1; }
done
"$source/tests/package/shipped_programs.sh" "$root/bin" "$arch"

# Runs the program on the bench: it must end well and report the package's version.
run() {
  local out
  out=$("$source/tests/bench/wine-run" "$build/bench" "$1") || { echo "$out"; return 1; }
  echo "$out"
  grep -qx "wk $version" <<<"${out//$'\r'/}" || { echo "not the package's version $version"; return 1; }
}

pc() { PKG_CONFIG_LIBDIR="$root/lib/pkgconfig" PKG_CONFIG_PATH= pkg-config "$@" wk; }
[ "$(pc --modversion)" = "$version" ] || { echo "wk.pc says version $(pc --modversion)"; exit 1; }
objects=()
for rc in $(pc --variable=resources); do
  "$arch"-w64-mingw32-windres $(pc --cflags) "$rc" -O coff -o "$work/$(basename "$rc").o"
  objects+=("$work/$(basename "$rc").o")
done
"$arch"-w64-mingw32-gcc-posix -std=c99 -Wall -Wextra -Werror -pedantic $(pc --cflags) \
  -c "$source/tests/package/hello_toolkit.c" -o "$work/hello.o"
"$arch"-w64-mingw32-g++-posix -o "$work/hello.exe" "$work/hello.o" "${objects[@]}" $(pc --libs)
run "$work/hello.exe"

cmake -S "$source/tests/package/consumer" -B "$work/consumer" \
  -DCMAKE_TOOLCHAIN_FILE="$source/cmake/mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=Release \
  -Dwk_DIR="$root/lib/cmake/wk" -DWK_EXPECT_VERSION="$version" >"$work/consumer.log" 2>&1 ||
  { cat "$work/consumer.log"; exit 1; }
cmake --build "$work/consumer" >>"$work/consumer.log" 2>&1 || { cat "$work/consumer.log"; exit 1; }
run "$work/consumer/hello_toolkit.exe"
