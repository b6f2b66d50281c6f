#!/usr/bin/env bash
# Installs, from Debian 12's packages, whatever of the build and test tools is missing; with
# --sanitizers also clang and its sanitizer and libFuzzer runtimes (tools/sanitize.sh).
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
          libsqlite3-dev sqlite3 libgtest-dev libgmock-dev clang-format)
if [ "${1:-}" = --sanitizers ]; then
  packages+=(clang libclang-rt-14-dev)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
