#!/bin/bash
# scripts/lib/window-check, which the package proof trusts to say that the
# window opens, must fail every launch that does not show it. Each case runs
# the check on the built program or on one that shows no window; CI runs it
# after the build.
#   tests/scripts/window_check_test.sh [METROVA]    (default build/app/metrova)
set -uo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
metrova=$(readlink -f "${1:-$here/build/app/metrova}")
[ -x "$metrova" ] || { echo "window_check_test: $metrova is not built" >&2; exit 1; }
"$here"/scripts/install-deps screenshot
passed=0 failed=0

# expected status, what the case is, then the launches
check() {
    local expected=$1 what=$2 status
    shift 2
    WAIT=3 sh "$here/scripts/lib/window-check" 'Metrova  Ver\.1\.12' "$@" >/tmp/window-check.$$ 2>&1
    status=$?
    if [ "$status" -eq "$expected" ]; then
        passed=$((passed + 1))
    else
        echo "FAIL: $what: exit $status, not $expected"
        sed 's/^/  /' /tmp/window-check.$$
        failed=$((failed + 1))
    fi
    rm -f /tmp/window-check.$$
}

check 0 "the program's window" "metrova=$metrova"
check 0 "two launches, one after the other" "one=$metrova" "two=$metrova -style fusion"
check 1 "a program that ends at once" "gone=false"
check 1 "a program that shows no window" "none=sleep 10"
check 1 "a window of another name" "other=$metrova -qwindowtitle Other"
check 1 "a good launch does not hide a bad one" "metrova=$metrova" "gone=false"

echo "window-check: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
