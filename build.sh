#!/usr/bin/env bash
# Configures and builds into build/ (through ccache when it is installed).
set -euo pipefail
cd "$(dirname "$0")"
launcher=()
if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "${launcher[@]}" >/dev/null
cmake --build build -j"$(nproc)"
