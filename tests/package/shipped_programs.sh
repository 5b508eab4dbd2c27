#!/usr/bin/env bash
# Checks the programs a package ships: stripped (no debug sections, no symbol
# table; the unstripped programs stay in the build folder for debugging), and
# the tone generator no bigger than a small native utility.
#   shipped_programs.sh FOLDER i686|x86_64
set -euo pipefail
folder=$1
arch=$2
limit=$((100 * 1024))
failed=0
for exe in vindra.exe gallery.exe; do
  file=$folder/$exe
  size=$(stat -c %s "$file")
  echo "figure: shipped $exe ($arch) $size bytes"
  if "$arch"-w64-mingw32-objdump -h "$file" | grep -q ' \.debug'; then
    echo "$exe carries debug sections"
    failed=1
  fi
  if ! "$arch"-w64-mingw32-nm "$file" 2>&1 | grep -q 'no symbols'; then
    echo "$exe carries a symbol table"
    failed=1
  fi
  if [ "$exe" = vindra.exe ] && [ "$size" -gt $limit ]; then
    echo "$exe is $size bytes, more than $limit"
    failed=1
  fi
done
exit $failed
