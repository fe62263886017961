#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless, then the real-window checks under Xvfb.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KVX_BUILD_DIR:-$root/build}"
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"
ctest --test-dir "$build" --output-on-failure -j2
bash "$root/scripts/xvfb-tests.sh" "$build"
