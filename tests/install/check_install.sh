#!/usr/bin/env bash
# Installs the build into a scratch prefix, then builds and runs a C program
# against it through pkg-config, and checks the CMake package and man page.
set -euo pipefail
build=$1
src=$(cd "$(dirname "$0")" && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
libdir=$(dirname "$(find "$prefix" -name tharvel.pc)")
export PKG_CONFIG_PATH=$libdir
cc -std=c99 -Wall -Werror "$src/use_tharvel.c" $(pkg-config --cflags --libs tharvel) -o "$prefix/use_tharvel"
LD_LIBRARY_PATH=$(pkg-config --variable=libdir tharvel) "$prefix/use_tharvel"
test -f "$libdir/../cmake/tharvel/tharvelConfig.cmake" || test -f "$(dirname "$libdir")/cmake/tharvel/tharvelConfig.cmake"
find "$prefix" -name tharvel-decode.1 | grep -q .
"$prefix/bin/tharvel-decode" --help | grep -q GSMTAP
# pkg-config, the CMake package and the header carry one version.
header=$(sed -n 's/^#define THARVEL_VERSION_\(MAJOR\|MINOR\|PATCH\) \([0-9]*\)$/\2/p' "$prefix/include/tharvel.h" | paste -sd.)
test "$(pkg-config --modversion tharvel)" = "$header"
grep -q "set(PACKAGE_VERSION \"$header\")" "$(find "$prefix" -name tharvelConfigVersion.cmake)"
readelf -S "$(find "$prefix" -name "libtharvel.so.*.*" | head -1)" | grep -q debug_info && { echo "installed library keeps its debug information" >&2; exit 1; }
exit 0
