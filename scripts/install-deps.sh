#!/usr/bin/env bash
# Installs the Debian packages Veldor needs to build, test, benchmark and fuzz.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
  cmake ninja-build g++ clang libclang-rt-14-dev \
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev >/dev/null
echo "install-deps: packages installed"
