#!/bin/bash
# metrova's command line, run as a user runs it but with no display in the
# environment: --help, --version and a wrong command line are answered before
# any window is made, so none of them may need one. On Windows there is no
# display variable to lack: the window opens without one.
# Usage: cli_test.sh METROVA VERSION DESCRIPTION SYSTEM   (CTest passes all four)
# SYSTEM is Linux or Windows; METROVA_RUNNER, when set, is the command that
# runs a Windows program here (wine with its environment).
# shellcheck disable=SC2317 # the predicates are called through check, which shellcheck does not follow
set -uo pipefail
metrova=$1 version=$2 description=$3 system=${4:-Linux}
read -r -a runner <<<"${METROVA_RUNNER:-}"
out=$(mktemp) err=$(mktemp) version_out=$(mktemp)
trap 'rm -f "$out" "$err" "$version_out"' EXIT
failures=0

# Runs metrova; $status, $out and $err hold what it did.
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${runner[@]}" "$metrova" "$@" >"$out" 2>"$err"
    status=$?
    shown="metrova $*"
}
check() {
    local what=$1
    shift
    "$@" || { echo "FAIL: $shown: $what (exit $status)"; sed 's/^/  stdout: /' "$out"; sed 's/^/  stderr: /' "$err"; failures=$((failures + 1)); }
}
exits() { [ "$status" -eq "$1" ]; }
empty() { [ ! -s "$1" ]; }
one_line() { [ "$(wc -l <"$1")" -eq 1 ] && [ -z "$(tail -c 1 "$1")" ]; }
has_line() { grep -qE -- "$2" "$1"; }
not_has_line() { ! has_line "$@"; }

# The version keeps its leading zeros (1.01.0002, not 1.1.2).
if ! [[ $version =~ ^[0-9]+\.[0-9]{2}\.[0-9]{4}$ ]]; then
    echo "FAIL: the version '$version' has lost the form N.NN.NNNN"
    failures=$((failures + 1))
fi
printf 'metrova %s\n' "$version" >"$version_out"

for option in --version -v "-style fusion --version" "-style=fusion --version" "-platform offscreen --version"; do
    # shellcheck disable=SC2086 # the Qt options are two words on purpose
    run $option
    check "exits 0" exits 0
    check "prints exactly 'metrova $version'" cmp -s "$version_out" "$out"
    check "says nothing on stderr" empty "$err"
done

# Output that cannot be written is not reported as a success.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${runner[@]}" "$metrova" --version >/dev/full 2>"$err"
status=$?
shown="metrova --version >/dev/full"
: >"$out"
check "exits 1" exits 1
check "says why in one line" one_line "$err"

for option in --help -h; do
    run "$option"
    check "exits 0" exits 0
    check "says nothing on stderr" empty "$err"
    check "starts with the usage" has_line "$out" '^Usage: metrova \[options\]$'
    check "describes the program" has_line "$out" "^$description\.\$"
    check "lists -h, --help" has_line "$out" '^  -h, --help  '
    check "lists -v, --version" has_line "$out" '^  -v, --version  '
    check "lists -platform" has_line "$out" '^  -platform <[^>]+>  '
    check "lists -style" has_line "$out" '^  -style <[^>]+>  '
done

# A wrong command line: one line naming what was typed, nothing on stdout,
# exit 2, before the display check (there is no display here).
wrong() {
    local typed=$1
    shift
    run "$@"
    check "exits 2" exits 2
    check "says nothing on stdout" empty "$out"
    check "says one line on stderr" one_line "$err"
    check "names '$typed'" has_line "$err" "^metrova: .*'$typed'.*; try 'metrova --help'\$"
}
wrong --frobnicate --frobnicate
wrong -frobnicate -frobnicate=1
wrong stray stray
wrong -style -style

# Runs metrova for 3 seconds: a window that opened is still running then.
run_for_a_while() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 3 "${runner[@]}" "$metrova" "$@" >"$out" 2>"$err"
    status=$?
    shown="metrova $*, ended after 3 s"
}

if [ "$system" = Windows ]; then
    # No display variable: Windows needs none, the window opens.
    run_for_a_while
    check "was still running (timeout's 124)" exits 124
    check "said nothing of a display" not_has_line "$err" 'display|cannot open'
else
    # No display and none named: the one-line refusal, exit 1.
    run
    check "exits 1" exits 1
    check "says one line on stderr" one_line "$err"
    check "says there is no display" has_line "$err" '^metrova: no display to open the window on'
fi

# -platform names the display in place of the environment, and Qt gets it:
# an unknown plugin ends the start-up with Qt's reason in one line.
run -platform no-such-plugin
check "exits 1" exits 1
check "says one line on stderr" one_line "$err"
check "says Qt cannot open the window" has_line "$err" '^metrova: cannot open the window: .*no-such-plugin'

# -option=value reaches Qt as the option and its value, in every spelling:
# Qt is told of a display that is not there and names it (an X11 display:
# Linux only).
if [ "$system" != Windows ]; then
    for option in -display=:9876 --display=:9876 "-display :9876"; do
        # shellcheck disable=SC2086 # "-display :9876" is two words on purpose
        run $option
        check "exits 1" exits 1
        check "says Qt cannot reach display :9876" has_line "$err" '^metrova: cannot open the window: .*:9876'
    done
fi
# The window opens on the offscreen plugin named that way and runs until it
# is ended (Qt without the plugin's name would find no display and exit).
run_for_a_while -platform=offscreen
check "was still running (timeout's 124)" exits 124
check "said nothing of a display" not_has_line "$err" 'display|cannot open'

[ "$failures" -eq 0 ] && echo "all command-line checks passed"
exit $((failures > 0))
