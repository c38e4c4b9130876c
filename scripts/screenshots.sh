#!/usr/bin/env bash
# Regenerates the README's pictures of the five windows (docs/screenshots/) from the 64-bit
# player under Wine, with the project's fonts and sample media.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash scripts/setup.sh
source scripts/wine-env.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Sorvane winprobe
bash scripts/make-samples.sh "$root/build/samples"
trap 'scripts/session.sh stop' EXIT
scripts/session.sh start
python3 tests/e2e/screenshots.py --exe build/win64/app/Sorvane.exe \
  --probe build/win64/tests/e2e/winprobe.exe --samples build/samples --out docs/screenshots
echo "screenshots: docs/screenshots/"
