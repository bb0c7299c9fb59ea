#!/bin/bash
# scripts/clean-root as the proofs rely on it, in two roots: the command's
# status comes back, it sees the packages asked for and nothing of the
# caller's environment, what it leaves running is gone when it ends, the bound
# folder's files outlive the root, and a package that cannot be installed
# fails with 125 before the command runs. CI runs it before the proofs that
# use clean-root. Runs as root; needs the mirror.
#   tests/scripts/clean_root_test.sh [RELEASE]    (default trixie)
set -uo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
release=${1:-trixie}
dir=$(mktemp -d /tmp/clean-root-test.XXXXXX)
trap 'rm -rf "$dir"' EXIT
echo kept >"$dir/kept"
passed=0 failed=0
expect() {
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        echo "FAIL: $what"
        failed=$((failed + 1))
    fi
}

DISPLAY=:99 WAYLAND_DISPLAY=wayland-9 QT_QPA_PLATFORM=offscreen "$here/scripts/clean-root" -i make -b "$dir:/mnt/t" "$release" \
    sh -c "env | sort >/mnt/t/env; make --version >/mnt/t/make; sleep 4242.5 & exit 7"
rc=$?
expect "the command's status comes back (7, got $rc)" [ "$rc" -eq 7 ]
expect "make, asked for, is installed" grep -q '^GNU Make' "$dir/make"
expect "the environment is the root's own: $(paste -sd' ' "$dir/env")" diff -q - "$dir/env" <<'ENV'
DEBIAN_FRONTEND=noninteractive
HOME=/root
LANG=C.UTF-8
PATH=/usr/sbin:/usr/bin:/sbin:/bin
PWD=/
TERM=dumb
ENV
# the pattern does not match the command line of the bash that runs pgrep
expect "what the command left running is gone" bash -c '! pgrep -f "sleep 4242[.]5"'
expect "the bound folder's files outlive the root" grep -qx kept "$dir/kept"

"$here/scripts/clean-root" -i no-such-package-anywhere -b "$dir:/mnt/t" "$release" touch /mnt/t/ran 2>/dev/null
rc=$?
expect "a package that cannot be installed gives 125 (got $rc)" [ "$rc" -eq 125 ]
expect "and the command does not run" [ ! -e "$dir/ran" ]
expect "and the bound folder's files outlive the root" grep -qx kept "$dir/kept"

echo "clean-root: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
