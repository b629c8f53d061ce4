#!/usr/bin/env bash
# Remakes the screenshots in docs/screenshots from the real widgets, drawn
# off screen: run it after changing a screen.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install_packages.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)" --target make_screenshots
out="$PWD/docs/screenshots"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The drills record into kyozai/ of the current folder: keep that out of the tree.
(cd "$scratch" && QT_QPA_PLATFORM=offscreen "$OLDPWD/build/tools/make_screenshots" "$out")
