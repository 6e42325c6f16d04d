#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (offscreen).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
kelmor_install_missing
kelmor_build
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j "$(nproc)" --timeout 600
