#!/usr/bin/env bash
# Builds the Windows Installer package of a build folder with wixl:
#   msi.sh BUILD_DIR x86|x64 VERSION OUTPUT.msi
# The programs and the README go to the top of Program Files\Vindra, and the
# release package's SDK (headers, library, resource script, CMake and
# pkg-config files, reference) to its sdk folder, as an optional feature.
set -euo pipefail
build=$1
arch=$2
version=$3
output=$4
here="$(cd "$(dirname "$0")" && pwd)"
case $arch in
  x86) win64=no ;;
  x64) win64=yes ;;
  *) echo "msi.sh: the target is x86 or x64, not $arch" >&2; exit 2 ;;
esac
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

# The programs are installed stripped; the build folder keeps them whole.
cmake --install "$build" --prefix "$stage/sdk" --strip >/dev/null
mv "$stage"/sdk/bin/*.exe "$stage/sdk/README.md" "$stage/"
rmdir "$stage/sdk/bin"
# One component per file, with identifiers and component codes that follow
# from the file's path, so a newer package's components match the older ones.
(cd "$stage" && find sdk -type f | LC_ALL=C sort |
  wixl-heat -p "" --directory-ref INSTALLDIR --component-group SdkFiles --var var.StageDir \
    --win64) >"$stage/sdk.wxs"
mkdir -p "$(dirname "$output")"
output="$(cd "$(dirname "$output")" && pwd)/$(basename "$output")"
# wixl takes file paths relative to where it runs.
(cd "$stage" && wixl -a "$arch" -D Version="$version" -D Arch="$arch" -D Win64="$win64" \
  -D StageDir=. -o "$output" "$here/vindra.wxs" sdk.wxs)
