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
# Seeds of the capture reader: pcap files (first octet 0) and runs of GSMTAP
# packets (first octet 1), LAPDm frames on an SDCCH, some segmented.
python3 - "$seeds" <<'PY'
import sys, struct, os
out = sys.argv[1]
def gsmtap(sub, payload, uplink=0, ts=1):
    return bytes([2, 4, 1, ts, 0x40 * uplink, 10, 0xBA, 0, 0, 0, 0, 1, sub, 0, 2, 0]) + payload
def lapdm(addr, ctrl, info, more=0):
    f = bytes([addr, ctrl, len(info) << 2 | more << 1 | 1]) + info
    return f + b'\x2b' * (23 - len(f))
packets = [
    gsmtap(1, bytes([0x01, 0x06, 0x00, 0x90]) + b'\x2b' * 19),
    gsmtap(4, b'\x01' + b'\x2b' * 22),
    gsmtap(8, lapdm(0x01, 0x3F, bytes([0x06, 0x27, 0x07, 0x03, 0x50])), 1),
    gsmtap(8, lapdm(0x01, 0x73, bytes([0x06, 0x27, 0x07, 0x03, 0x50]))),
    gsmtap(8, lapdm(0x03, 0x00, bytes(range(0x05, 0x19)), 1)),
    gsmtap(8, lapdm(0x03, 0x10, bytes(range(0x05, 0x19)), 1)),
    gsmtap(8, lapdm(0x03, 0x02, bytes([0x21, 0x20, 0x10]))),
    gsmtap(0x88, bytes([0x05, 0x01]) + lapdm(0x03, 0x03, bytes([0x06, 0x1D, 0x01]))[:21]),
]
def eth(p):
    udp = struct.pack('>HHHH', 4729, 4729, 8 + len(p), 0) + p
    ip = struct.pack('>BBHHHBBH4s4s', 0x45, 0, 20 + len(udp), 0, 0, 64, 17, 0, bytes(4), bytes(4))
    return bytes(12) + b'\x08\x00' + ip + udp
pcap = struct.pack('<IHHiIII', 0xA1B2C3D4, 2, 4, 0, 0, 65535, 1)
for i, p in enumerate(packets):
    f = eth(p)
    pcap += struct.pack('<IIII', i, 0, len(f), len(f)) + f
open(os.path.join(out, 'capture-file'), 'wb').write(b'\x00' + pcap)
open(os.path.join(out, 'capture-text'), 'wb').write(b'\x00UL 0508\nDL 06 1D 01 # c\n')
open(os.path.join(out, 'capture-packets'), 'wb').write(b'\x01' + b''.join(bytes([len(p)]) + p for p in packets))
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
