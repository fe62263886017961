#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless, then checks the installed package
# from an application outside the tree, then the real-window checks under
# Xvfb, then the whole suite again under the sanitizers and a bounded run of every fuzz target.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KVX_BUILD_DIR:-$root/build}"
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"
ctest --test-dir "$build" --output-on-failure -j2
bash "$root/scripts/check-package.sh" "$build"
bash "$root/scripts/xvfb-tests.sh" "$build"
bash "$root/scripts/sanitize.sh"
bash "$root/scripts/fuzz.sh"
