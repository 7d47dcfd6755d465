# Sourced by the set-up scripts: installs the Debian packages a step needs when they are
# missing (as root, or through sudo), so a fresh Debian 12 machine needs nothing by hand.

korval_missing_packages() {
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    echo "${missing[@]:-}"
}

korval_as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "Korval set-up: please run as root or install sudo to add: $*" >&2
        return 1
    fi
}

ensure_packages() {
    local missing
    missing=$(korval_missing_packages "$@")
    if [ -n "$missing" ]; then
        echo "Installing missing Debian packages: $missing"
        korval_as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
        # shellcheck disable=SC2086
        korval_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
    fi
}

# The number tests prove that figures do not follow the user's locale; they need a
# locale with a decimal comma to prove it.
ensure_locale() {
    local name="$1"
    local compact
    compact=$(echo "$name" | tr '[:upper:]' '[:lower:]' | sed 's/utf-8/utf8/')
    if locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | grep -qx "$compact"; then
        return 0
    fi
    ensure_packages locales
    korval_as_root sed -i "s/^# *\(${name} \)/\1/" /etc/locale.gen || return 0
    grep -q "^${name} " /etc/locale.gen || echo "${name} UTF-8" | korval_as_root tee -a /etc/locale.gen >/dev/null
    korval_as_root locale-gen >/dev/null || true
}

KORVAL_BUILD_PACKAGES="cmake ninja-build g++ zlib1g-dev libgtest-dev libgmock-dev nlohmann-json3-dev libboost-dev libbenchmark-dev clang-format libcsv-dev"
KORVAL_GUI_PACKAGES="qt6-base-dev qt6-svg-dev libfontconfig-dev fonts-liberation xvfb xauth poppler-utils"
# The validators of the desktop entry, metainfo, MIME types, manual pages and figures schema,
# and the icon renderer the build draws the PNG icons with.
KORVAL_TEST_PACKAGES="desktop-file-utils appstream shared-mime-info python3-jsonschema groff-base librsvg2-bin"
# Building the Debian package: dpkg-shlibdeps for its dependencies, lintian to check it.
KORVAL_PACKAGE_PACKAGES="dpkg-dev librsvg2-bin lintian"
