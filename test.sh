#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole suite (unit, data, end-to-end)
# with ctest; then, where clang's libFuzzer is available, runs every fuzz target.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh

status=0
ctest --test-dir build --output-on-failure -j"$(nproc)" || status=1

if command -v clang++ >/dev/null 2>&1 && [ "${MIRELON_SKIP_FUZZ:-0}" != 1 ]; then
  cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DMIRELON_BUILD_FUZZ=ON -DMIRELON_BUILD_TESTS=OFF -DMIRELON_BUILD_BENCH=OFF \
    -DMIRELON_SUBSYSTEMS="data;molar" >/dev/null
  cmake --build build-fuzz -j"$(nproc)"
  ctest --test-dir build-fuzz --output-on-failure -j"$(nproc)" || status=1
fi
exit $status
