#!/usr/bin/env bash
# Builds Korval and starts the desktop application, optionally with a file to open:
#     bash scripts/run.sh [examples/payroll.PRJ]
# On a machine without a display the application runs under xvfb-run. Installs the
# Debian packages it needs when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
# shellcheck disable=SC2086
ensure_packages $KORVAL_BUILD_PACKAGES $KORVAL_GUI_PACKAGES

cmake --preset default
cmake --build --preset default -j "$(nproc)" --target korval korval-cli
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: starting Korval under xvfb-run (close it with Ctrl+C)."
    exec xvfb-run -a build/bin/korval "$@"
fi
exec build/bin/korval "$@"
