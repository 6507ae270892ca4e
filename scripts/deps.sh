#!/usr/bin/env bash
# Installs the Debian packages the build, tests, fuzzers and benchmarks need,
# skipping apt entirely when they are all there already.
set -euo pipefail
packages=(cmake make g++ pkg-config libpcap-dev libgtest-dev libbenchmark-dev clang-14 libclang-rt-14-dev python3 "$@")
# The Python package's tests: pip installs it offline; the Dask test runs a local cluster.
packages+=(python3-pip python3-setuptools python3-wheel python3-dask python3-distributed python3-pandas)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd=sudo
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}" >/dev/null
fi
