#!/usr/bin/env bash
# Unpacks a Debian package of noxsimplelinks into a throwaway root (dpkg -x, nothing installed on the
# machine) and runs its hosts from there: PYTHONPATH points into the root; the programs and the
# module find the root's libraries by their relative run path. Its dependencies must name the Debian
# libraries it links. When it carries the desktop program, that program must start from the root and
# keep running with its window open (on Qt's offscreen platform, no display needed).
# Usage: check_package.sh PACKAGE.deb
set -euo pipefail
package=$1
. "$(dirname "$0")/hosts_in_root.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg -x "$package" "$work/root"

depends=$(dpkg-deb -f "$package" Depends)
for library in libsqlite3 libpq5 libpugixml libsodium libcpp-httplib libxlsxwriter python3; do
    [[ $depends == *"$library"* ]] || { echo "the package does not depend on $library: $depends" >&2; exit 1; }
done

# check_desktop ROOT WORK: the desktop program, opened on a parent of the sample, is still running when
# it is stopped after a few seconds (its libraries and the shipped profile found) and has said
# no error.
check_desktop() {
    local root=$1 work=$2 status=0
    bare "$work/home" timeout 5 "$root/bin/simplelinks-desktop" -platform offscreen --parent ITEM ITEM_KEY=A100 REVISION=B \
        > "$work/desktop.txt" 2>&1 || status=$?
    # timeout's own status (124) says that the program was still running.
    if [ "$status" -ne 124 ] || grep -q "^simplelinks-desktop: " "$work/desktop.txt"; then
        echo "simplelinks-desktop did not keep running from the root (exit status $status):" >&2
        cat "$work/desktop.txt" >&2
        return 1
    fi
}

check_hosts "$work/root/usr" "$work/root/usr/lib/python3/dist-packages" "$work"
hosts="simplelinks and the Python module run"
if [ -e "$work/root/usr/bin/simplelinks-desktop" ]; then
    [[ $depends == *libqt6widgets6* ]] || { echo "the package does not depend on libqt6widgets6: $depends" >&2; exit 1; }
    check_desktop "$work/root/usr" "$work"
    hosts="simplelinks, simplelinks-desktop and the Python module run"
fi
echo "$(basename "$package"): $hosts from an unpacked root"
