#!/usr/bin/env python3
"""Turns the driver's CSV into the Markdown table and the plot's data.

    report.py RAW.csv NOTE.exe BASELINE.exe RESULTS.md PLOT.dat
"""
import csv
import os
import re
import statistics
import subprocess
import sys
from collections import defaultdict

raw, note_exe, baseline_exe, results_path, plot_path = sys.argv[1:6]

values = defaultdict(dict)  # (scenario, metric, program) -> {pair: value}
scenarios = []
for row in csv.DictReader(open(raw)):
    if row["scenario"] not in scenarios:
        scenarios.append(row["scenario"])
    values[(row["scenario"], row["metric"], row["program"])][int(row["pair"])] = float(row["value"])

METRICS = [
    ("startup_ms", "start-up", "ms"),
    ("shutdown_ms", "shut-down", "ms"),
    ("ws_kib", "working set", "MiB"),
    ("peak_ws_kib", "peak working set", "MiB"),
    ("vmhwm_kib", "Linux VmHWM", "MiB"),
    ("export_ms", "write file", "ms"),
]


def shown(value, unit):
    return f"{value / 1024:.1f}" if unit == "MiB" else f"{value:.1f}" if value < 100 else f"{value:.0f}"


def spread(series, unit):
    return f"{shown(statistics.median(series), unit)} ({shown(min(series), unit)}–{shown(max(series), unit)})"


lines = [
    "| scenario | figure | note: median (min–max) | baseline: median (min–max) | note/baseline per pair: median (min–max) | n |",
    "|---|---|---|---|---|---|",
]
plot_rows = []
for scenario in scenarios:
    if scenario == "session":
        continue
    for metric, label, unit in METRICS:
        note = values.get((scenario, metric, "note"))
        base = values.get((scenario, metric, "baseline"))
        if not note or not base:
            continue
        pairs = sorted(set(note) & set(base))
        ratios = [note[p] / base[p] for p in pairs if base[p] > 0]
        ratio = f"{statistics.median(ratios):.2f} ({min(ratios):.2f}–{max(ratios):.2f})" if ratios else "–"
        lines.append(f"| {scenario} | {label} ({unit}) | {spread(list(note.values()), unit)} | "
                     f"{spread(list(base.values()), unit)} | {ratio} | {len(pairs)} |")
        if metric in ("startup_ms", "shutdown_ms", "export_ms"):
            plot_rows.append((scenario, metric, statistics.median(note.values()), statistics.median(base.values())))

session = {metric: v[0] for (s, metric, p), v in values.items() if s == "session"}
if session:
    growth = (session["ws_end_kib"] - session["ws_warm_kib"]) / session["ws_warm_kib"] * 100
    lines += [
        "",
        f"Long session: {int(session['commands'])} menu commands (colours, fonts, opacity, "
        f"alignment, select all) sent as WM_COMMAND to the running note after 1000 warm-up commands and stay in front off and on: "
        f"{session['session_total_ms'] / session['commands']:.2f} ms per command on average "
        f"(median {session['command_median_ms']:.2f} ms, max {session['command_max_ms']:.1f} ms); "
        f"working set {session['ws_start_kib'] / 1024:.1f} MiB at start, {session['ws_warm_kib'] / 1024:.1f} MiB "
        f"after warm-up, {session['ws_end_kib'] / 1024:.1f} MiB after the session ({growth:+.2f} %).",
    ]


def imports(exe):
    dump = subprocess.run(["i686-w64-mingw32-objdump", "-p", exe], capture_output=True, text=True).stdout
    return ", ".join(sorted(set(d.lower() for d in re.findall(r"DLL Name: (\S+)", dump))))


lines.append("")
for label, exe in (("note", note_exe), ("baseline", baseline_exe)):
    lines.append(f"{label} .exe: {os.path.getsize(exe) / 1024:.0f} KiB, imports {imports(exe)}.")

with open(results_path, "w") as f:
    f.write("\n".join(lines) + "\n")
with open(plot_path, "w") as f:
    for scenario, metric, note, base in plot_rows:
        label = {"startup_ms": "start", "shutdown_ms": "stop", "export_ms": "write"}[metric]
        f.write(f'"{scenario.replace("note ", "").replace("export ", "")} {label}" {note:.3f} {base:.3f}\n')
print("\n".join(lines))
