#!/usr/bin/env python3
"""Keeps a small corpus for one fuzz target: the fewest inputs that reach the most code.

  scripts/fuzz-keep-corpus.py build/fuzz/bin/<target> fuzz/corpus/<target> <found folder>... [--max-files N]

Runs the target's merge over the kept corpus and the folders of found inputs, then chooses greedily,
up to --max-files, the input that adds the most code edges not yet reached (ties: more new features,
then the smaller file), and once no input adds an edge, the ones that add the most new features.
Inputs larger than --max-bytes are never kept. Files whose names start with "crash-" are inputs that
once crashed: they always stay. The kept folder is rewritten with the chosen inputs, each named by the
SHA-1 of its bytes as libFuzzer names them.
"""
import argparse
import hashlib
import os
import subprocess
import sys
import tempfile


def read_control_file(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        lines = f.read().splitlines()
    count = int(lines[0])
    files = lines[2 : 2 + count]
    edges = {i: set() for i in range(count)}
    features = {i: set() for i in range(count)}
    for line in lines[2 + count :]:
        parts = line.split()
        if len(parts) >= 2 and parts[0] in ("COV", "FT"):
            target = edges if parts[0] == "COV" else features
            target[int(parts[1])] = set(parts[2:])
    return files, edges, features


def choose(files, edges, features, max_files, max_bytes):
    candidates = [i for i, f in enumerate(files) if os.path.getsize(f) <= max_bytes]
    chosen, have_edges, have_features = [], set(), set()
    while len(chosen) < max_files and candidates:
        def score(i):
            return (len(edges[i] - have_edges), len(features[i] - have_features), -os.path.getsize(files[i]))
        best = max(candidates, key=score)
        if score(best)[:2] == (0, 0):
            break
        chosen.append(best)
        candidates.remove(best)
        have_edges |= edges[best]
        have_features |= features[best]
    return [files[i] for i in chosen], len(have_edges)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("target")
    parser.add_argument("kept")
    parser.add_argument("found", nargs="*")
    parser.add_argument("--max-files", type=int, default=40)
    parser.add_argument("--max-bytes", type=int, default=4096)
    args = parser.parse_args()

    os.makedirs(args.kept, exist_ok=True)
    crashes = {name for name in os.listdir(args.kept) if name.startswith("crash-")}
    with tempfile.TemporaryDirectory() as tmp:
        control = os.path.join(tmp, "control")
        out = os.path.join(tmp, "out")
        os.mkdir(out)
        subprocess.run([args.target, "-merge=1", "-merge_control_file=" + control, out, args.kept] + args.found,
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        files, edges, features = read_control_file(control)
        chosen, reached = choose(files, edges, features, args.max_files, args.max_bytes)
        contents = {}
        for path in chosen:
            with open(path, "rb") as f:
                data = f.read()
            contents[hashlib.sha1(data).hexdigest()] = data
    for name in os.listdir(args.kept):
        if name not in crashes and name not in contents:
            os.remove(os.path.join(args.kept, name))
    for name, data in contents.items():
        with open(os.path.join(args.kept, name), "wb") as f:
            f.write(data)
    total = sum(len(d) for d in contents.values())
    print(f"{args.kept}: {len(contents)} inputs ({total} bytes) reach {reached} edges; {len(crashes)} crash inputs kept")


if __name__ == "__main__":
    sys.exit(main())
