#!/usr/bin/env bash
# Builds Korval and shows the report of an example estimate (or of the file given).
# Installs the Debian packages it needs when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
# shellcheck disable=SC2086
ensure_packages $KORVAL_BUILD_PACKAGES

cmake --preset default
cmake --build --preset default -j "$(nproc)" --target korval-cli
file="${1:-examples/payroll.PRJ}"
exec build/bin/korval-cli report "$file"
