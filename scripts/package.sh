#!/usr/bin/env bash
# Builds the Debian package of Korval with Debian's hardening flags into build-package/
# (korval_<version>_<architecture>.deb) and checks it with lintian. Installs the Debian
# packages it needs when they are missing. Install the result with
#     sudo apt install ./build-package/korval_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-packages.sh
# shellcheck disable=SC2086
ensure_packages $KORVAL_BUILD_PACKAGES $KORVAL_GUI_PACKAGES $KORVAL_PACKAGE_PACKAGES

# The flags Debian builds its own packages with; CMake reads CXXFLAGS and LDFLAGS on the
# first configure of the folder.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
export CXXFLAGS="${CPPFLAGS:-} ${CXXFLAGS:-}"

cmake --preset package
cmake --build --preset package -j "$(nproc)"
rm -f build-package/korval_*.deb
(cd build-package && cpack -G DEB)
lintian --fail-on error build-package/korval_*.deb
ls build-package/korval_*.deb
