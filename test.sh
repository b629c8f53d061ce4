#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through
# CTest on the offscreen platform. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")"
tools/install_packages.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
