#!/usr/bin/python3
"""Turns inflate-bench's JSON output into `ratio NAME VALUE AIM` lines.

    inflate_ratios.py RESULTS.json

VALUE is our decoder's time over zlib's on the same stream (lower is better). Random bytes are
what zlib stores uncompressed, so they measure stored blocks. The comparison with libdeflate is
printed above the ratio lines, as a raw figure.
"""

import json
import sys
from collections import defaultdict

COMPRESSED_AIM = 1 / 1.3  # at least 1.3 times zlib's throughput
STORED_AIM = 1.0  # at least zlib's throughput
KINDS = {"text": ("text", COMPRESSED_AIM), "bitmap": ("bitmap", COMPRESSED_AIM),
         "random": ("stored", STORED_AIM)}


def main():
    with open(sys.argv[1]) as results:
        benchmarks = json.load(results)["benchmarks"]
    times = defaultdict(dict)  # "text/level6" -> decoder -> time
    for run in benchmarks:
        if run.get("run_type") == "aggregate" and run.get("aggregate_name") != "median":
            continue
        decoder, data, level = run["run_name"].split("/")[:3]
        times[f"{data}/{level}"][decoder] = run["real_time"]
    lines = []
    for case, by_decoder in times.items():
        data, level = case.split("/")
        name, aim = KINDS[data]
        ours, zlib, libdeflate = (by_decoder[d] for d in ("ours", "zlib", "libdeflate"))
        print(f"inflate {case:14} ours {ours:7.2f} ms  zlib {zlib:7.2f} ms  "
              f"libdeflate {libdeflate:7.2f} ms  (ours / libdeflate {ours / libdeflate:.2f})")
        lines.append(f"ratio inflate-{name}-l{level.removeprefix('level')} {ours / zlib:.2f} {aim:.2f}")
    print("\n".join(lines))


if __name__ == "__main__":
    main()
