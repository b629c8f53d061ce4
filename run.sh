#!/usr/bin/env bash
# Installs what is missing, builds Kazerumi in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")"
tools/install_packages.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)" --target kazerumi
exec ./build/kazerumi "$@"
