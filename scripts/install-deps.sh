#!/usr/bin/env bash
# Installs the Debian packages Veldor needs to build, test, benchmark and fuzz
# (listed in scripts/debian-packages.txt).
set -euo pipefail
cd "$(dirname "$0")"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2046
$SUDO apt-get install -y -qq --no-install-recommends $(cat debian-packages.txt) >/dev/null
echo "install-deps: packages installed"
