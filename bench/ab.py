#!/usr/bin/env python3
"""Before/after in one run: times two builds of tharvel_bench turn about and
prints, per benchmark, the ratio of their median CPU times (old / new: above
1 means the new build is faster).

    bench/ab.py OLD/bench/tharvel_bench NEW/bench/tharvel_bench [--rounds N] [benchmark args...]

Each round runs both binaries once with --benchmark_repetitions=5; the medians
of all rounds' repetitions are compared, so load that comes and goes on a
shared machine hits both alike.
"""
import json
import statistics
import subprocess
import sys


def run(binary, extra):
    out = subprocess.run([binary, '--benchmark_repetitions=5', '--benchmark_format=json'] + extra,
                         capture_output=True, text=True, check=True).stdout
    times = {}
    for b in json.loads(out)['benchmarks']:
        if b.get('run_type') == 'iteration' and 'error_occurred' not in b:
            times.setdefault(b['run_name'], []).append(b['cpu_time'])
    return times


def main():
    args = sys.argv[1:]
    if len(args) < 2:
        print(__doc__)
        return 2
    old, new, extra = args[0], args[1], args[2:]
    rounds = 2
    if '--rounds' in extra:
        i = extra.index('--rounds')
        rounds = int(extra[i + 1])
        del extra[i:i + 2]
    t_old, t_new = {}, {}
    for _ in range(rounds):
        for binary, acc in ((old, t_old), (new, t_new)):
            for name, ts in run(binary, extra).items():
                acc.setdefault(name, []).extend(ts)
    print(f'{"benchmark":40} {"old (us)":>10} {"new (us)":>10} {"old/new":>8}')
    for name in t_new:
        if name not in t_old:
            continue
        a, b = statistics.median(t_old[name]), statistics.median(t_new[name])
        print(f'{name:40} {a / 1e3:10.2f} {b / 1e3:10.2f} {a / b:8.2f}')
    return 0


if __name__ == '__main__':
    sys.exit(main())
