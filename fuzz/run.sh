#!/usr/bin/env bash
# Runs the fuzz targets of a fuzzing build.
#   fuzz/run.sh BUILD_DIR smoke          replay fuzz/regressions, then a short fixed run each
#   fuzz/run.sh BUILD_DIR campaign SECS  a long run of each target, two at a time
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
mode=${2:-smoke}
seeds=build-fuzz-seeds
rm -rf "$seeds" && mkdir -p "$seeds"
# Seeds: one file per message of the examples and the corpus in tests/data, with the
# direction octet in front as the targets expect.
python3 - "$seeds" examples/*.txt tests/data/real-messages.txt <<'PY'
import sys, re, os
out = sys.argv[1]
n = 0
for path in sys.argv[2:]:
    if not os.path.exists(path):
        continue
    for line in open(path):
        line = line.split('#', 1)[0].strip()
        m = re.match(r'(UL|DL)\s+([0-9a-fA-F\s]+)$', line)
        if not m:
            continue
        hexs = re.sub(r'\s', '', m.group(2))
        if len(hexs) % 2:
            continue
        d = b'\x01' if m.group(1) == 'UL' else b'\x00'
        open(os.path.join(out, 'seed%04d' % n), 'wb').write(d + bytes.fromhex(hexs))
        n += 1
PY
export TMPDIR=$(mktemp -d)  # failure dumps of the fuzzed messages land here
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for target in "$build"/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  shopt -s nullglob
  cases=(fuzz/regressions/"$name"/*)
  shopt -u nullglob
  if [ ${#cases[@]} -gt 0 ]; then
    "$target" "${cases[@]}" >/dev/null 2>&1 || { echo "$name: a regression case fails"; "$target" "${cases[@]}"; exit 1; }
  fi
  if [ "$mode" = smoke ]; then
    "$target" -runs=100000 -max_len=512 -timeout=10 "$seeds" 2>&1 | tail -1
  else
    mkdir -p "fuzz/corpus-work/$name"
    "$target" -max_total_time="${3:-900}" -max_len=512 -timeout=10 -print_final_stats=1 \
      "fuzz/corpus-work/$name" "$seeds" >"fuzz/corpus-work/$name.log" 2>&1 &
    while [ "$(jobs -rp | wc -l)" -ge 2 ]; do sleep 5; done
  fi
done
wait
