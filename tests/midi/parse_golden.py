#!/usr/bin/env python3
"""Golden tests of "partivo-cli midi": runs each case of golden/cases.json (the arguments after
"midi") and compares stdout with golden/<name>.out, the exit code, and stderr (empty, or one
line holding the expected text). A case with "unless_exists" is skipped on machines where that
path exists (the MIDI-off cases, on a machine with a sequencer).

Usage: parse_golden.py <partivo-cli> [--update]
"""
import json
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
GOLDEN = os.path.join(HERE, "golden")


def check(cli, case, update):
    args = [cli, "midi"] + case["args"]
    env = dict(os.environ, LANG="en_US.UTF-8", QT_QPA_PLATFORM="offscreen")
    run = subprocess.run(args, capture_output=True, env=env, timeout=60)
    code = case.get("exit", 0)
    err_text = case.get("stderr")
    problems = []
    if run.returncode != code:
        problems.append(f"exit code {run.returncode}, expected {code}")
    stderr = run.stderr.decode("utf-8", "replace")
    if err_text is None and stderr:
        problems.append(f"unexpected stderr: {stderr!r}")
    if err_text is not None and (err_text not in stderr or stderr.count("\n") != 1):
        problems.append(f"stderr {stderr!r} is not one line holding {err_text!r}")
    if code != 0:
        if run.stdout:
            problems.append("unexpected stdout")
        return problems
    path = os.path.join(GOLDEN, case["name"] + ".out")
    if update:
        with open(path, "wb") as f:
            f.write(run.stdout)
    with open(path, "rb") as f:
        if run.stdout != f.read():
            problems.append(f"stdout differs from golden/{case['name']}.out")
    return problems


def main():
    cli = sys.argv[1]
    update = "--update" in sys.argv[2:]
    with open(os.path.join(GOLDEN, "cases.json"), encoding="utf-8") as f:
        cases = json.load(f)
    failures = 0
    skipped = 0
    for case in cases:
        if "unless_exists" in case and os.path.exists(case["unless_exists"]):
            print(f"skip {case['name']} ({case['unless_exists']} exists)")
            skipped += 1
            continue
        problems = check(cli, case, update)
        print(f"{'FAIL' if problems else 'ok':4} {case['name']}")
        for p in problems:
            print(f"     {p}")
        failures += bool(problems)
    ran = len(cases) - skipped
    print(f"{ran - failures} of {ran} golden cases passed, {skipped} skipped")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
