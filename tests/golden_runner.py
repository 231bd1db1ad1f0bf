"""Shared runner of the partivo-cli golden tests.

A case is (name, arguments, expected exit code, golden file for stdout or None when stdout
must be empty, text that stderr must hold or None when stderr must be empty). An error case
must print exactly one line on stderr.
"""
import os
import re
import subprocess

# The leak checker of the sanitized build may say this of a thread that was ending as it
# stopped the program for its check; it is about the checker, not about the program.
SANITIZER_NOISE = re.compile(r"^==\d+==Unable to get registers from thread \d+\.\n", re.M)


def run_cases(cli, cases, golden_dir, update=False):
    env = dict(os.environ, LANG="en_US.UTF-8", QT_QPA_PLATFORM="offscreen")
    failures = 0
    for name, args, code, golden, err_text in cases:
        run = subprocess.run([cli] + args, capture_output=True, env=env, timeout=60)
        problems = []
        if run.returncode != code:
            problems.append(f"exit code {run.returncode}, expected {code}")
        stderr = SANITIZER_NOISE.sub("", run.stderr.decode("utf-8", "replace"))
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
            path = os.path.join(golden_dir, golden)
            if update:
                with open(path, "wb") as f:
                    f.write(run.stdout)
            with open(path, "rb") as f:
                expected = f.read()
            if run.stdout != expected:
                problems.append(f"stdout differs from {os.path.relpath(path)}")
        print(f"{'FAIL' if problems else 'ok':4} {name}")
        for p in problems:
            print(f"     {p}")
        failures += bool(problems)
    print(f"{len(cases) - failures} of {len(cases)} golden cases passed")
    return 1 if failures else 0
