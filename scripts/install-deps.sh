#!/usr/bin/env bash
# Installs the Debian packages that are missing, and nothing when all are
# there. `install-deps.sh build` takes what building needs; without an
# argument, also what the tests, the fuzz run and the docs need.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config libicu-dev libncurses-dev libcpp-httplib-dev
          nlohmann-json3-dev libbenchmark-dev libgtest-dev libgmock-dev)
if [[ "${1:-all}" != build ]]; then
  packages+=(clang libclang-rt-14-dev clang-format clang-tidy tmux doxygen binutils chromium hyperfine
             abi-dumper abi-compliance-checker)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
# Node.js may come from another source than Debian's, with its own npm.
if [[ "${1:-all}" != build ]] && ! command -v npm >/dev/null; then
  missing+=(nodejs npm)
fi
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
