#!/usr/bin/env bash
# Builds the Windows Installer package of a build folder, then installs it
# silently in a fresh Wine prefix as a user would, checks what it installed
# (tests/package/installed_check.cpp), installs a newer version over it, and
# removes it: nothing it made may be left in the prefix's files or registry.
#   msi_test.sh BUILD SOURCE i686|x86_64 SUFFIX VERSION
# Exits 77 (skipped) after building the package when this machine cannot run
# the target's programs.
set -euo pipefail
build=$(cd "$1" && pwd)
source=$2
arch=$3
suffix=$4
version=$5
case $arch in
  i686) msi_arch=x86 ;;
  x86_64) msi_arch=x64 ;;
esac
package=$build/package/vindra-$version-$suffix.msi
work=$build/msi-test
bench=$work/bench
"$source/tests/bench/bench.sh" stop "$bench"
rm -rf "$work"
mkdir -p "$work"

"$source/packaging/msi.sh" "$build" "$msi_arch" "$version" "$package"
echo "figure: package $(basename "$package") $(stat -c %s "$package") bytes"
if [ "$arch" = i686 ] && ! why=$("$source/tests/bench/i686-way"); then
  echo "skipped: the package is built, but it is not installed here: $why"
  exit 77
fi
# The same files as a newer release: the patch number one higher.
IFS=. read -r major minor patch <<<"$version"
newer=$major.$minor.$((${patch:-0} + 1))
"$source/packaging/msi.sh" "$build" "$msi_arch" "$newer" "$work/vindra-$newer-$suffix.msi"

trap '"$source/tests/bench/bench.sh" stop "$bench"' EXIT
"$source/tests/bench/bench.sh" start "$bench" "$arch"
# shellcheck disable=SC1091
. "$bench/bench.env"
run() { "$source/tests/bench/wine-run" "$bench" "$@"; }
windows_path() { local p=$1; echo "Z:${p//\//\\}"; }
drive_c=$WINEPREFIX/drive_c

# Every file and folder of drive C:, and the whole registry but for the
# display devices' keys, which Wine adds to as each program starts.
snapshot() {
  (cd "$drive_c" && find . | LC_ALL=C sort) >"$work/$1.files"
  run regedit /E "$(windows_path "$work/$1.utf16")"
  iconv -f UTF-16 -t UTF-8 "$work/$1.utf16" | tr -d '\r' |
    awk '/^\[/ { skip = index($0, "\\CurrentControlSet\\Control\\Video\\") > 0 } !skip' \
      >"$work/$1.reg"
  rm "$work/$1.utf16"
}

msiexec() {
  if ! run msiexec "$@" /qn; then
    echo "msiexec $* failed"
    exit 1
  fi
}

check() {
  if ! WK_EXPECT_VERSION=$1 WK_SHOT=$(windows_path "$work/installed.bmp") \
    run "$build/installed_check.exe" --gtest_filter="$2"; then
    echo "the installed copy failed its checks"
    exit 1
  fi
}

check "" 'Prefix.*'
snapshot before
msiexec /i "$(windows_path "$package")"
# A 32-bit package goes to the 32-bit programs' folder: "Program Files" on
# 32-bit Windows (the i686 bench's win32 prefix), "Program Files (x86)" on
# 64-bit Windows.
programs=$drive_c/Program\ Files/Vindra
if [ "$arch" = i686 ] && [ -d "$drive_c/Program Files (x86)" ]; then
  programs=$drive_c/Program\ Files\ \(x86\)/Vindra
fi
for f in vindra.exe gallery.exe README.md; do
  [ -f "$programs/$f" ] || { echo "the package did not install $f"; exit 1; }
done
"$source/tests/package/shipped_programs.sh" "$programs" "$arch"
[ ! -e "$programs/sdk" ] || { echo "the SDK was installed, but it is off by default"; exit 1; }
check "$version" 'Installed.*'
convert "$work/installed.bmp" "$build/package/installed-from-shortcut.png"
echo "screenshot of the installed program: $build/package/installed-from-shortcut.png"

# The newer package replaces the older one, this time with the SDK.
msiexec /i "$(windows_path "$work/vindra-$newer-$suffix.msi")" ADDLOCAL=ALL
check "$newer" 'Upgraded.*'
for f in include/wk_windows.h include/wk_version.h lib/libwk_toolkit.a \
  lib/cmake/wk/wkConfig.cmake lib/pkgconfig/wk.pc docs/windows.md; do
  [ -f "$programs/sdk/$f" ] || { echo "the SDK feature did not install $f"; exit 1; }
done

msiexec /x "$(windows_path "$work/vindra-$newer-$suffix.msi")"
snapshot after

# Left behind may be only the installer service's own empty places, made by
# the first package it installs: its cache folder and the keys of its records
# of products, without any value.
records='(Features|Products|UpgradeCodes|UserData(\\S-1-5-18(\\(Components|Products))?)?)'
service="^(\\./windows/Installer|\\[HKEY_LOCAL_MACHINE\\\\Software\\\\(Classes\\\\Installer|Microsoft\\\\Windows\\\\CurrentVersion\\\\Installer)(\\\\$records)?\\])$"
left=0
for kind in files reg; do
  while IFS= read -r line; do
    case $line in
      ">"*) if ! [[ ${line#> } =~ $service ]] && [ -n "${line#> }" ]; then
        echo "left behind: ${line#> }"
        left=1
      fi ;;
      "<"*) echo "removed, but there before: ${line#< }"; left=1 ;;
    esac
  done < <(diff "$work/before.$kind" "$work/after.$kind" || true)
done
[ $left = 0 ] || exit 1
echo "installed, started from its shortcut, upgraded to $newer and removed without a trace"
