#!/usr/bin/env python3
"""Prints each benchmark pair's ratio against its goal.

Reads the JSON that quelaform_bench writes with --benchmark_out. The
machines are shared and noisy, so every goal is a ratio of two benchmarks of
the same run, given for the best and for the median repetition of each,
with the machine's load averages when the table is printed; a goal counts
as met only when the median meets it.
"""
import json
import os
import re
import statistics
import sys

# (what, numerator, denominator, goal, at_most): the ratio of the two
# benchmarks' times per item, or of a counter against a fixed figure when
# the denominator is a number; a pair without a goal is shown for reference.
PAIRS = [
    ("four-pane surface redraw: bare glEvalMesh2 loop / our redraw",
     "BM_FourPaneBareEvalMesh", "BM_FourPaneRedraw", 2.0, False),
    ("default view (curves, points): our redraw / bare polylines",
     "BM_FourPaneDefaultView", "BM_FourPaneBarePolylines", 1.25, True),
    ("Rebuild + nets per patch: 40,000 patches / 900 patches",
     "BM_RebuildAndPatchNets/200", "BM_RebuildAndPatchNets/30", 1.3, True),
    ("Rebuild + nets per patch, fresh object: 40,000 / 900",
     "BM_RebuildFreshObject/200", "BM_RebuildFreshObject/30", 1.3, True),
    ("display mesh, resolution 4: bare loops, same mesh / our build",
     "BM_BareMeshBuild/4", "BM_DisplayMeshBuild/4", 0.6, False),
    ("display mesh, fresh process: bare loops, same mesh / our build",
     "BM_BareMeshFreshProcess", "BM_DisplayMeshFreshProcess", 0.6, False),
    ("mesh with corner normals: bare loops, same output / our build",
     "BM_BareMeshWithNormals/4", "BM_DisplayMeshWithNormals/4", 0.5, False),
    ("for reference, the points alone: bare separable loop / our mesh",
     "BM_BareNetEvaluation/4", "BM_DisplayMeshBuild/4", None, False),
    ("document open, fresh process: whole read, fields decoded / our open",
     "BM_RawFieldReadFreshProcess", "BM_DocumentOpenFreshProcess", 0.7, False),
    ("heap per quad patch after detection: bytes / 752 measured before",
     "BM_HeapPerQuadPatch:bytes_per_patch", 752.0, 0.5, True),
    ("one-point translate press: time, positions record / whole copy",
     "BM_TranslatePressOnePoint", "BM_TranslatePressWholeCopy", 0.1, True),
    ("one-point translate press: memory, positions record / whole copy",
     "BM_TranslatePressOnePoint:record_bytes", "BM_TranslatePressWholeCopy:record_bytes", 0.1, True),
    ("first frame, 576,000 patches: surfaces on / surfaces off",
     "BM_FirstFrameSurfacesOn", "BM_FirstFrameSurfacesOff", 2.0, True),
    ("10,000 objects in folders: object page fill / document open",
     "BM_ObjectPageFill", "BM_ObjectTreeDocumentOpen", 0.5, True),
    ("OBJ import, 100,000 triangles: our reading / assimp's reading",
     "BM_ImportObjRead", "BM_ImportObjAssimp", 1.0, True),
    ("OBJ import with smoothed normals: ours into a document / assimp's",
     "BM_ImportObjIntoDocument", "BM_ImportObjAssimpSmoothNormals", 1.0, True),
]

UNIT = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


def collect(path):
    """name -> list of values per repetition; name:counter for counters."""
    with open(path, encoding="utf-8") as f:
        runs = json.load(f)["benchmarks"]
    values = {}
    for run in runs:
        if run.get("run_type", "iteration") != "iteration" or run.get("error_occurred"):
            continue
        name = run["run_name"] if "run_name" in run else run["name"]
        name = re.sub(r"/(manual_time|real_time|iterations:\d+)", "", name)
        seconds = run["real_time"] * UNIT[run.get("time_unit", "ns")]
        items = run.get("items_per_second")
        per_item = 1.0 / items if items else seconds
        values.setdefault(name, []).append(per_item)
        for key, value in run.items():
            if isinstance(value, (int, float)) and key not in run_fields():
                values.setdefault(name + ":" + key, []).append(float(value))
    return values


def run_fields():
    return {"real_time", "cpu_time", "iterations", "repetitions", "repetition_index",
            "threads", "family_index", "per_family_instance_index", "items_per_second",
            "bytes_per_second"}


def main():
    if len(sys.argv) != 2:
        print("usage: ratios.py BENCH_JSON", file=sys.stderr)
        return 2
    values = collect(sys.argv[1])
    load = ", ".join(f"{l:.2f}" for l in os.getloadavg())
    print(f"load average (1, 5, 15 min): {load} on {os.cpu_count()} cores")
    print(f"{'pair':68} {'best':>8} {'median':>8}  goal")
    for what, top, bottom, goal, at_most in PAIRS:
        if top not in values or (isinstance(bottom, str) and bottom not in values):
            print(f"{what:68} {'-':>8} {'-':>8}  not run")
            continue
        tops = values[top]
        bottoms = values[bottom] if isinstance(bottom, str) else [bottom]
        # Times and bytes: the best repetition of each is its smallest.
        best = min(tops) / min(bottoms)
        median = statistics.median(tops) / statistics.median(bottoms)
        if goal is None:
            print(f"{what:68} {best:8.3f} {median:8.3f}  (no goal)")
            continue
        # One lucky repetition proves nothing on a shared machine: a goal is
        # met only when the median run meets it.
        met = median <= goal if at_most else median >= goal
        sign = "<=" if at_most else ">="
        print(f"{what:68} {best:8.3f} {median:8.3f}  {sign} {goal}  {'met' if met else 'NOT MET'}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
