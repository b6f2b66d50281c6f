#!/usr/bin/env bash
# The style check must run on a machine that has only what the project installs: no git.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
bin="$(mktemp -d)"
trap 'rm -rf "$bin"' EXIT
for tool in bash env dirname find sort xargs clang-format; do
  ln -s "$(command -v "$tool")" "$bin/$tool"
done
PATH="$bin" "$root/tools/check-format.sh"
