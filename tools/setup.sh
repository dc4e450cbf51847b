#!/usr/bin/env bash
# Installs what the build and the tests need (Debian 12), then configures and
# builds into build/. Shared by run.sh and test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n libgl-dev
  libqcustomplot-dev libuemf-dev
  fonts-liberation
  libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xdotool xclip imagemagick x11-utils python3
  dbus at-spi2-core python3-pyatspi
  bodr emf2svg libwmf-bin poppler-utils fonts-urw-base35 desktop-file-utils
  librsvg2-bin appstream lintian file
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Optimised as shipped, without debug information: it is a fifth of the compile time and
# the suite does not need it. The benchmarks are not part of the suite either. To debug or
# to measure, configure a build of your own with RelWithDebInfo (benchmarks are on there).
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DMIRELON_BUILD_BENCH=OFF
cmake --build build -j"$(nproc)"
