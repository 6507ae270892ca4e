#!/usr/bin/env bash
# cmake --install puts the package into the prefix's site directory, where it
# finds the library without help; the prefix may move; pip installs the package
# from the source tree with no network, and THARVEL_LIBRARY then points it.
set -euo pipefail
build=$1 python=$2 source=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
unset THARVEL_LIBRARY PYTHONPATH
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
site=$(dirname "$(find "$scratch/prefix" -name py.typed -path '*/tharvel/*')")
site=$(dirname "$site")
mv "$scratch/prefix" "$scratch/moved"
site=${site/$scratch\/prefix/$scratch\/moved}
check='import sys, tharvel
m = tharvel.decode(bytes.fromhex("051801"), 0)
assert m.text.startswith("<L3Message>\n<dir>DOWNLINK</dir>"), m.text
assert tharvel.library_path().startswith(sys.argv[1]), (tharvel.library_path(), sys.argv[1])
print("ok", tharvel.library_path())'
(cd "$scratch" && PYTHONPATH=$site "$python" -c "$check" "$scratch/moved")
lib=$(find "$scratch/moved" -name 'libtharvel.so.*' | head -1)
cp -r "$source" "$scratch/src"  # the build leaves egg-info and build/ where it runs
rm -rf "$scratch/src/build" "$scratch/src"/*.egg-info
"$python" -m pip install --quiet --no-index --no-build-isolation --no-deps --target "$scratch/pip" "$scratch/src" \
  2>"$scratch/pip.log" || { cat "$scratch/pip.log"; exit 1; }
test -f "$scratch/pip/tharvel/py.typed"
(cd "$scratch" && PYTHONPATH=$scratch/pip THARVEL_LIBRARY=$lib "$python" -c "$check" "$lib")
