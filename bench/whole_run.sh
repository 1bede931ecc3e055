#!/usr/bin/env bash
# Whole-run benchmark: one table, medians of alternating rounds (each round
# runs every command once, the starting command rotating; before each command,
# untimed, its earlier output files are removed and the disk is synced), of
#   - the generated 9,999-line survey (make_survey 9999 0) in batch mode,
#     against cat of the same output bytes into one file and against writing
#     the same 12 files with one write each (write_files);
#   - the same survey listed from its far end against the survey itself;
#   - ireby.orv (from ../shared/surveys, when present) against cavern reading
#     the LRUD file the run wrote;
#   - peak memory of one run of each survey (GNU time, %M).
#
#   bench/whole_run.sh [--one-core] [BUILD_FOLDER]
#     --one-core   every command restricted to one core (taskset -c 0)
#     BASELINE=/path/to/mirval   a second program, run in the same rounds
#     ROUNDS=25                  measured rounds (after 2 warm-up rounds)
set -euo pipefail
oneCore=0
if [ "${1:-}" = --one-core ]; then
    oneCore=1
    shift
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
programs=("$build/mirval")
[ -n "${BASELINE:-}" ] && programs+=("$(realpath "$BASELINE")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/bench/make_survey" 9999 0 >"$work/longa.orv"
"$build/bench/make_survey" 9999 0 42 reversed >"$work/longa_reversed.orv"
ireby=$root/../shared/surveys/ireby.orv
[ -f "$ireby" ] || ireby=

runner=(python3)
[ "$oneCore" = 1 ] && runner=(taskset -c 0 python3)
"${runner[@]}" - "$work" "$build/bench/write_files" "${ROUNDS:-25}" "$oneCore" "$ireby" "${programs[@]}" <<'PY'
import os, shutil, statistics, subprocess, sys, time

work, write_files, rounds, one_core, ireby = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4] == "1", sys.argv[5]
programs = sys.argv[6:]
labels = ["this build", "baseline"][: len(programs)]
null = subprocess.DEVNULL


def survey_folder(program, survey):
    """A folder of its own per program and survey, holding the input."""
    folder = os.path.join(work, f"p{programs.index(program)}", survey)
    os.makedirs(folder, exist_ok=True)
    source = ireby if survey == "ireby" else os.path.join(work, survey + ".orv")
    shutil.copy(source, os.path.join(folder, os.path.basename(source)))
    return folder


def mirval_run(program, survey):
    folder = survey_folder(program, survey)
    name = "ireby.orv" if survey == "ireby" else survey + ".orv"
    status = subprocess.run([program, name], cwd=folder, stdout=null, stderr=null).returncode
    if status != 0:
        sys.exit(f"{program} {name}: exit status {status}")
    return {"argv": [program, name], "cwd": folder, "keep": {name}}


def outputs(folder, input_name):
    return sorted(os.path.join(folder, f) for f in os.listdir(folder) if f != input_name)


# key -> {"argv", "cwd": a folder of its own, "keep": its input files, optional "stdout" file name}
commands = {}
for program in programs:
    for survey in ["longa", "longa_reversed"] + (["ireby"] if ireby else []):
        commands[(program, survey)] = mirval_run(program, survey)

# the references read the bytes of the first program's outputs from copies of their own
first_survey = os.path.join(work, "p0", "longa")
sources = os.path.join(work, "sources")
os.makedirs(sources)
for f in outputs(first_survey, "longa.orv"):
    shutil.copy(f, sources)
source_files = sorted(os.path.join(sources, f) for f in os.listdir(sources))
output_bytes = sum(os.path.getsize(f) for f in source_files)
for folder in ("cat", "writes", "cavern"):
    os.makedirs(os.path.join(work, folder))
commands["cat"] = {"argv": ["cat"] + source_files, "cwd": os.path.join(work, "cat"), "keep": set(), "stdout": "all.bin"}
commands["writes"] = {"argv": [write_files, "."] + source_files, "cwd": os.path.join(work, "writes"), "keep": set()}
if ireby:
    lrud = os.path.join(work, "p0", "ireby", "ireby_lrud.dat")
    shutil.copy(lrud, os.path.join(work, "cavern"))
    commands["cavern"] = {"argv": ["cavern", "-q", "ireby_lrud.dat"], "cwd": os.path.join(work, "cavern"),
                          "keep": {"ireby_lrud.dat"}}


def timed(command):
    # every command writes new files and starts with no writeback of earlier ones in flight
    for f in os.listdir(command["cwd"]):
        if f not in command["keep"]:
            os.remove(os.path.join(command["cwd"], f))
    os.sync()
    start = time.perf_counter()
    out = open(os.path.join(command["cwd"], command["stdout"]), "wb") if "stdout" in command else null
    subprocess.run(command["argv"], cwd=command["cwd"], stdout=out, stderr=null, check=True)
    if out is not null:
        out.close()
    return time.perf_counter() - start


keys = list(commands)
samples = {k: [] for k in keys}
for r in range(rounds + 2):
    for n in range(len(keys)):
        key = keys[(r + n) % len(keys)]
        seconds = timed(commands[key])
        if r >= 2:
            samples[key].append(seconds)
ms = {k: statistics.median(v) * 1000 for k, v in samples.items()}


def peak_kb(command):
    result = subprocess.run(["/usr/bin/time", "-f", "%M"] + command["argv"], cwd=command["cwd"], stdout=null,
                            stderr=subprocess.PIPE, text=True, check=True)
    return int(result.stderr.strip().splitlines()[-1])


def row(title, cells):
    print(f"| {title} | " + " | ".join(cells) + " |")


print(f"Whole run: medians of {rounds} alternating rounds, {os.cpu_count()} cores"
      + (", every command on one core (taskset -c 0)" if one_core else ""))
for label, program in zip(labels, programs):
    print(f"  {label}: {program}")
print()
row("Run", labels)
row("---", ["---:"] * len(labels))
row(f"generated survey of 9,999 data lines, {output_bytes / 1e6:.1f} MB in {len(source_files)} files",
    [f"{ms[(p, 'longa')]:.1f} ms" for p in programs])
row(f"÷ `cat` of the same bytes into one file ({ms['cat']:.1f} ms)",
    [f"{ms[(p, 'longa')] / ms['cat']:.2f}×" for p in programs])
row(f"÷ {len(source_files)} plain writes of the same files ({ms['writes']:.1f} ms)",
    [f"{ms[(p, 'longa')] / ms['writes']:.2f}×" for p in programs])
row("the same survey listed from its far end", [f"{ms[(p, 'longa_reversed')]:.1f} ms" for p in programs])
row("÷ listed from its start (above)", [f"{ms[(p, 'longa_reversed')] / ms[(p, 'longa')]:.2f}×" for p in programs])
if ireby:
    row("ireby.orv", [f"{ms[(p, 'ireby')]:.1f} ms" for p in programs])
    row(f"÷ `cavern` on ireby_lrud.dat ({ms['cavern']:.1f} ms)",
        [f"{ms[(p, 'ireby')] / ms['cavern']:.2f}×" for p in programs])
else:
    row("ireby.orv: skipped, no ../shared/surveys/ireby.orv", ["—"] * len(programs))
for survey, title in [("longa", "peak memory, the survey"), ("longa_reversed", "peak memory, from its far end")] + (
        [("ireby", "peak memory, ireby.orv")] if ireby else []):
    row(title, [f"{peak_kb(commands[(p, survey)]) / 1000:.1f} MB" for p in programs])
print()
print("Spread (first and third quartile, ms):")
for key in keys:
    q = statistics.quantiles(samples[key], n=4) if len(samples[key]) > 1 else [ms[key] / 1000] * 3
    name = f"{labels[programs.index(key[0])]} {key[1]}" if isinstance(key, tuple) else key
    print(f"  {name}: {q[0] * 1000:.1f} – {q[2] * 1000:.1f}")
PY
