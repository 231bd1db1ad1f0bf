#!/usr/bin/env python3
"""Golden tests of "partivo-cli chordpro transpose": compares stdout, stderr and exit code.

Usage: transpose_golden.py <partivo-cli> [--update]
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from golden_runner import run_cases  # noqa: E402

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
    ("missing_file", transpose(song("nonexistent.cho"), "--by", "1"), 2, None,
     'The file "nonexistent.cho" cannot be found.'),
    ("no_file", transpose("--by", "1"), 2, None, "usage"),
    ("two_files", transpose(song("in_g.cho"), song("no_key.cho"), "--by", "1"), 2, None,
     "unexpected argument"),
    ("unknown_option", transpose(song("in_g.cho"), "--by", "1", "--capo", "2"), 2, None,
     "unexpected argument"),
]


def main():
    return run_cases(sys.argv[1], CASES, GOLDEN, update="--update" in sys.argv)


if __name__ == "__main__":
    sys.exit(main())
