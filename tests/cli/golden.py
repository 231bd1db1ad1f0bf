#!/usr/bin/env python3
"""Golden tests of partivo-cli: runs each case and compares stdout, stderr and exit code.

Usage: golden.py <partivo-cli> [--update]
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from golden_runner import run_cases  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, "..", "library", "corpus")
TABS = os.path.join(HERE, "data", "tabs.ini")

# name, arguments, expected exit code, golden file for stdout (None: stdout must be empty),
# text that stderr must hold (None: stderr must be empty)
CASES = [
    ("library_corpus", ["library", CORPUS], 0, "library_corpus.json", None),
    ("library_tabs", ["library", CORPUS, "--settings", TABS], 0, "library_tabs.json", None),
    ("library_tabs_artist", ["library", CORPUS, "--settings", TABS, "--sort", "1"], 0,
     "library_tabs_artist.json", None),
    ("library_other_binder", ["library", CORPUS, "--settings", TABS, "--binder", "1"], 0,
     "library_other_binder.json", None),
    ("library_missing_folder", ["library", "/nonexistent/folder"], 2, None, "is not a folder"),
    ("library_bad_sort", ["library", CORPUS, "--sort", "2"], 2, None, "--sort"),
    ("library_bad_binder", ["library", CORPUS, "--binder", "8"], 2, None, "--binder"),
    ("library_missing_settings", ["library", CORPUS, "--settings", "/nonexistent.ini"], 2, None,
     "settings file"),
    ("library_no_folder", ["library"], 2, None, "usage"),
    ("unknown_command", ["frobnicate"], 2, None, "unknown command"),
    ("help", ["--help"], 0, "help.txt", None),
]


def main():
    golden = os.path.join(HERE, "golden")
    return run_cases(sys.argv[1], CASES, golden, update="--update" in sys.argv)


if __name__ == "__main__":
    sys.exit(main())
