#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless, then builds an application
# outside the tree against the installed package, runs the real-window checks under Xvfb, prints
# the benchmark figures in their short mode, then runs the whole suite again under the sanitizers
# and a bounded run of every fuzz target.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KVX_BUILD_DIR:-$root/build}"
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"
ctest --test-dir "$build" --output-on-failure -j2
bash "$root/scripts/check-package.sh" "$build"
bash "$root/scripts/xvfb-tests.sh" "$build"
bash "$root/scripts/bench.sh" --short "$build"
bash "$root/scripts/sanitize.sh"
bash "$root/scripts/fuzz.sh"
