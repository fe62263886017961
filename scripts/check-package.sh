#!/usr/bin/env bash
# check-package.sh [build dir]: installs the built toolkit into a fresh prefix, then builds
# examples/outside against it from scratch with g++ and with clang++ (warnings as errors) and runs
# it headless: the package is what an application outside this tree gets.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-${KVX_BUILD_DIR:-$root/build}}"
build="$(cd "$build" && pwd)"  # the checks below run in the scratch folder
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
for compiler in g++ clang++-14; do
  if ! command -v "$compiler" >/dev/null; then
    echo "check-package: $compiler is missing (scripts/install-deps.sh installs it)" >&2
    exit 1
  fi
  out="$work/outside-$compiler"
  CXX="$compiler" cmake -S "$root/examples/outside" -B "$out" -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
  cmake --build "$out" -j2 >/dev/null
  answer="$("$out/greeter" --check)"
  # A header of every kind, with texts and handles that need escaping, under the strictest flags.
  "$work/prefix/bin/kvx-export" --cpp "$root/tests/design/every_kind_edited.kvx" -o "$work/every_kind_edited.hpp" \
    --scheme 'my "dark".scheme'
  echo 'int main() { EveryKindEdited::LoadScheme(); EveryKindEdited ui; ui.Create(); }' |
    "$compiler" -std=c++20 -Wall -Wextra -Werror -pedantic -fsyntax-only -I"$work/prefix/include/korvex" \
      -include "$work/every_kind_edited.hpp" -x c++ -
  echo "check-package: built with $compiler, it answers: $answer"
done
# Added with add_subdirectory, the source tree brings the toolkit and its tools, not its tests.
CXX=g++ cmake -S "$root/examples/outside" -B "$work/subdirectory" -DKORVEX_SOURCE_DIR="$root" >/dev/null
targets="$(cmake --build "$work/subdirectory" --target help)"
grep -q '\.\.\. greeter$' <<<"$targets" && grep -q '\.\.\. kvx-export$' <<<"$targets"
if grep -q '\.\.\. test_' <<<"$targets"; then
  echo "check-package: add_subdirectory builds the toolkit's tests" >&2
  exit 1
fi
echo "check-package: add_subdirectory of the source tree gives the toolkit without its tests"

# pkg-config gives what a plain compiler line needs; this program loads the design at run time.
export PKG_CONFIG_PATH="$work/prefix/lib/pkgconfig"
cat >"$work/loader.cpp" <<'PROGRAM'
#include <Inc_Korvex.hpp>
int main(int, char** argv) {
    kvx::UseBackend(kvx::Backend::Headless);
    kvx::Graphics(1024, 768, 0, 60);
    kvx::KVX_InitGUI(2);
    const kvx::KVX_LoadedDesign design = kvx::KVX_LoadDesign(argv[1]);
    const bool found = design.Ok() && design.Get<kvx::KVX_PushButton>("Greet");
    kvx::KVX_ClearGui();
    kvx::EndGraphics();
    return found ? 0 : 1;
}
PROGRAM
# shellcheck disable=SC2046
g++ -Wall -Wextra -Werror -pedantic "$work/loader.cpp" -o "$work/loader" $(pkg-config --cflags --libs korvex)
"$work/loader" "$root/examples/outside/greeter.kvx"
echo "check-package: korvex.pc $(pkg-config --modversion korvex) builds a program that loads greeter.kvx"

# A tinted scheme saved in the tree, loaded by a program built against the package, draws the
# scheme sample window pixel for pixel as the same program built in the tree draws it. They run in
# the scratch folder, so each reads the fonts of its own data folder.
in_tree="$build/examples/scheme_frame/scheme_frame"
# shellcheck disable=SC2046
g++ -Wall -Wextra -Werror -pedantic "$root/examples/scheme_frame/main.cpp" -o "$work/scheme_frame" \
  $(pkg-config --cflags --libs korvex)
cd "$work"
: >default.scheme
KORVEX_DATA_DIR="$build/install-data" "$in_tree" --save-tinted tinted.scheme
KORVEX_DATA_DIR="$build/install-data" "$in_tree" default.scheme default.ppm
KORVEX_DATA_DIR="$build/install-data" "$in_tree" tinted.scheme in-tree.ppm
KORVEX_DATA_DIR="$work/prefix/share/korvex" ./scheme_frame tinted.scheme installed.ppm
if cmp -s default.ppm in-tree.ppm; then
  echo "check-package: the tinted scheme draws the sample as the default scheme does" >&2
  exit 1
fi
if ! cmp -s in-tree.ppm installed.ppm; then
  echo "check-package: the installed package draws the tinted sample unlike the tree" >&2
  exit 1
fi
echo "check-package: a tinted scheme saved in the tree draws the same sample through the package"
