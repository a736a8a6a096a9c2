#!/usr/bin/env python3
"""Turns the benchmark JSON into the markdown table of bench/RESULTS.md: figures, ratios, targets."""
import json, platform, sys, datetime

results = json.load(open(sys.argv[1]))
times = {}
for b in results["benchmarks"]:
    if b.get("run_type") == "aggregate" or b.get("error_occurred"):
        continue
    name = b["name"].split("/")[0]
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
    times[name] = b["real_time"] * scale  # milliseconds
    times[name + ":cpu"] = b["cpu_time"] * scale
    for counter in ("cpu_share", "cpu_idle", "ticks", "patch_bytes", "memory_x_rom", "peak_mib"):
        if counter in b:
            times[name + ":" + counter] = b[counter]

rows = []
def row(what, figure, target, ok):
    rows.append(f"| {what} | {figure} | {target} | {'met' if ok else '**not met**'} |")

def ms(x):
    return f"{x:.3f} ms" if x < 10 else f"{x:.1f} ms"

if "ListLoad" in times:
    t, floor = times["ListLoad"], times.get("ListLoadFloor", float("nan"))
    row("List load (355 names, one open each)", f"{ms(t)} ({t / floor:.0f}x one plain read)", "< 5 ms", t < 5)
if "ViewMove" in times:
    t, floor = times["ViewMove"], times.get("ViewMoveFloor", float("nan"))
    row("View of one move (7 reads)", f"{ms(t)} ({t / floor:.1f}x one plain read)", "< 0.5 ms", t < 0.5)
if "SaveWrites" in times:
    row("Save (20 single-byte writes)", ms(times["SaveWrites"]), "< 2 ms", times["SaveWrites"] < 2)
if "HoverTimer" in times:
    hovering = times.get("HoverTimer:cpu_share", float("nan"))
    idle = times.get("HoverTimer:cpu_idle", float("nan"))
    share = max(hovering - idle, 0.0)
    row("Hover timer CPU per second of hovering",
        f"{share * 100:.2f} % of a core ({hovering * 100:.2f} % hovering against {idle * 100:.2f} % idle, "
        f"{times.get('HoverTimer:ticks', 0):.0f} ticks)", "< 1 %", share < 0.01)
if "StartupEditor" in times and "StartupEmptyWidget" in times:
    r = times["StartupEditor"] / times["StartupEmptyWidget"]
    row("Start-up to window shown", f"{ms(times['StartupEditor'])} vs {ms(times['StartupEmptyWidget'])}: ratio {r:.2f}",
        "ratio <= 1.3", r <= 1.3)
    if "StartupOneLabel" in times:
        r = times["StartupEditor"] / times["StartupOneLabel"]
        row("Start-up against a program showing one label (font set-up included in both)",
            f"{ms(times['StartupEditor'])} vs {ms(times['StartupOneLabel'])}: ratio {r:.2f}", "(context)", True)
for name, what in (("BpsCreate16MiB", "BPS create"), ("BpsApply16MiB", "BPS apply")):
    if name in times:
        t, size, memory = times[name], times.get(name + ":patch_bytes", 0), times.get(name + ":memory_x_rom", 0)
        row(f"{what}, two 16 MiB images 200 scattered bytes apart",
            f"{ms(t)}, patch {size:.0f} bytes, memory {memory:.2f}x the ROM",
            "< 200 ms, <= 1.8 KiB, < 4x", t < 200 and size <= 1843 and memory < 4)
if "ListJson16MiB" in times and "Cat16MiB" in times:
    t, cat, peak = times["ListJson16MiB"], times["Cat16MiB"], times.get("ListJson16MiB:peak_mib", float("nan"))
    row("skirmela-moves list --json of a 16 MiB ROM against cat of it (whole processes)",
        f"{ms(t)} vs {ms(cat)}: ratio {t / cat:.2f}, peak {peak:.1f} MiB", "ratio <= 3, peak <= 24 MiB",
        t <= 3 * cat and peak <= 24)
if "WindowOpen355" in times and "WindowOpen923" in times:
    a, b = times["WindowOpen355"], times["WindowOpen923"]
    row("Window open of a modified ROM's 923-move table against a 355-move one", f"{ms(b)} vs {ms(a)}: ratio {b / a:.2f}",
        "ratio <= 3", b <= 3 * a)
# The window's open of the demo maker's --hack (923 moves, 8 MiB) by the program before it read the hack's
# descriptions, type names and record layout: CPU time, as the shared machine's wall time varies by half.
GROWN_HACK_OPEN_BEFORE_MS = 5.97
if "WindowOpenGrownHack" in times:
    t = times["WindowOpenGrownHack:cpu"]
    row("Window open of a 923-move hack with its descriptions, type names and layout read, against the open "
        "before they were read (CPU time)", f"{ms(t)} vs {ms(GROWN_HACK_OPEN_BEFORE_MS)}: ratio "
        f"{t / GROWN_HACK_OPEN_BEFORE_MS:.2f}", "ratio <= 1.5", t <= 1.5 * GROWN_HACK_OPEN_BEFORE_MS)
if "WindowOpen355" in times and "WindowOpen355NoDescriptions" in times:
    extra = times["WindowOpen355"] - times["WindowOpen355NoDescriptions"]
    row("Window open with the 354 move descriptions read, against the same open without them",
        f"{ms(times['WindowOpen355'])} vs {ms(times['WindowOpen355NoDescriptions'])}: {extra:+.3f} ms", "<= +5 ms",
        extra <= 5)
for layout, what in (("FireRed", "FireRed/LeafGreen decompilation project"),
                     ("RubySapphire", "Ruby/Sapphire decompilation project"), ("Emerald", "Emerald decompilation project"),
                     ("LargeIncludes", "FireRed/LeafGreen decompilation project with 15,000 more defines in include/")):
    if f"WindowOpenProject{layout}" in times:
        t = times[f"WindowOpenProject{layout}"]
        row(f"Window open of a 355-move {what} (every file read, every value resolved)", ms(t), "<= 50 ms", t <= 50)
if "ContestDataRead16MiB" in times:
    t = times["ContestDataRead16MiB"]
    row("Contest data of a 16 MiB R/S-like ROM read as at the window's open (its cost alone: 3 tables, 48 texts, "
        "their code words)", ms(t), "<= +2 ms on the open", t <= 2)
if "WindowOpenContest16MiB" in times and "WindowOpenContest16MiBWithout" in times:
    a, b = times["WindowOpenContest16MiB:cpu"], times["WindowOpenContest16MiBWithout:cpu"]
    row("Window open of the 16 MiB R/S-like ROM with its contest data read and its page filled, against the same "
        "open through the profile without the contest sections (CPU time)", f"{ms(a)} vs {ms(b)}: {a - b:+.3f} ms",
        "<= +2 ms", a - b <= 2)
if "Backup16MiB" in times:
    row("Backup of a 16 MiB ROM before the first save (copied, flushed, pruned to 20)", ms(times["Backup16MiB"]),
        "< 100 ms", times["Backup16MiB"] < 100)
if "FirstSaveWithBackup16MiB" in times:
    t = times["FirstSaveWithBackup16MiB"]
    row("First save of a session on a 16 MiB ROM: backup, the old bytes read for undo, 25 writes", ms(t),
        "< 100 ms", t < 100)
looks = sorted({n.split("_")[1] for n in times if n.startswith("Face_")}, key=lambda look: int(look.split("-")[0]))
for look in looks:
    for st in ("up", "hover", "down"):
        ours, stock = times.get(f"Face_{look}_{st}"), times.get(f"Stock_{st}")
        if ours is None or stock is None:
            continue
        r = ours / stock
        limit = 0.5 if look.startswith("3-") else 1.0
        row(f"Face repaint {look} {st}, 217 x 41", f"{ours * 1000:.1f} us vs stock {stock * 1000:.1f} us: ratio {r:.2f}",
            f"ratio <= {limit}", r <= limit)
if "CaptionChange_3-GradientRim" in times and "Stock_up" in times:
    t, stock = times["CaptionChange_3-GradientRim"], times["Stock_up"]
    row("Caption change, 3-GradientRim: new text measured, laid out, rasterised and painted (repaints reuse it)",
        f"{t * 1000:.1f} us vs stock {stock * 1000:.1f} us: ratio {t / stock:.2f}", "(context)", True)

head = [f"# Benchmark results", "",
        f"Machine: {platform.node()} ({platform.machine()}, {results['context'].get('num_cpus')} cores), "
        f"date: {datetime.date.today().isoformat()}. Made by `scripts/bench.sh`.", "",
        "| Measure | Figure | Target | |", "|---|---|---|---|"]
notes = []
if "StartupEditor" in times and "StartupEmptyWidget" in times and times["StartupEditor"] > 1.3 * times["StartupEmptyWidget"]:
    notes += ["", "Why start-up misses its target: a window that shows text must set up fonts, and an empty widget "
              "never does. Under callgrind the empty program runs 17.5 M instructions, the one-label program 58.9 M "
              "and the editor 82.6 M. Of the editor's, fontconfig's initialisation (parsing the system's 65 font "
              "configuration files) is 27.6 M and the font database and engines about 20 M more; the buttons' own "
              "settings, caption layout and painting are about 10 M. Against the one-label program, which pays the "
              f"same font set-up, the ratio is {times['StartupEditor'] / times.get('StartupOneLabel', float('nan')):.2f}. "
              "The font set-up is the system's and is left as it is rather than bypassed for the measurement."]
if "WindowOpenGrownHack" in times:
    notes += ["", "The grown hack's open before its descriptions, type names and layout were read: "
              f"{GROWN_HACK_OPEN_BEFORE_MS} ms of CPU time (median of 10, 2026-12-09), the program of then opening "
              "the ROM `make_demo_rom --hack` writes; the wall time of that run varied by a quarter on the shared "
              "machine, so the CPU times are compared."]
print("\n".join(head + rows + notes))
