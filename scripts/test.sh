#!/usr/bin/env bash
# Builds Norv2 twice (plain, and with address and undefined-behaviour sanitizers) and runs every test in both.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

echo "== Formatting"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

jobs=$(nproc)
run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNORV2_WERROR=ON "$@"
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

echo "== Plain build"
run_suite build/release
echo "== Sanitizer build (address, undefined)"
run_suite build/sanitize -DNORV2_SANITIZE=ON
