#!/usr/bin/env bash
# Sets up whatever is missing, builds every configuration and runs the whole test suite:
# the portable core natively (plain and with AddressSanitizer/UBSan), the Windows tests of
# both builds under Wine, and a short run of each fuzz target. Ends with CTest's summary line.
#
#   scripts/test.sh                 every preset
#   scripts/test.sh host win64      only these presets (built and tested)
#
# Where the machine cannot run 32-bit code, the 32-bit build is compiled but not run, and
# the set-up says so once.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
jobs=$(nproc)
source scripts/can-run-32bit.sh

bash scripts/setup.sh
source scripts/wine-env.sh

all=(host host-sanitize fuzz win32 win64)
builds=("$@")
[ ${#builds[@]} -eq 0 ] && builds=("${all[@]}")
for preset in "${builds[@]}"; do
  [[ " ${all[*]} " == *" $preset "* ]] || { echo "test: no preset named $preset" >&2; exit 2; }
done

logs=build/logs
mkdir -p "$logs"
for preset in "${builds[@]}"; do
  echo "== build $preset"
  cmake --preset "$preset" >"$logs/configure-$preset.log" 2>&1 ||
    { cat "$logs/configure-$preset.log"; exit 1; }
  cmake --build --preset "$preset" -j "$jobs"
done

# The Windows packages, whenever both players were built.
if [ -f build/win32/app/Sorvane.exe ] && [ -f build/win64/app/Sorvane.exe ]; then
  echo "== packages"
  bash scripts/package.sh >"$logs/package.log" 2>&1 || { cat "$logs/package.log"; exit 1; }
  tail -n 4 "$logs/package.log"
fi

# One CTest run over the builds that run here, so the suite ends in one summary line.
runs=()
for preset in "${builds[@]}"; do
  if [ "$preset" = win32 ] && ! sorvane_can_run_32bit; then
    continue
  fi
  runs+=("\"../$preset\"")
done
mkdir -p build/all
{
  echo "# The builds whose tests run in this run."
  echo "subdirs(${runs[*]})"
} >build/all/CTestTestfile.cmake

trap 'scripts/session.sh stop' EXIT
scripts/session.sh start
ctest --test-dir build/all --output-on-failure -j "$jobs"
