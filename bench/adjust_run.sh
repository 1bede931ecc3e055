#!/usr/bin/env bash
# Whole-run benchmark of the network adjustment: the simulated 58 x 58 grid
# (bench/make_grid 58: 6,612 lines, 3,249 loops, the largest grid the store
# holds) in batch mode, plain, with --adjust and with --adjust --closures;
# medians of alternating rounds (output files removed and the disk synced
# before each run, untimed), and the peak memory of each (GNU time, %M).
#
#   bench/adjust_run.sh [BUILD_FOLDER]
#     ROUNDS=15   measured rounds (after 2 warm-up rounds)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/make_grid" 58 >"$work/grade.orv"

python3 - "$work" "$build/mirval" "${ROUNDS:-15}" <<'PY'
import os, shutil, statistics, subprocess, sys, time

work, program, rounds = sys.argv[1], sys.argv[2], int(sys.argv[3])
cases = {"plain": [], "--adjust": ["--adjust"], "--adjust --closures": ["--adjust", "--closures"]}
folders = {}
for name, options in cases.items():
    folder = os.path.join(work, name.replace(" ", "").replace("-", "_") or "plain")
    os.makedirs(folder)
    shutil.copy(os.path.join(work, "grade.orv"), folder)
    folders[name] = folder


def run(name):
    folder = folders[name]
    for f in os.listdir(folder):
        if f != "grade.orv":
            os.remove(os.path.join(folder, f))
    os.sync()
    start = time.perf_counter()
    subprocess.run([program, "grade.orv"] + cases[name], cwd=folder, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, check=True)
    return time.perf_counter() - start


samples = {name: [] for name in cases}
names = list(cases)
for r in range(rounds + 2):
    for n in range(len(names)):
        name = names[(r + n) % len(names)]
        seconds = run(name)
        if r >= 2:
            samples[name].append(seconds)


def peak_mb(name):
    result = subprocess.run(["/usr/bin/time", "-f", "%M", program, "grade.orv"] + cases[name], cwd=folders[name],
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True, check=True)
    return int(result.stderr.strip().splitlines()[-1]) / 1000


plain = statistics.median(samples["plain"])
print(f"Whole run on the 58 x 58 grid: medians of {rounds} alternating rounds, {os.cpu_count()} cores")
print()
print("| Run | time | ÷ plain | peak memory |")
print("|---|---:|---:|---:|")
for name in names:
    median = statistics.median(samples[name])
    print(f"| `mirval grade.orv {' '.join(cases[name])}` | {median * 1000:.1f} ms | {median / plain:.2f}× "
          f"| {peak_mb(name):.1f} MB |")
PY
