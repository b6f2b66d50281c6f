#!/usr/bin/env bash
# Builds Pelorix, checks the code style and runs every test: unit and window-model tests,
# offscreen GUI tests and the golden scenarios.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/tools/build.sh" -DPELORIX_WERROR=ON
"$root/tools/check-format.sh"
cd "$root/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
