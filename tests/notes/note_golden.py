#!/usr/bin/env python3
"""Golden tests of "partivo-cli note": compares stdout, stderr and exit code.

Usage: note_golden.py <partivo-cli> [--update]
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from golden_runner import run_cases  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "data")
GOLDEN = os.path.join(HERE, "golden")


def note(name):
    return ["note", os.path.join(DATA, name)]


# name, arguments, expected exit code, golden file for stdout (None: stdout must be empty),
# text that stderr must hold (None: stderr must be empty)
CASES = [
    ("full", note("full.txt"), 0, "full.json", None),
    ("no_final_lf", note("no_final_lf.txt"), 0, "no_final_lf.json", None),
    ("crlf", note("crlf.txt"), 0, "crlf.json", None),
    ("cp1252", note("cp1252.txt"), 0, "cp1252.json", None),
    ("empty", note("empty.txt"), 0, "empty.json", None),
    ("missing", note("missing.txt"), 2, None, "is not a file"),
    ("folder", ["note", DATA], 2, None, "is not a file"),
    ("no_argument", ["note"], 2, None, "usage: note <file>"),
    ("two_arguments", ["note", "a", "b"], 2, None, "usage: note <file>"),
]

if __name__ == "__main__":
    sys.exit(run_cases(sys.argv[1], CASES, GOLDEN, update="--update" in sys.argv[2:]))
