#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tessellon.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
./build.sh
exec ./build/tessellon "$@"
