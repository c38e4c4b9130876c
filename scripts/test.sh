#!/usr/bin/env bash
# Sets up whatever is missing, builds every configuration and runs the whole test suite:
# the portable core natively (plain and with AddressSanitizer/UBSan), the Windows tests of
# the 64-bit build under Wine, and a short run of each fuzz target. The 32-bit build is
# compiled every time; this machine cannot run it. Ends with CTest's summary line.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
jobs=$(nproc)

bash scripts/setup.sh
source scripts/wine-env.sh

builds=(host host-sanitize fuzz win32 win64)
for preset in "${builds[@]}"; do
  echo "== build $preset"
  cmake --preset "$preset" >"build-$preset.log" 2>&1 || { cat "build-$preset.log"; exit 1; }
  rm -f "build-$preset.log"
  cmake --build --preset "$preset" -j "$jobs"
done

# One CTest run over the builds that run here, so the suite ends in one summary line.
mkdir -p build/all
{
  echo "# The builds whose tests run on this machine (the 32-bit build cannot run here)."
  echo 'subdirs("../host" "../host-sanitize" "../fuzz" "../win64")'
} >build/all/CTestTestfile.cmake

trap 'scripts/session.sh stop' EXIT
scripts/session.sh start
ctest --test-dir build/all --output-on-failure -j "$jobs"
