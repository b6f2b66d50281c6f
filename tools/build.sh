#!/usr/bin/env bash
# Configures and builds everything into build/; the program folder is build/program. Extra
# arguments go to the configure step (./test.sh passes -DPELORIX_WERROR=ON).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$root/build" -j "$(nproc)"
