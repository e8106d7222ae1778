#!/usr/bin/env python3
"""Feeds damaged image files to tessellon-cli and reports what it should never do.

Makes seed files of every type the program reads (with ImageMagick's `convert`), mutates them
(flipped bits, overwritten header fields, cut-off ends, doubled or dropped blocks, spliced
files) and runs `tessellon-cli info` and `tessellon-cli export` on every mutant under a time
and a memory limit. Reported:

  crash   the program ended by a signal, or a sanitizer wrote a report
  hang    it ran past the time limit
  wrong   export accepted the file, and its one tile differs from what an independent
          decoder (ImageMagick) makes of the file
  suspect export accepted a file the independent decoder calls damaged (looked at by hand:
          some files are damaged only in parts no decoder needs)

Not part of ./test.sh: it runs for a long time. Typical use, with a sanitizer build:

  cmake -S . -B build-asan -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined \\
      -fno-omit-frame-pointer" && nice cmake --build build-asan -j2 --target tessellon-cli
  nice tools/fuzz_images.py --cli build-asan/tessellon-cli --files 5000 --out /tmp/fuzz

Files that crashed, hung or came out wrong are kept in OUT/findings with the program's output.
"""

import argparse
import concurrent.futures
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile

# Seeds: name, then convert's arguments after the source picture. Every type and the variants
# with their own code paths (16-bit, grey, palette, run-length, OS/2, top down, alpha, EXIF).
SEEDS = [
    ("plain.jpg", ["-quality", "90"]),
    ("progressive.jpg", ["-interlace", "Plane"]),
    ("grey.jpg", ["-colorspace", "Gray"]),
    ("turned.jpg", ["-orient", "RightTop"]),
    ("rgb.tif", []),
    ("deep.tif", ["-depth", "16"]),
    ("grey.tif", ["-colorspace", "Gray"]),
    ("palette.tif", ["-type", "Palette"]),
    ("packed.tif", ["-compress", "LZW"]),
    ("rgb.bmp", []),
    ("palette.bmp", ["-type", "Palette", "BMP3:"]),
    ("rle.bmp", ["-type", "Palette", "-compress", "RLE", "BMP3:"]),
    ("os2.bmp", ["BMP2:"]),
    ("plain.png", []),
    ("alpha.png", ["-alpha", "set", "-channel", "A", "-evaluate", "set", "60%"]),
    ("palette.png", ["-type", "Palette"]),
    ("lossy.webp", ["-quality", "80"]),
    ("lossless.webp", ["-define", "webp:lossless=true"]),
]

SANITIZER = re.compile(r"ERROR: AddressSanitizer|runtime error:|ERROR: LeakSanitizer|"
                       r"UndefinedBehaviorSanitizer")
DAMAGE = re.compile(r"corrupt|premature|insufficient|unexpected end|improper|truncat|"
                    r"invalid|bogus|not enough|error", re.IGNORECASE)


def make_seeds(folder):
    """The seed files, made from one picture with detail in every part."""
    source = os.path.join(folder, "source.png")
    subprocess.run(["convert", "-seed", "7", "-size", "96x64", "plasma:red-blue",
                    "-fill", "white", "-draw", "rectangle 10,10 30,20", source],
                   check=True, capture_output=True)
    seeds = []
    for name, args in SEEDS:
        out = os.path.join(folder, "seed_" + name)
        prefix = ""
        if args and args[-1].endswith(":"):
            prefix, args = args[-1], args[:-1]
        subprocess.run(["convert", source] + args + [prefix + out], check=True,
                       capture_output=True)
        seeds.append(out)
    return seeds


def mutate(data, rng, others):
    """One damaged copy of `data`: one to four changes, most of them near the header."""
    b = bytearray(data)
    for _ in range(rng.randint(1, 4)):
        if not b:
            break
        kind = rng.randrange(8)
        head = min(len(b), 256)
        pos = rng.randrange(head if rng.random() < 0.6 else len(b))
        if kind == 0:  # a flipped bit
            b[pos] ^= 1 << rng.randrange(8)
        elif kind == 1:  # a byte set to a value parsers trip over
            b[pos] = rng.choice([0, 1, 0x7F, 0x80, 0xFE, 0xFF])
        elif kind == 2:  # a 16- or 32-bit field made huge, zero or negative
            width = rng.choice([2, 4])
            value = rng.choice([0, 0xFFFF, 0x7FFF, 0x8000, 0xFFFFFFFF, 0x7FFFFFFF, 1, 65535 * 3])
            b[pos:pos + width] = (value & ((1 << (8 * width)) - 1)).to_bytes(
                width, rng.choice(["little", "big"]))
        elif kind == 3:  # the end cut off
            del b[rng.randrange(max(1, len(b) // 8), len(b)):]
        elif kind == 4:  # a block dropped
            n = rng.randint(1, 64)
            del b[pos:pos + n]
        elif kind == 5:  # a block doubled
            n = rng.randint(1, 64)
            b[pos:pos] = b[pos:pos + n]
        elif kind == 6:  # random bytes written over a stretch
            n = rng.randint(1, 16)
            b[pos:pos + n] = bytes(rng.randrange(256) for _ in range(n))
        else:  # the rest taken from another file of the same type
            other = rng.choice(others)
            cut = rng.randrange(len(other))
            b = b[:pos] + bytearray(other[cut:])
    return bytes(b)


def read_ppm(data):
    """Width, height and RGB bytes of a binary PPM (P6, 8 bits)."""
    fields = []
    i = 0
    while len(fields) < 4:
        while data[i:i + 1].isspace():
            i += 1
        if data[i:i + 1] == b"#":
            i = data.index(b"\n", i)
            continue
        j = i
        while not data[j:j + 1].isspace():
            j += 1
        fields.append(data[i:j])
        i = j
    if fields[0] != b"P6" or fields[3] != b"255":
        raise ValueError("not an 8-bit PPM")
    w, h = int(fields[1]), int(fields[2])
    return w, h, data[i + 1:i + 1 + w * h * 3]


def reference(path):
    """The picture as ImageMagick decodes it (upright, flattened on white), and whether it
    called the file damaged. None when it could not decode it at all."""
    r = subprocess.run(["convert", path + "[0]", "-auto-orient", "-background", "white",
                        "-alpha", "remove", "-alpha", "off", "-depth", "8", "ppm:-"],
                       capture_output=True, timeout=60)
    try:
        picture = read_ppm(r.stdout) if r.stdout else None
    except (ValueError, IndexError):
        picture = None
    damaged = r.returncode != 0 or bool(DAMAGE.search(r.stderr.decode("utf-8", "replace")))
    return picture, damaged


def differs(ours, theirs):
    """Whether two pictures differ beyond what two correct decoders may differ by: more than
    one pixel in a hundred off by more than 48 in a channel."""
    if ours[:2] != theirs[:2]:
        return True
    a, b = ours[2], theirs[2]
    if len(a) != len(b):
        return True
    far = sum(1 for i in range(0, len(a), 3)
              if max(abs(a[i] - b[i]), abs(a[i + 1] - b[i + 1]), abs(a[i + 2] - b[i + 2])) > 48)
    return far * 100 > len(a) // 3


def run(cli, args, seconds, memory_mb, sanitized):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen",
               ASAN_OPTIONS="detect_leaks=0:allocator_may_return_null=1:"
                            f"max_allocation_size_mb={memory_mb}:hard_rss_limit_mb={memory_mb}",
               UBSAN_OPTIONS="print_stacktrace=1")
    limit = [] if sanitized else ["prlimit", f"--as={memory_mb << 20}"]
    try:
        r = subprocess.run(limit + [cli] + args, capture_output=True, timeout=seconds, env=env)
    except subprocess.TimeoutExpired as e:
        return "hang", (e.stderr or b"").decode("utf-8", "replace")
    err = r.stderr.decode("utf-8", "replace")
    if r.returncode < 0 or r.returncode >= 128 or SANITIZER.search(err):
        return "crash", err
    return r.returncode, err


def check(task):
    """Runs info and export on one mutant; the findings as (kind, text) pairs."""
    path, opts = task
    work = tempfile.mkdtemp(dir=opts.work)
    findings = []
    runs = 0
    try:
        status, err = run(opts.cli, ["info", path], opts.seconds, opts.memory, opts.sanitized)
        runs += 1
        if status in ("crash", "hang"):
            findings.append((status, "info: " + err[-4000:]))
        out = os.path.join(work, "tiles")
        status, err = run(opts.cli, ["export", path, "--out", out, "--base", "t", "--format",
                                     "bmp", "--tiles", "1x1", "--custom", "9.6x6.4",
                                     "--margins", "0"], opts.seconds, opts.memory,
                          opts.sanitized)
        runs += 1
        if status in ("crash", "hang"):
            findings.append((status, "export: " + err[-4000:]))
        elif status == 0:
            findings += compare(path, os.path.join(out, "t001.bmp"))
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return path, runs, findings


def compare(path, tile):
    """An accepted file's tile against the reference decode of the file. The tile covers the
    whole picture when its sides have the paper's proportions (3:2, as every seed)."""
    try:
        theirs, damaged = reference(path)
        ours = read_ppm(subprocess.run(["convert", tile, "-depth", "8", "ppm:-"],
                                       capture_output=True, timeout=60).stdout)
    except (subprocess.TimeoutExpired, ValueError, IndexError):
        return [("suspect", "the tile or the reference could not be read")]
    if theirs is None:
        return [("suspect", "accepted; the reference decoder cannot read it")]
    if theirs[0] * 2 != theirs[1] * 3:
        return []  # another shape: the tile is not the whole picture
    if differs(ours, theirs):
        return [("wrong", f"tile {ours[0]}x{ours[1]} differs from the reference "
                          f"{theirs[0]}x{theirs[1]}" + (" (reference: damaged)" if damaged
                                                          else ""))]
    if damaged:
        return [("suspect", "accepted; the reference decoder calls it damaged but decodes "
                            "the same pixels")]
    return []


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--cli", default="build/tessellon-cli")
    parser.add_argument("--files", type=int, default=5000, help="mutants to make and run")
    parser.add_argument("--out", default=None, help="folder for mutants and findings")
    parser.add_argument("--seconds", type=float, default=30, help="time limit of one run")
    parser.add_argument("--memory", type=int, default=3072, help="memory limit of one run, MB")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--seed", type=int, default=1)
    opts = parser.parse_args()
    opts.cli = os.path.abspath(opts.cli)
    opts.out = opts.out or tempfile.mkdtemp(prefix="tessellon-fuzz-")
    opts.work = os.path.join(opts.out, "work")
    # A sanitizer's shadow memory does not fit under an address-space limit: its own limit then.
    opts.sanitized = b"__asan_init" in open(opts.cli, "rb").read()
    for sub in ("seeds", "mutants", "findings", "work"):
        os.makedirs(os.path.join(opts.out, sub), exist_ok=True)

    rng = random.Random(opts.seed)
    seeds = make_seeds(os.path.join(opts.out, "seeds"))
    contents = {s: open(s, "rb").read() for s in seeds}
    by_type = {}
    for s in seeds:
        by_type.setdefault(os.path.splitext(s)[1], []).append(contents[s])
    tasks = []
    for n in range(opts.files):
        seed = seeds[n % len(seeds)]
        ext = os.path.splitext(seed)[1]
        path = os.path.join(opts.out, "mutants", f"{n:05d}_{os.path.basename(seed)[5:]}")
        with open(path, "wb") as f:
            f.write(mutate(contents[seed], rng, by_type[ext]))
        tasks.append((path, opts))

    counts = {"crash": 0, "hang": 0, "wrong": 0, "suspect": 0}
    runs = 0
    with concurrent.futures.ThreadPoolExecutor(opts.jobs) as pool:
        for done, (path, n, findings) in enumerate(pool.map(check, tasks), 1):
            runs += n
            for kind, text in findings:
                counts[kind] += 1
                keep = os.path.join(opts.out, "findings", kind + "_" + os.path.basename(path))
                shutil.copy(path, keep)
                with open(keep + ".txt", "a") as f:
                    f.write(text + "\n")
            if done % 250 == 0:
                print(f"{done} files, {runs} runs: {counts}", file=sys.stderr, flush=True)
    print(f"files {len(tasks)}, runs {runs}, crashes {counts['crash']}, hangs {counts['hang']}, "
          f"wrong pixels {counts['wrong']}, accepted though the reference calls them damaged "
          f"{counts['suspect']}; findings in {os.path.join(opts.out, 'findings')}")
    shutil.rmtree(opts.work, ignore_errors=True)
    return 1 if counts["crash"] or counts["hang"] or counts["wrong"] else 0


if __name__ == "__main__":
    sys.exit(main())
