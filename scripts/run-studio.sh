#!/usr/bin/env bash
# Installs what is missing, builds, and starts Korvex Studio in a real window.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"
cd "$root"
exec "${KVX_BUILD_DIR:-$root/build}/studio/korvex-studio"
