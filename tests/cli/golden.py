#!/usr/bin/env python3
"""Golden tests of partivo-cli: runs each case and compares stdout, stderr and exit code.

Usage: golden.py <partivo-cli> [--update]
"""
import os
import subprocess
import sys

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
    cli = sys.argv[1]
    update = "--update" in sys.argv
    env = dict(os.environ, LANG="en_US.UTF-8", QT_QPA_PLATFORM="offscreen")
    failures = 0
    for name, args, code, golden, err_text in CASES:
        run = subprocess.run([cli] + args, capture_output=True, env=env, timeout=60)
        problems = []
        if run.returncode != code:
            problems.append(f"exit code {run.returncode}, expected {code}")
        stderr = run.stderr.decode("utf-8", "replace")
        if err_text is None and stderr:
            problems.append(f"unexpected stderr: {stderr!r}")
        if err_text is not None:
            if err_text not in stderr:
                problems.append(f"stderr {stderr!r} lacks {err_text!r}")
            if stderr.count("\n") != 1:
                problems.append(f"stderr is not one line: {stderr!r}")
        if golden is None:
            if run.stdout:
                problems.append("unexpected stdout")
        else:
            path = os.path.join(HERE, "golden", golden)
            if update:
                with open(path, "wb") as f:
                    f.write(run.stdout)
            with open(path, "rb") as f:
                expected = f.read()
            if run.stdout != expected:
                problems.append(f"stdout differs from golden/{golden}")
        status = "FAIL" if problems else "ok"
        print(f"{status:4} {name}")
        for p in problems:
            print(f"     {p}")
        failures += bool(problems)
    print(f"{len(CASES) - failures} of {len(CASES)} golden cases passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
