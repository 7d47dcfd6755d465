#!/usr/bin/env bash
# Builds Korval with warnings on and runs every test (unit, dialog logic, golden files,
# desktop forms offscreen). Installs the Debian packages it needs when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
# shellcheck disable=SC2086
ensure_packages $KORVAL_BUILD_PACKAGES $KORVAL_GUI_PACKAGES
ensure_locale de_DE.UTF-8

cmake --preset default -DKORVAL_BUILD_TESTS=ON
cmake --build --preset default -j "$(nproc)"
ctest --preset default -j "$(nproc)"
