#!/usr/bin/env bash
# Builds the release package, unpacks it, and builds and runs a C program
# against the unpacked headers and library only.
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
for f in bin/vindra.exe bin/gallery.exe lib/libwk_toolkit.a include/wk_windows.h README.md; do
  [ -e "$root/$f" ] || { echo "package lacks $f"; exit 1; }
done

objects=()
for rc in "$root"/resources/*.rc; do
  [ -e "$rc" ] || continue
  "$arch"-w64-mingw32-windres -I "$root/include" "$rc" -O coff -o "$work/$(basename "$rc").o"
  objects+=("$work/$(basename "$rc").o")
done
"$arch"-w64-mingw32-gcc-posix -std=c99 -Wall -Wextra -Werror -pedantic -I "$root/include" \
  -c "$source/tests/package/hello_toolkit.c" -o "$work/hello.o"
"$arch"-w64-mingw32-g++-posix -static -o "$work/hello.exe" "$work/hello.o" "${objects[@]}" \
  "$root/lib/libwk_toolkit.a" -lcomctl32 -lcomdlg32 -lwinmm -lgdi32 -luser32 -lwinspool \
  -ladvapi32
"$source/tests/bench/wine-run" "$build/bench" "$work/hello.exe"
