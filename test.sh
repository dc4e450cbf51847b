#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole suite (unit, data, end-to-end)
# with ctest; then, where clang is available, runs the unit tests of the libraries that
# read files and hold tables under the sanitizers, and every fuzz target.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh

status=0
if command -v clang-format >/dev/null 2>&1; then
  # The committed .clang-format is the house layout: a file that does not follow it fails.
  git ls-files -- src tests bench fuzz | grep -E '\.(cpp|h)$' |
    xargs clang-format --dry-run -Werror || { echo "clang-format: see the files above"; status=1; }
fi
ctest --test-dir build --output-on-failure -j"$(nproc)" || status=1

if command -v clang++ >/dev/null 2>&1 && [ "${MIRELON_SKIP_SANITIZE:-0}" != 1 ]; then
  # A use after destruction, a leak or undefined behaviour fails the test that meets it.
  # Unoptimised, with line tables only for the reports: the quickest build to run them.
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-gline-tables-only \
    -DCMAKE_CXX_COMPILER=clang++ -DMIRELON_SANITIZE=ON -DMIRELON_BUILD_BENCH=OFF \
    -DMIRELON_SUBSYSTEMS="data;controls;sheet" >/dev/null
  cmake --build build-asan -j"$(nproc)"
  ctest --test-dir build-asan --output-on-failure -j"$(nproc)" || status=1
fi

if command -v clang++ >/dev/null 2>&1 && [ "${MIRELON_SKIP_FUZZ:-0}" != 1 ]; then
  # Lightly optimised with line tables: quick to build, and a crash still names its line.
  cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O1 -gline-tables-only" \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DMIRELON_BUILD_FUZZ=ON -DMIRELON_BUILD_TESTS=OFF -DMIRELON_BUILD_BENCH=OFF \
    -DMIRELON_SUBSYSTEMS="data;molar;calculs;charts" >/dev/null
  cmake --build build-fuzz -j"$(nproc)"
  ctest --test-dir build-fuzz --output-on-failure -j"$(nproc)" || status=1
fi
exit $status
