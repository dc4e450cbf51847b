#!/usr/bin/env bash
# Installs what is missing (Debian 12), then configures and builds into build/.
#   tools/setup.sh program   what building and running the program needs, and the program alone
#   tools/setup.sh           everything the suite needs too (tests, end-to-end, packaging)
# Shared by run.sh (the first) and test.sh (the second).
set -euo pipefail
cd "$(dirname "$0")/.."
what="${1:-suite}"

program_packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n libgl-dev
  libqcustomplot-dev libuemf-dev
  fonts-liberation lld
)
suite_packages=(
  libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  xvfb xdotool xclip imagemagick x11-utils python3
  dbus at-spi2-core python3-pyatspi
  bodr emf2svg libwmf-bin poppler-utils fonts-urw-base35 desktop-file-utils
  librsvg2-bin appstream lintian file
)
packages=("${program_packages[@]}")
[ "$what" = program ] || packages+=("${suite_packages[@]}")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "Mirelon ne peut pas être construit : il manque ces paquets Debian, que seul" >&2
      echo "l'administrateur de cette machine peut installer (apt-get install) :" >&2
      echo "  ${missing[*]}" >&2
      exit 1
    fi
    sudo_cmd=(sudo)
  fi
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends \
    "${missing[@]}"
fi

# Optimised as shipped, without debug information: it is a fifth of the compile time and
# the suite does not need it. The benchmarks are not part of the suite either. To debug or
# to measure, configure a build of your own with RelWithDebInfo (benchmarks are on there).
# The suite's build takes warnings as errors, since every change passes it before it lands;
# the program's own build for a first start leaves the setting as it is.
werror=()
[ "$what" = program ] || werror=(-DMIRELON_WERROR=ON)
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DMIRELON_BUILD_BENCH=OFF "${werror[@]}"
if [ "$what" = program ]; then
  cmake --build build -j"$(nproc)" --target mirelon
else
  cmake --build build -j"$(nproc)"
fi
