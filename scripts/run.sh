#!/usr/bin/env bash
# Builds Vellumcast and starts the explorer window on FOLDER (default: the
# folder it showed last). Without a display it writes a picture of the window
# with a recording of the shared corpus selected instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target vellumcast vellumcast-cli
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    if [ $# -gt 0 ]; then
        set -- --path "$1"
    else
        set -- --path ../shared/corpus --select hd-8players.mgx
    fi
    QT_QPA_PLATFORM=offscreen build/bin/vellumcast --screenshot build/screenshot.png --size 1100x800 "$@"
    echo "No display: wrote a picture of the window to build/screenshot.png"
    exit 0
fi
if [ $# -gt 0 ]; then
    exec build/bin/vellumcast --path "$1"
fi
exec build/bin/vellumcast
