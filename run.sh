#!/usr/bin/env bash
# Builds Pelorix and starts it from its program folder.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/tools/build.sh"
exec "$root/build/program/Pelorix"
