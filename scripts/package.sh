#!/usr/bin/env bash
# Makes the Windows packages from the two builds' players (build them first, e.g. with
# scripts/test.sh or `cmake --build --preset win32` and `win64`):
#   build/packages/Sorvane-win32.zip, Sorvane-win64.zip  the player, ReadMe.txt, LICENSE.txt
#   build/packages/Sorvane-setup.exe                     the installer (NSIS)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
out=build/packages
stage=$out/stage
rm -rf "$out"
mkdir -p "$stage/docs"

for bits in 32 64; do
  player=build/win$bits/app/Sorvane.exe
  [ -f "$player" ] || { echo "package: $player is missing; build the win$bits preset first" >&2; exit 1; }
done

# The texts as Windows editors read them: UTF-8 with a byte-order mark and CRLF line ends.
text() { printf '\xef\xbb\xbf' >"$2"; sed 's/$/\r/' "$1" >>"$2"; }
text tools/package/ReadMe.txt "$stage/docs/ReadMe.txt"
text LICENSE "$stage/docs/LICENSE.txt"

# The players as shipped: without the debugging information the builds carry.
strip_tool() { [ "$1" = 32 ] && echo i686-w64-mingw32-strip || echo x86_64-w64-mingw32-strip; }
for bits in 32 64; do
  dir=$stage/win$bits/Sorvane
  mkdir -p "$dir"
  "$(strip_tool $bits)" -o "$dir/Sorvane.exe" "build/win$bits/app/Sorvane.exe"
  cp "$stage/docs/ReadMe.txt" "$stage/docs/LICENSE.txt" "$dir/"
  (cd "$stage/win$bits" && zip -q -X -r "$root/$out/Sorvane-win$bits.zip" Sorvane)
done

makensis -V2 -INPUTCHARSET UTF8 \
  -DSOURCE32="$root/$stage/win32/Sorvane" -DSOURCE64="$root/$stage/win64/Sorvane" \
  -DDOCS="$root/$stage/docs" -DOUTFILE="$root/$out/Sorvane-setup.exe" tools/package/Sorvane.nsi
rm -rf "$stage"
ls -l "$out"
