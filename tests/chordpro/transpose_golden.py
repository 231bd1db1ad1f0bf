#!/usr/bin/env python3
"""Golden tests of "partivo-cli chordpro transpose": compares stdout, stderr and exit code.

Usage: transpose_golden.py <partivo-cli> [--update]
"""
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "transpose_data")
GOLDEN = os.path.join(HERE, "golden", "transpose")


def song(name):
    return os.path.join(DATA, name)


def transpose(*args):
    return ["chordpro", "transpose", *args]


# name, arguments, expected exit code, golden file for stdout (None: stdout must be empty),
# text that stderr must hold (None: stderr must be empty)
CASES = [
    ("in_g_up2", transpose(song("in_g.cho"), "--by", "2"), 0, "in_g_up2.cho", None),
    ("in_g_down5_flats", transpose(song("in_g.cho"), "--by", "-5", "--spelling", "flats"), 0,
     "in_g_down5_flats.cho", None),
    ("in_g_up1_sharps", transpose(song("in_g.cho"), "--spelling", "sharps", "--by", "+1"), 0,
     "in_g_up1_sharps.cho", None),
    ("in_g_zero", transpose(song("in_g.cho"), "--by", "0"), 0, "in_g_zero.cho", None),
    ("no_key_up1", transpose(song("no_key.cho"), "--by", "1"), 0, "no_key_up1.cho", None),
    ("no_key_down11", transpose("--by", "-11", song("no_key.cho")), 0, "no_key_down11.cho",
     None),
    ("minor_crlf_up3", transpose(song("minor_crlf.cho"), "--by", "3"), 0,
     "minor_crlf_up3.cho", None),
    ("minor_crlf_zero_sharps",
     transpose(song("minor_crlf.cho"), "--by", "0", "--spelling", "sharps"), 0,
     "minor_crlf_zero_sharps.cho", None),
    ("minor_crlf_up11_auto",
     transpose(song("minor_crlf.cho"), "--by", "11", "--spelling", "auto"), 0,
     "minor_crlf_up11_auto.cho", None),
    ("cp1252_up2", transpose(song("cp1252.cho"), "--by", "2"), 0, "cp1252_up2.cho", None),
    ("missing_by", transpose(song("in_g.cho")), 2, None, "usage"),
    ("by_without_value", transpose(song("in_g.cho"), "--by"), 2, None, "--by"),
    ("by_fraction", transpose(song("in_g.cho"), "--by", "3.5"), 2, None, "--by"),
    ("by_too_high", transpose(song("in_g.cho"), "--by", "12"), 2, None, "--by"),
    ("by_too_low", transpose(song("in_g.cho"), "--by", "-12"), 2, None, "--by"),
    ("by_not_a_number", transpose(song("in_g.cho"), "--by", "abc"), 2, None, "--by"),
    ("bad_spelling", transpose(song("in_g.cho"), "--by", "1", "--spelling", "german"), 2, None,
     "--spelling"),
    ("missing_file", transpose(song("nonexistent.cho"), "--by", "1"), 2, None, "cannot read"),
    ("no_file", transpose("--by", "1"), 2, None, "usage"),
    ("two_files", transpose(song("in_g.cho"), song("no_key.cho"), "--by", "1"), 2, None,
     "unexpected argument"),
    ("unknown_option", transpose(song("in_g.cho"), "--by", "1", "--capo", "2"), 2, None,
     "unexpected argument"),
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
            if stderr.count("\n") != 1 or not stderr.endswith("\n"):
                problems.append(f"stderr is not one line: {stderr!r}")
        if golden is None:
            if run.stdout:
                problems.append("unexpected stdout")
        else:
            path = os.path.join(GOLDEN, golden)
            if update:
                with open(path, "wb") as f:
                    f.write(run.stdout)
            with open(path, "rb") as f:
                expected = f.read()
            if run.stdout != expected:
                problems.append(f"stdout differs from golden/transpose/{golden}")
        status = "FAIL" if problems else "ok"
        print(f"{status:4} {name}")
        for p in problems:
            print(f"     {p}")
        failures += bool(problems)
    print(f"{len(CASES) - failures} of {len(CASES)} golden cases passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
