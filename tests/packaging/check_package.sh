#!/usr/bin/env bash
# Unpacks a Debian package of noxsimplelinks into a throwaway root (dpkg -x, nothing installed on the
# machine) and runs its hosts from there: PYTHONPATH points into the root; the programs and the
# module find the root's libraries by their relative run path. Its dependencies must name the Debian
# libraries it links.
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

check_hosts "$work/root/usr" "$work/root/usr/lib/python3/dist-packages" "$work"
echo "$(basename "$package"): simplelinks and the Python module run from an unpacked root"
