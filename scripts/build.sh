#!/usr/bin/env bash
# Configures and builds everything into build/, then puts the two font files beside KVX_Demos/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KVX_BUILD_DIR:-$root/build}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2
bash "$root/scripts/fonts.sh" "$build/tools/make_fon/make_fon" "$root"
