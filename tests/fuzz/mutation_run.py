#!/usr/bin/env python3
"""Feeds randomly mutated exercise files to a tavelle-solve built with the sanitizers and checks what a
user would see: no crash, no sanitizer report, no hang, exit status 0, 1 or 2, nothing on standard error
unless the status is 2, then exactly one printable line; and for statuses 0 and 1, JSON that reads back
with one result per exercise.

    tests/fuzz/mutation_run.py TAVELLE_SOLVE [COUNT] [SEED]

A failing input is kept in the folder named by TAVELLE_MUTATION_FINDINGS (default: a temporary folder)."""
import concurrent.futures
import json
import os
import pathlib
import random
import subprocess
import sys
import tempfile

TOKENS = [b"1e400", b"-0", b"5e2", b"250.5", b"null", b"true", b"[", b"]", b"{", b"}", b",", b":", b'"', b"\\",
          b"\\u0000", b"\\u001b[2J", b"\\ud800", b"\x00", b"\n", b"\xff", b"\xc3\xa9", b"[" * 5000,
          b'"pumpRating"', b'"nozzleCount"', b'"nozzle3SlopeKind"', b'"feedLength": 3000', b'"LDV 1000"', b"\t"]
SANITIZER_EXIT = 86
KEYS = ["pumpRating", "feedDiameter", "feedLength", "nozzleCount", "slopeKind", "slopePercent", "nozzle1Type",
        "nozzle1Flow", "nozzle1Height", "nozzle1HoseCount", "nozzle2Type", "nozzle2Flow", "divisionElevation",
        "nozzle2Elevation", "nozzle2HoseCount", "nozzle3Type", "nozzle3Flow", "nozzle3HoseCount",
        "nozzle3SlopeKind", "nozzle3SlopePercent"]
VALUES = ["1000/10", "2000/15", 45, 70, 110, 20, 3000, 1, 2, 3, "nulle", "positive", "Positive", "négative", 0, 5, 12,
          "40/14", "65/18", "100/25", "LDV 500", "LDV 1000", 125, 250, 500, 1000, 22, 32, 310, 326, None, "", 7, 3.5]


def rewrite(document, rng: random.Random) -> bytes:
    """Changes the choices of a well-formed exercise document, keeping it well-formed."""
    exercises = document if isinstance(document, list) else [document]
    for exercise in exercises:
        for _ in range(rng.randint(1, 4)):
            key = rng.choice(KEYS)
            if rng.random() < 0.2:
                exercise.pop(key, None)
            else:
                exercise[key] = rng.choice(VALUES)
    if rng.random() < 0.3:
        exercises = exercises * rng.randint(2, 20)
    return json.dumps(exercises if isinstance(document, list) or len(exercises) > 1 else exercises[0],
                      ensure_ascii=rng.random() < 0.5, indent=rng.choice([None, 1])).encode()


def mutate(data: bytes, rng: random.Random, seeds: list) -> bytes:
    data = bytearray(data)
    for _ in range(rng.randint(1, 8)):
        at = rng.randint(0, len(data))
        choice = rng.randrange(6)
        if choice == 0 and data:
            data[min(at, len(data) - 1)] = rng.randrange(256)
        elif choice == 1:
            data[at:at] = bytes([rng.randrange(256)])
        elif choice == 2:
            del data[at:at + rng.randint(1, 16)]
        elif choice == 3:
            data[at:at] = rng.choice(TOKENS)
        elif choice == 4 and data:
            start = rng.randrange(len(data))
            data[at:at] = data[start:start + rng.randint(1, 64)]
        else:
            other = rng.choice(seeds)
            data[at:] = other[rng.randrange(len(other) + 1):]
    return bytes(data)


def check(solve: str, data: bytes, rng: random.Random):
    """Returns the exit status and what is wrong with the run on `data` (an empty string when nothing)."""
    text = rng.random() < 0.3
    arguments = [solve] + (["--text"] if text else [])
    environment = dict(os.environ, LC_ALL=rng.choice(["C", "fr_FR.UTF-8"]),
                       ASAN_OPTIONS=f"exitcode={SANITIZER_EXIT}:detect_leaks=1:halt_on_error=1",
                       UBSAN_OPTIONS=f"exitcode={SANITIZER_EXIT}:halt_on_error=1:print_stacktrace=1")
    try:
        run = subprocess.run(arguments, input=data, capture_output=True, timeout=30, env=environment)
    except subprocess.TimeoutExpired:
        return None, "hang (more than 30 s)"
    err = run.stderr
    if run.returncode not in (0, 1, 2):
        return run.returncode, f"exit status {run.returncode}: {err[-2000:].decode(errors='replace')}"
    if run.returncode == 2:
        if not err.endswith(b"\n") or err.count(b"\n") != 1 or not err.startswith(b"tavelle-solve: "):
            return run.returncode, f"not exactly one line on standard error: {err[:2000]!r}"
        if any(byte < 0x20 or byte == 0x7F for byte in err[:-1]):
            return run.returncode, f"a control character on standard error: {err[:2000]!r}"
        return run.returncode, ""
    if err:
        return run.returncode, f"standard error not empty with status {run.returncode}: {err[:2000]!r}"
    if not text:
        try:
            results = json.loads(run.stdout)
        except ValueError as error:
            return run.returncode, f"output is not JSON: {error}"
        if isinstance(results, dict):
            results = [results]
        if not all(isinstance(r, dict) and isinstance(r.get("accepted"), bool) for r in results):
            return run.returncode, "a result without its outcome"
        if run.returncode != (0 if all(r["accepted"] for r in results) else 1):
            return run.returncode, "exit status does not match the results"
    return run.returncode, ""


def main() -> int:
    solve = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 3000
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else random.randrange(1 << 32)
    corpus = pathlib.Path(__file__).resolve().parent / "corpus"
    seeds = [path.read_bytes() for path in sorted(corpus.iterdir())]
    findings = pathlib.Path(os.environ.get("TAVELLE_MUTATION_FINDINGS") or tempfile.mkdtemp(prefix="tavelle-mutation-"))
    print(f"mutation run: {count} inputs, seed {seed}, against {solve}")

    def one(index: int):
        rng = random.Random(seed * 1_000_003 + index)
        seed_data = rng.choice(seeds)
        if rng.random() < 0.5:
            try:
                seed_data = rewrite(json.loads(seed_data), rng)
            except (ValueError, RecursionError):
                pass
        data = mutate(seed_data, rng, seeds) if rng.random() < 0.5 else seed_data
        return (index, data) + check(solve, data, rng)

    failures = 0
    statuses = {}
    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        for index, data, status, problem in pool.map(one, range(count)):
            statuses[status] = statuses.get(status, 0) + 1
            if problem:
                failures += 1
                findings.mkdir(parents=True, exist_ok=True)
                path = findings / f"input-{index}"
                path.write_bytes(data)
                print(f"mutation run: input {index} ({path}): {problem}", file=sys.stderr)
    shown = ", ".join(f"{n} with status {status}" for status, n in sorted(statuses.items(), key=str))
    print(f"mutation run: {count - failures} of {count} inputs handled well ({shown})")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
