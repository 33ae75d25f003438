#!/usr/bin/python3
"""Turns the driver's CSV into the Markdown report and the plot's data.

    report.py RAW.csv NOTE.exe SAME_WORK.exe BARE.exe RESULTS.md PLOT.dat

The note is compared run by run with the baseline that does the same
platform work (same-work) against the targets below, and with the bare
floor (bare) to show what that platform work costs.
"""
import csv
import os
import re
import statistics
import subprocess
import sys
from collections import defaultdict

raw, note_exe, same_exe, bare_exe, results_path, plot_path = sys.argv[1:7]

values = defaultdict(dict)  # (scenario, metric, program) -> {run: value}
scenarios, steps = [], []
for row in csv.DictReader(open(raw)):
    scenario, metric = row["scenario"], row["metric"]
    if scenario not in scenarios:
        scenarios.append(scenario)
    if metric.startswith("step:") and row["program"] == "note" and metric not in steps:
        steps.append(metric)
    values[(scenario, metric, row["program"])][int(row["pair"])] = float(row["value"])

BIG = ("note 1MiB", "note 4MiB")
METRICS = [  # metric, label, unit, target for the note/same-work median
    ("startup_ms", "start-up", "ms", lambda s: 1.05 if s in BIG else 1.02),
    ("shutdown_ms", "shut-down", "ms", lambda s: 1.05),
    ("ws_kib", "working set", "MiB", lambda s: 1.02),
    ("peak_ws_kib", "peak working set", "MiB", lambda s: None),
    ("vmhwm_kib", "Linux VmHWM", "MiB", lambda s: None),
]


def shown(value, unit):
    if unit == "MiB":
        return f"{value / 1024:.1f}"
    return f"{value:.1f}" if value < 100 else f"{value:.0f}"


def spread(series, unit):
    return f"{shown(statistics.median(series), unit)} ({shown(min(series), unit)}–{shown(max(series), unit)})"


def ratios(scenario, metric, baseline):
    note, base = values.get((scenario, metric, "note"), {}), values.get((scenario, metric, baseline), {})
    return [note[r] / base[r] for r in sorted(set(note) & set(base)) if base[r] > 0]


def ratio_text(series):
    return f"{statistics.median(series):.3f} ({min(series):.2f}–{max(series):.2f})" if series else "–"


lines = [
    "Start-up, shut-down and memory: medians (min–max) of interleaved runs; the ratios are taken run by run.",
    "",
    "| scenario | figure | note | same-work | bare | note/same-work | target | holds | note/bare | n |",
    "|---|---|---|---|---|---|---|---|---|---|",
]
plot_rows = []
for scenario in scenarios:
    if scenario in ("session", "breakdown") or scenario.startswith(("export", "typing", "background")):
        continue
    for metric, label, unit, target_of in METRICS:
        series = {p: list(values.get((scenario, metric, p), {}).values()) for p in ("note", "same-work", "bare")}
        if not all(series.values()):
            continue
        same, bare = ratios(scenario, metric, "same-work"), ratios(scenario, metric, "bare")
        target = target_of(scenario)
        holds = "–" if target is None else ("yes" if statistics.median(same) <= target else "no")
        lines.append(
            f"| {scenario} | {label} ({unit}) | {spread(series['note'], unit)} | {spread(series['same-work'], unit)} | "
            f"{spread(series['bare'], unit)} | {ratio_text(same)} | {'≤ %.2f' % target if target else '–'} | {holds} | "
            f"{statistics.median(bare):.2f} | {len(same)} |")
        if target:
            plot_rows.append((f"{scenario.replace('note ', '')} {label}", statistics.median(same), min(same),
                              max(same), target))

# Where start-up time goes, for a small stored note.
if steps:
    lines += [
        "",
        "Start-up steps of a 2 KiB stored note (the note's bench-only build with marks; medians of interleaved runs): "
        "the time from CreateProcess to the end of each step, and the step's own share.",
        "",
        "| step | note: at (ms) | note: step | same-work: at | same-work: step | bare: at | bare: step |",
        "|---|---|---|---|---|---|---|",
    ]
    own = {}
    for program in ("note", "same-work", "bare"):
        previous, own[program] = None, {}
        for step in steps + ["startup_ms"]:
            runs = values.get(("breakdown", step, program))
            if not runs:
                continue
            own[program][step] = (statistics.median(runs.values()),
                                  statistics.median(v - values[("breakdown", previous, program)][r]
                                                    for r, v in runs.items()) if previous else None)
            previous = step
    for step in steps + ["startup_ms"]:
        name = "window found by the driver" if step == "startup_ms" else step[5:]
        cells = []
        for program in ("note", "same-work", "bare"):
            at, part = own[program].get(step, (None, None))
            cells += [f"{at:.1f}" if at is not None else "–", f"{part:.1f}" if part is not None else "–"]
        lines.append(f"| {name} | " + " | ".join(cells) + " |")

SIZES = {"64KiB": 64 << 10, "256KiB": 256 << 10, "1MiB": 1 << 20, "4MiB": 4 << 20}


def save_deadline_ms(size):
    """How often steady typing makes the note write (store/save_schedule.h)."""
    return 500 if SIZES[size] <= 256 << 10 else 2000


typing = defaultdict(list)  # size -> scenarios, one per run
for s in scenarios:
    if s.startswith("typing"):
        typing[s.split()[1]].append(s)
if typing:
    lines += ["", "Typing at the end of a stored note: the time of one key until the text area holds it, medians "
              "(min–max) over the keys of the first run; the note writes the text 0.5 s after its first change not "
              "yet written up to 256 KiB and 2 s above, the same-work program 2 s after it at every size. The ratio "
              "is the median of the runs' ratios. Target: note/same-work ≤ 1.05.", "",
              "| note | keys | note (ms) | same-work (ms) | note/same-work, each run | median | holds |",
              "|---|---|---|---|---|---|---|"]
    for size, runs in typing.items():
        ratios = []
        for scenario in runs:
            note, same = (list(values[(scenario, "key_ms", p)].values()) for p in ("note", "same-work"))
            ratios.append(statistics.median(note) / statistics.median(same))
        note, same = (list(values[(runs[0], "key_ms", p)].values()) for p in ("note", "same-work"))
        ratio = statistics.median(ratios)
        lines.append(f"| {size} | {len(note)} | {spread(note, 'ms')} | {spread(same, 'ms')} | "
                     f"{', '.join(f'{r:.3f}' for r in ratios)} | {ratio:.3f} | {'yes' if ratio <= 1.05 else 'no'} |")
saves = [s for s in scenarios if s.startswith("background save")]
if saves:
    lines += ["", "A background save of a changed note, and the share of a core that steady typing spends on saving "
              "(one save per deadline).", "",
              "| background save of a changed note | ms, median (min–max) | n | saved every | share of a core |",
              "|---|---|---|---|---|"]
    for scenario in saves:
        size = scenario[16:]
        series = list(values[(scenario, "save_ms", "note")].values())
        every = save_deadline_ms(size)
        lines.append(f"| {size} | {spread(series, 'ms')} | {len(series)} | {every / 1000:g} s | "
                     f"{100 * statistics.median(series) / every:.2f} % |")

exports = [s for s in scenarios if s.startswith("export")]
if exports:
    lines += ["", "| file written | note's writer (ms) | bare calls (ms) | n |", "|---|---|---|---|"]
    for scenario in exports:
        note, bare = (list(values[(scenario, "export_ms", p)].values()) for p in ("note", "bare"))
        lines.append(f"| {scenario[7:]} | {spread(note, 'ms')} | {spread(bare, 'ms')} | {len(note)} |")

session = defaultdict(dict)
for (s, metric, program), v in values.items():
    if s == "session":
        session[program][metric] = v[0]
if session:
    lines.append("")
    for program, figures in session.items():
        growth = (figures["ws_end_kib"] - figures["ws_warm_kib"]) / figures["ws_warm_kib"] * 100
        lines.append(
            f"Long session, {program}: {int(figures['commands'])} menu commands (colours, fonts, opacity, alignment, "
            f"select all) with the text area focused"
            f"{' at the end' if figures['focused_at_end'] else ' at the start (not at the end)'}, after 1000 warm-up "
            f"commands: {figures['session_total_ms'] / figures['commands']:.2f} ms per command on average (median "
            f"{figures['command_median_ms']:.2f} ms, max {figures['command_max_ms']:.1f} ms); working set "
            f"{figures['ws_start_kib'] / 1024:.1f} MiB at start, {figures['ws_warm_kib'] / 1024:.1f} MiB after the "
            f"warm-up, {figures['ws_end_kib'] / 1024:.1f} MiB at the end ({growth:+.2f} %, target < 1 %: "
            f"{'holds' if growth < 1 else 'missed'}).")


def objdump(exe, option):
    tool = "x86_64-w64-mingw32-objdump"
    return subprocess.run([tool, option, exe], capture_output=True, text=True).stdout


def imports(exe):
    return ", ".join(sorted(set(d.lower() for d in re.findall(r"DLL Name: (\S+)", objdump(exe, "-p")))))


def sections(exe):
    found = re.findall(r"^\s*\d+\s+(\.\S+)\s+([0-9a-f]+)\s", objdump(exe, "-h"), re.MULTILINE)
    return ", ".join(f"{name} {int(size, 16) / 1024:.1f}" for name, size in found)


lines.append("")
for label, exe in (("note", note_exe), ("same-work", same_exe), ("bare", bare_exe)):
    lines.append(f"{label} .exe: {os.path.getsize(exe) / 1024:.0f} KiB, imports {imports(exe)}.")
lines.append(f"note .exe sections (KiB): {sections(note_exe)}.")

with open(results_path, "w") as f:
    f.write("\n".join(lines) + "\n")
with open(plot_path, "w") as f:
    for index, (label, median, low, high, target) in enumerate(plot_rows):
        f.write(f'{index} "{label}" {median:.4f} {low:.4f} {high:.4f} {target:.2f}\n')
print("\n".join(lines))
