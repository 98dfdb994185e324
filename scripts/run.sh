#!/usr/bin/env bash
# Builds Vellumcast and analyses the recordings given on the command line
# (default: the shared corpus next to the repository).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target vellumcast-cli
if [ $# -eq 0 ]; then
    set -- ../shared/corpus/*.mg*
fi
exec build/bin/vellumcast-cli analyze "$@"
