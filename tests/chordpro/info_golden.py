#!/usr/bin/env python3
"""Golden tests of "partivo-cli chordpro info" over the song corpus.

Every song in corpus/ is run and its stdout compared byte for byte with
golden/info/<song>.json; the error cases check the exit code and a one-line message.

Usage: info_golden.py <partivo-cli> [--update]
"""
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, "corpus")
GOLDEN = os.path.join(HERE, "golden", "info")

# name, arguments after "chordpro info", text that the one stderr line must hold
ERROR_CASES = [
    ("missing_file", [os.path.join(CORPUS, "no such song.cho")], "is not a file"),
    ("no_arguments", [], "usage"),
    ("folder", [CORPUS], "is not a file"),
    ("two_files", [os.path.join(CORPUS, "empty.cho"), os.path.join(CORPUS, "empty.cho")],
     "usage"),
]


def run(cli, args):
    env = dict(os.environ, LANG="en_US.UTF-8", QT_QPA_PLATFORM="offscreen")
    return subprocess.run([cli, "chordpro", "info"] + args, capture_output=True, env=env,
                          timeout=60)


def check_song(cli, song, update):
    problems = []
    result = run(cli, [os.path.join(CORPUS, song)])
    if result.returncode != 0:
        problems.append(f"exit code {result.returncode}, expected 0")
    if result.stderr:
        problems.append(f"unexpected stderr: {result.stderr!r}")
    golden = os.path.join(GOLDEN, os.path.splitext(song)[0] + ".json")
    if update and not problems:
        with open(golden, "wb") as f:
            f.write(result.stdout)
    if not os.path.exists(golden):
        problems.append(f"no golden file {os.path.relpath(golden, HERE)}")
    else:
        with open(golden, "rb") as f:
            if result.stdout != f.read():
                problems.append(f"stdout differs from {os.path.relpath(golden, HERE)}")
    return problems


def check_error(cli, args, err_text):
    problems = []
    result = run(cli, args)
    if result.returncode != 2:
        problems.append(f"exit code {result.returncode}, expected 2")
    if result.stdout:
        problems.append("unexpected stdout")
    stderr = result.stderr.decode("utf-8", "replace")
    if err_text not in stderr:
        problems.append(f"stderr {stderr!r} lacks {err_text!r}")
    if stderr.count("\n") != 1 or not stderr.endswith("\n"):
        problems.append(f"stderr is not one line: {stderr!r}")
    return problems


def main():
    if len(sys.argv) < 2:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    cli = sys.argv[1]
    update = "--update" in sys.argv[2:]
    if update:
        os.makedirs(GOLDEN, exist_ok=True)
    songs = sorted(os.listdir(CORPUS))
    cases = [(song, lambda s=song: check_song(cli, s, update)) for song in songs]
    cases += [(name, lambda a=args, t=text: check_error(cli, a, t))
              for name, args, text in ERROR_CASES]
    failures = 0
    for name, check in cases:
        problems = check()
        print(f"{'FAIL' if problems else 'ok':4} {name}")
        for problem in problems:
            print(f"     {problem}")
        failures += bool(problems)
    existing = os.listdir(GOLDEN) if os.path.isdir(GOLDEN) else []
    stale = sorted(set(existing) - {os.path.splitext(s)[0] + ".json" for s in songs})
    for name in stale:
        print(f"FAIL golden/info/{name} has no song in corpus/")
    print(f"{len(cases) - failures} of {len(cases)} golden cases passed")
    return 1 if failures or stale else 0


if __name__ == "__main__":
    sys.exit(main())
