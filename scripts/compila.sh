#!/usr/bin/env bash
# Configures and builds everything in build/ (RelWithDebInfo).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
cmake -S "$raiz" -B "$raiz/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$raiz/build" -j"$(nproc)"
