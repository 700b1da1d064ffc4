#!/usr/bin/env python3
"""The benchmark's table: time to dialog and peak working set from the
driver's runs, file and section sizes read from the executables, and the heap
check of the tool's own objects, each against its goal.

The time goal holds the tool against the least a program can do while it
shows the dialog as it must be shown: the bare program running the same
dialog procedure ("limit"). So the tool's frame around the dialog (locks,
paths, version gate, settings file) must cost nothing. Sizes and memory are
held against the bare program ("bare"), and so is, for information, what the
dialog procedure itself costs.

  report.py --inputs bench-inputs.json --runs runs.txt [--machine TEXT] [--out FILE]
"""
import argparse
import json
import statistics
import struct
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import heap_check  # noqa: E402

TIME_RATIO_GOAL = 1.05
CODE_DATA_GOAL = 16 * 1024
WORKING_SET_GOAL = 0.05

IMAGE_SCN_CNT_CODE = 0x20
IMAGE_SCN_CNT_DATA = 0x40 | 0x80  # initialised and uninitialised


def pe_sections(path):
    """[(name, virtual size, characteristics)] of a PE image."""
    image = Path(path).read_bytes()
    (pe_offset,) = struct.unpack_from("<I", image, 0x3C)
    if image[pe_offset:pe_offset + 4] != b"PE\0\0":
        raise ValueError(f"{path}: not a PE image")
    count, = struct.unpack_from("<H", image, pe_offset + 6)
    optional_size, = struct.unpack_from("<H", image, pe_offset + 20)
    table = pe_offset + 24 + optional_size
    sections = []
    for i in range(count):
        name, vsize, _, _, _, _, _, _, _, flags = struct.unpack_from("<8sIIIIIIHHI", image, table + 40 * i)
        sections.append((name.rstrip(b"\0").decode("ascii"), vsize, flags))
    return sections


def sizes(path):
    """File size, code, data without resources, and resources, in bytes."""
    code = data = resources = 0
    for name, vsize, flags in pe_sections(path):
        if name == ".rsrc":
            resources += vsize
        elif flags & IMAGE_SCN_CNT_CODE:
            code += vsize
        elif flags & IMAGE_SCN_CNT_DATA:
            data += vsize
    return {"file": Path(path).stat().st_size, "code": code, "data": data, "resources": resources}


def read_runs(path):
    """{program: [(milliseconds, peak working set bytes, WM_INITDIALOG
    milliseconds or None)]} from the driver."""
    runs = {}
    for line in Path(path).read_text().splitlines():
        fields = line.split()
        if len(fields) == 6 and fields[0] == "run":
            init = int(fields[5])
            runs.setdefault(fields[1], []).append(
                (float(fields[3]), int(fields[4]), init / 1000 if init >= 0 else None))
    return runs


def quartiles(values):
    if len(values) < 2:
        return values[0], values[0]
    q = statistics.quantiles(values, n=4, method="inclusive")
    return q[0], q[2]


def verdict(met):
    return "met" if met else "**missed**"


def build_report(inputs, runs, machine):
    names = list(inputs["programs"])
    tool, bare, limit = inputs["tool"], inputs["bare"], inputs["limit"]
    missing = [name for name in names if name not in runs]
    if missing:
        raise ValueError(f"no runs for {', '.join(missing)}")

    time = {n: statistics.median(ms for ms, _, _ in runs[n]) for n in names}
    spread = {n: quartiles([ms for ms, _, _ in runs[n]]) for n in names}
    memory = {n: statistics.median(ws for _, ws, _ in runs[n]) for n in names}
    init = {n: statistics.median(i for _, _, i in runs[n]) for n in names
            if all(i is not None for _, _, i in runs[n])}
    size = {n: sizes(inputs["programs"][n]) for n in names}
    code_data = {n: size[n]["code"] + size[n]["data"] for n in names}
    allocations = heap_check.allocator_calls(inputs["nm"], inputs["tool_objects"])

    ratio = time[tool] / time[limit]
    growth = code_data[tool] - code_data[bare]
    memory_change = memory[tool] / memory[bare] - 1

    def row(label, values, change="", goal="", result=""):
        return f"| {label} | " + " | ".join(values) + f" | {change} | {goal} | {result} |"

    def size_row(label, key):
        return row(label, [f"{size[n][key]:,}" for n in names], f"{size[tool][key] - size[bare][key]:+,} over `{bare}`")

    counts = sorted({len(runs[n]) for n in names})
    lines = [
        f"Runs per program: {', '.join(map(str, counts))}, interleaved. {machine}".strip(),
        "",
        "| | " + " | ".join(f"`{n}`" for n in names) + f" | `{tool}` against | goal | |",
        "|---|" + "---:|" * len(names) + "---:|---:|---|",
        row("time to dialog, median ms (quartiles)",
            [f"{time[n]:.1f} ({spread[n][0]:.0f}–{spread[n][1]:.0f})" for n in names],
            f"×{ratio:.3f} of `{limit}`", f"≤ ×{TIME_RATIO_GOAL:.2f}", verdict(ratio <= TIME_RATIO_GOAL)),
        row("of which the dialog procedure's WM_INITDIALOG, median ms",
            [f"{init[n]:.1f}" if n in init else "" for n in names]),
        row("peak working set, median KiB", [f"{memory[n] / 1024:,.0f}" for n in names],
            f"{memory_change:+.2%} of `{bare}`", f"≤ +{WORKING_SET_GOAL:.0%}", verdict(memory_change <= WORKING_SET_GOAL)),
        size_row("file size, bytes", "file"),
        size_row("code, bytes", "code"),
        size_row("data without resources, bytes", "data"),
        row("code and data, bytes", [f"{code_data[n]:,}" for n in names], f"{growth:+,} over `{bare}`",
            f"≤ +{CODE_DATA_GOAL:,}", verdict(growth <= CODE_DATA_GOAL)),
        size_row("resources, bytes", "resources"),
        row("heap allocators the tool's own code calls", ["" if n != tool else
            (", ".join(sorted({c for calls in allocations.values() for c in calls})) or "none") for n in names],
            "", "none", verdict(not allocations)),
    ]
    others = [n for n in names if n not in (tool, bare)]
    if others:
        lines.append("")
        lines.append("Time to dialog against `" + bare + "`: " + ", ".join(
            f"`{n}` ×{time[n] / time[bare]:.3f}" for n in others + [tool]) + ".")
        for n in others:
            if n in init:
                lines.append(f"`{n}` without its WM_INITDIALOG against `{bare}`: "
                             f"×{(time[n] - init[n]) / time[bare]:.3f}.")
    return "\n".join(lines) + "\n"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--inputs", required=True, help="bench-inputs.json of the build tree")
    parser.add_argument("--runs", required=True, help="output of time_to_dialog")
    parser.add_argument("--machine", default="")
    parser.add_argument("--out")
    args = parser.parse_args()

    inputs = json.loads(Path(args.inputs).read_text())
    report = build_report(inputs, read_runs(args.runs), args.machine)
    if args.out:
        Path(args.out).write_text(report)
    sys.stdout.write(report)
    return 0


if __name__ == "__main__":
    sys.exit(main())
