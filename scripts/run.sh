#!/usr/bin/env bash
# Builds Norv2 and starts it on the bundled sample record file.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/release -j "$(nproc)" --target Norv2
exec build/release/Norv2 "$PWD/samples/たろう.ｷﾛｸ"
