#!/usr/bin/env bash
# Remakes the screenshots in docs/screenshots from the real widgets, drawn
# off screen: run it after changing a screen.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install_packages.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)" --target make_screenshots
QT_QPA_PLATFORM=offscreen ./build/tools/make_screenshots docs/screenshots
