#!/usr/bin/env bash
# Completes command lines of korval-cli and korval with the installed completion script in
# a folder of sample files and compares the candidates.
set -u
script=$1
work=$2
rm -rf "$work" && mkdir -p "$work/folder" && cd "$work" || exit 1
touch plan.PRJ model.ccm Rayleigh.Rlm notes.txt profile.ini
# shellcheck source=/dev/null
source "$script"

failures=0
expect() {
    local expected=$1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    local function=_korval_cli
    [ "$1" = korval ] && function=_korval
    "$function"
    local actual
    actual=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ')
    actual=${actual% }
    if [ "$actual" != "$expected" ]; then
        echo "completing '$*': expected '$expected', got '$actual'"
        failures=$((failures + 1))
    fi
}

expect "figures" korval-cli fi
expect "calibrate" korval-cli cal
expect "json text" korval-cli calibrate history.csv --format ""
expect "--help --version" korval-cli --
expect "csv json" korval-cli figures plan.PRJ --format ""
expect "pdf text" korval-cli report plan.PRJ --format ""
expect "csv text" korval-cli plan plan.PRJ --format ""
expect "Rayleigh.Rlm folder model.ccm plan.PRJ" korval-cli plan ""
expect "json text" korval-cli diff a b --format ""
expect "png svg" korval-cli chart plan.PRJ --format ""
expect "chart" korval-cli ch
expect "Rayleigh.Rlm folder model.ccm plan.PRJ" korval-cli chart ""
expect "Cocomo" korval-cli new C
expect "Project" korval-cli new P
expect "Rayleigh.Rlm folder model.ccm plan.PRJ" korval-cli report ""
expect "Rayleigh.Rlm folder model.ccm plan.PRJ" korval-cli diff plan.PRJ ""
expect "Rayleigh.Rlm folder model.ccm plan.PRJ" korval-cli figures --profile profile.ini ""
expect "" korval-cli figures plan.PRJ ""
expect "profile.ini" korval-cli figures plan.PRJ --profile pro
expect "--format --help --profile" korval-cli figures plan.PRJ --
expect "--format --help --profile -o" korval-cli report plan.PRJ -
expect "Rayleigh.Rlm folder model.ccm plan.PRJ" korval ""
expect "--help --version" korval --
exit $((failures > 0))
