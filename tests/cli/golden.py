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
    ("navigate_tabs", ["navigate", CORPUS, "--settings", TABS, "--keys",
                       "end end end prevTab prev next toggleSort toggleSort home home home"], 0,
     "navigate_tabs.jsonl", None),
    ("navigate_search", ["navigate", CORPUS, "--settings", TABS, "--keys",
                         "nextTab type:ch wait:0.4 type:x type:z wait:0.5 type:z wait:2 "
                         "2,7 76 type:l,pageDown,pageUp"], 0, "navigate_search.jsonl", None),
    ("navigate_artist_order", ["navigate", CORPUS, "--keys", "toggleSort type:band 37 37 36"],
     0, "navigate_artist_order.jsonl", None),
    ("navigate_unknown_word", ["navigate", CORPUS, "--keys", "next jump"], 2, None,
     "unknown navigation command 'jump'"),
    ("navigate_unknown_number", ["navigate", CORPUS, "--keys", "42"], 2, None,
     "unknown navigation command '42'"),
    ("navigate_bad_wait", ["navigate", CORPUS, "--keys", "wait:-1"], 2, None,
     "unknown navigation command"),
    ("navigate_no_keys", ["navigate", CORPUS], 2, None, "usage: navigate"),
    ("navigate_missing_folder", ["navigate", "/nonexistent/folder", "--keys", "next"], 2, None,
     "is not a folder"),
    ("unknown_command", ["frobnicate"], 2, None, "unknown command"),
    ("help", ["--help"], 0, "help.txt", None),
]


def main():
    golden = os.path.join(HERE, "golden")
    return run_cases(sys.argv[1], CASES, golden, update="--update" in sys.argv)


if __name__ == "__main__":
    sys.exit(main())
