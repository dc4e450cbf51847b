#!/usr/bin/env bash
# Installs what is missing, builds, and starts Mirelon with share/ as its working directory.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
cd share
exec ../build/src/table/mirelon "$@"
