#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what its .clang-format makes of it. The
# files are listed from the folders themselves, so the check needs no version control tool.
set -euo pipefail
cd "$(dirname "$0")/.."
find src tests tools -type f \( -name '*.cpp' -o -name '*.h' \) -print0 |
  sort -z | xargs -0 clang-format --dry-run -Werror
