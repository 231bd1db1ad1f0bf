#!/usr/bin/env python3
"""Golden tests of "partivo-cli chordpro pages": compares stdout, stderr and exit code, and
lays out every song of the corpus on a small page to check that the output is consistent.

Usage: pages_golden.py <partivo-cli> [--update]
"""
import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from golden_runner import run_cases  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "pages_data")
CORPUS = os.path.join(HERE, "corpus")
GOLDEN = os.path.join(HERE, "golden", "pages")


def song(name):
    return os.path.join(DATA, name)


def corpus(name):
    return os.path.join(CORPUS, name)


def pages(*args):
    return ["chordpro", "pages", *args]


# name, arguments, expected exit code, golden file for stdout (None: stdout must be empty),
# text that stderr must hold (None: stderr must be empty)
CASES = [
    ("long_default", pages(song("long_song.cho")), 0, "long_default.json", None),
    ("long_small", pages(song("long_song.cho"), "--width", "300", "--height", "300"), 0,
     "long_small.json", None),
    ("long_lyrics_only", pages(song("long_song.cho"), "--lyrics-only", "--height", "400"), 0,
     "long_lyrics_only.json", None),
    ("long_fractional", pages("--height", "250.5", "--width", "420.25", song("long_song.cho")),
     0, "long_fractional.json", None),
    ("mixed_everything", pages(corpus("mixed_everything.cho")), 0, "mixed_everything.json",
     None),
    ("chorus_narrow", pages(corpus("chorus_long_names.cho"), "--width", "120", "--height",
                            "200"), 0, "chorus_narrow.json", None),
    ("embedded_lyrics_only", pages(corpus("embedded.cho"), "--lyrics-only"), 0,
     "embedded_lyrics_only.json", None),
    ("chords_only_lyrics_only", pages(corpus("chords_only_lines.cho"), "--lyrics-only"), 0,
     "chords_only_lyrics_only.json", None),
    ("empty", pages(corpus("empty.cho")), 0, "empty.json", None),
    ("win1252", pages(corpus("win1252_accents.cho"), "--width", "200"), 0, "win1252.json",
     None),
    # Songs written with the common ChordPro directives: labels, recalls, columns, figures
    # and chord diagrams per page.
    ("std_harbour_lights", pages(corpus("std_harbour_lights.cho")), 0,
     "std_harbour_lights.json", None),
    ("std_grid_and_tab", pages(corpus("std_grid_and_tab.cho"), "--height", "300"), 0,
     "std_grid_and_tab.json", None),
    ("std_figures", pages(corpus("std_figures.cho")), 0, "std_figures.json", None),
    ("std_recall_and_define", pages(corpus("std_recall_and_define.cho")), 0,
     "std_recall_and_define.json", None),
    ("std_selectors", pages(corpus("std_selectors.cho"), "--lyrics-only"), 0,
     "std_selectors_lyrics_only.json", None),
    ("missing_file", pages(song("nonexistent.cho")), 2, None, "is not a file"),
    ("folder", pages(DATA), 2, None, "is not a file"),
    ("no_file", pages("--width", "300"), 2, None, "usage"),
    ("two_files", pages(song("long_song.cho"), corpus("empty.cho")), 2, None,
     "unexpected argument"),
    ("unknown_option", pages(song("long_song.cho"), "--zoom", "2"), 2, None,
     "unexpected argument"),
    ("width_without_value", pages(song("long_song.cho"), "--width"), 2, None, "--width"),
    ("width_zero", pages(song("long_song.cho"), "--width", "0"), 2, None, "--width"),
    ("width_negative", pages(song("long_song.cho"), "--width", "-300"), 2, None, "--width"),
    ("width_tiny", pages(song("long_song.cho"), "--width", "10"), 2, None, "--width"),
    ("height_not_a_number", pages(song("long_song.cho"), "--height", "abc"), 2, None,
     "--height"),
    ("height_nan", pages(song("long_song.cho"), "--height", "nan"), 2, None, "--height"),
    ("height_huge", pages(song("long_song.cho"), "--height", "1e9"), 2, None, "--height"),
]


def check_corpus(cli):
    """Every corpus song on a small page: exit 0, no stderr, one entry per page, and every
    page's first line at or before its last, the pages in source order."""
    env = dict(os.environ, LANG="en_US.UTF-8", QT_QPA_PLATFORM="offscreen")
    failures = 0
    for name in sorted(os.listdir(CORPUS)):
        for extra in ([], ["--lyrics-only"]):
            args = [cli] + pages(corpus(name), "--width", "150", "--height", "120", *extra)
            run = subprocess.run(args, capture_output=True, env=env, timeout=60)
            problems = []
            if run.returncode != 0 or run.stderr:
                problems.append(f"exit {run.returncode}, stderr {run.stderr!r}")
            else:
                out = json.loads(run.stdout)
                if len(out["pages"]) != out["pageCount"]:
                    problems.append("page list and page count differ")
                previous = 0
                for page in out["pages"]:
                    if page["first"] is None:
                        continue
                    if not previous <= page["first"]["line"] <= page["last"]["line"]:
                        problems.append(f"page {page['page']} is out of order")
                    previous = page["last"]["line"]
            label = f"corpus {name}{' lyrics-only' if extra else ''}"
            print(f"{'FAIL' if problems else 'ok':4} {label}")
            for p in problems:
                print(f"     {p}")
            failures += bool(problems)
    return failures


def main():
    if len(sys.argv) < 2:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    cli = sys.argv[1]
    update = "--update" in sys.argv[2:]
    if update:
        os.makedirs(GOLDEN, exist_ok=True)
    result = run_cases(cli, CASES, GOLDEN, update)
    return 1 if check_corpus(cli) or result else 0


if __name__ == "__main__":
    sys.exit(main())
