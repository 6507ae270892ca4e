#!/usr/bin/env bash
# Installs the Debian packages a task needs, skipping apt entirely when they
# are all there already.
#   scripts/deps.sh run     building and running the library and tharvel-decode
#   scripts/deps.sh test    the above plus tests, benchmarks and fuzzers (default)
# Extra arguments are more packages. Works as root or through sudo; says what
# to run when neither is possible.
set -euo pipefail
set_name=${1:-test}
[ $# -gt 0 ] && shift
run_packages=(cmake make g++ pkg-config libpcap-dev libcli11-dev nlohmann-json3-dev)
test_packages=(libgtest-dev libbenchmark-dev clang-14 libclang-rt-14-dev python3
  # The Python package's tests: pip installs it offline; the Dask test runs a local cluster.
  python3-pip python3-setuptools python3-wheel python3-dask python3-distributed python3-pandas)
case "$set_name" in
  run) packages=("${run_packages[@]}" "$@") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}" "$@") ;;
  *) echo "usage: scripts/deps.sh [run|test] [PACKAGE...]" >&2; exit 2 ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  as_root=(env DEBIAN_FRONTEND=noninteractive)
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null || { [ -t 0 ] && command -v sudo >/dev/null 2>&1; }; then
  # sudo drops the environment: hand the variable over on its command line.
  as_root=(sudo DEBIAN_FRONTEND=noninteractive)
else
  echo "scripts/deps.sh: not root and sudo is not available; as root, run:" >&2
  echo "  apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y ${missing[*]}" >&2
  exit 1
fi
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
