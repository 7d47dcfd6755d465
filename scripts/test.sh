#!/usr/bin/env bash
# Checks the formatting, builds Korval with warnings as errors (the ci preset) and runs
# every test (unit, dialog logic, golden files, desktop forms offscreen, the installed
# files and their validators). Installs the Debian packages it needs when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
# shellcheck disable=SC2086
ensure_packages $KORVAL_BUILD_PACKAGES $KORVAL_GUI_PACKAGES $KORVAL_TEST_PACKAGES
ensure_locale de_DE.UTF-8

bash scripts/check-format.sh
cmake --preset ci
cmake --build --preset ci -j "$(nproc)"
ctest --preset ci -j "$(nproc)"
