#!/usr/bin/env bash
# Installs the build into a throwaway prefix and uses it as hosts do: the libraries carry their
# SONAME, every installed header finds the headers it includes, the command-line host and the Python
# module run from the prefix alone, and the example host builds against the prefix with
# find_package and with pkg-config and prints the rows of a pane.
# Usage: check_installed_prefix.sh BUILD_DIR SOURCE_DIR WORK_DIR LIBDIR SONAME
set -euo pipefail
build=$1 source=$2 work=$3 libdir=$4 soname=$5
. "$(dirname "$0")/hosts_in_root.sh"

rm -rf "$work"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" > "$work.log" 2>&1 || { cat "$work.log" >&2; exit 1; }
mkdir -p "$work"

readelf -d "$prefix/$libdir/$soname" | grep -q "SONAME.*\[$soname\]"
test -L "$prefix/$libdir/libnoxsimplelinks.so"

# Each header's own includes are installed beside it (a server header's under server/).
includes=$prefix/include/noxsimplelinks
find "$includes" -name '*.h' -print0 | xargs -0 grep -ho '#include "[^"]*"' | sed 's/#include "\(.*\)"/\1/' | sort -u |
    while read -r header; do
        [ -f "$includes/$header" ] || [ -f "$includes/server/$header" ] || { echo "not installed: $header" >&2; exit 1; }
    done

pythondir=$(dirname "$(find "$prefix/lib" -path '*-packages/noxsimplelinks*.so')")
check_hosts "$prefix" "$pythondir" "$work"

# The example host against the prefix: with its CMake package, then with pkg-config.
cmake -S "$source/examples/host" -B "$work/host" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" > "$work/host.log" 2>&1 &&
    cmake --build "$work/host" >> "$work/host.log" 2>&1 || { cat "$work/host.log" >&2; exit 1; }
bare "$work/home" "$work/host/host" > "$work/host.txt"
expect "pump_assy.dwg" "$work/host.txt"

export PKG_CONFIG_PATH=$prefix/$libdir/pkgconfig
# shellcheck disable=SC2046
c++ -std=c++20 "$source/examples/host/main.cpp" -o "$work/host-pc" $(pkg-config --cflags --libs noxsimplelinks-server) \
    -Wl,-rpath,"$prefix/$libdir"
bare "$work/home" "$work/host-pc" > "$work/host-pc.txt"
cmp "$work/host.txt" "$work/host-pc.txt"
echo "installed prefix: hosts, example (CMake and pkg-config) and Python module run from $prefix"
