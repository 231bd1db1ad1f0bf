#!/usr/bin/env python3
"""Fails when a folder of src/ includes a header of a folder above it.

The layers, lowest first: platform; library, notes, midi, chordpro; display, player; app and
pdfworker; cli. A folder may include its own headers and those of the layers below it. Within a folder,
the logic may not include its widgets/ subfolder (only widgets use Qt Widgets).

usage: check_layers.py <src folder>        check the tree
       check_layers.py --self-test         check that a violation is found
"""
import os
import re
import sys
import tempfile

LEVELS = {
    "platform": 0,
    "library": 1, "notes": 1, "midi": 1, "chordpro": 1,
    "display": 2, "player": 2, "pdfworker": 3,
    "app": 3,
    "cli": 4,
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/([^"]+)"', re.M)


def unit_of(relpath):
    """(folder, is_widgets) of a file path relative to src."""
    parts = relpath.split(os.sep)
    return parts[0], len(parts) > 2 and parts[1] == "widgets"


def violations(src):
    found = []
    for root, _, files in os.walk(src):
        for name in files:
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(root, name)
            rel = os.path.relpath(path, src)
            folder, widgets = unit_of(rel)
            if folder not in LEVELS:
                found.append(f"{rel}: folder '{folder}' has no layer (add it to {__file__})")
                continue
            with open(path, encoding="utf-8", errors="replace") as f:
                text = f.read()
            for target, header in INCLUDE.findall(text):
                if target not in LEVELS:
                    continue
                if LEVELS[target] > LEVELS[folder]:
                    found.append(f"{rel}: includes {target}/{header} from a higher layer")
                elif target == folder and header.startswith("widgets/") and not widgets:
                    found.append(f"{rel}: logic includes widgets header {target}/{header}")
    return found


def self_test():
    with tempfile.TemporaryDirectory() as src:
        def write(rel, text):
            os.makedirs(os.path.dirname(os.path.join(src, rel)), exist_ok=True)
            with open(os.path.join(src, rel), "w") as f:
                f.write(text)
        write("library/Ok.cpp", '#include "platform/Prefs.h"\n#include "library/Data.h"\n')
        write("display/widgets/Ok.cpp", '#include "display/widgets/W.h"\n#include "app/X.h"\n')
        if violations(src) != ["display/widgets/Ok.cpp: includes app/X.h from a higher layer"]:
            return "a higher include from widgets was not reported as the only violation"
        os.remove(os.path.join(src, "display/widgets/Ok.cpp"))
        write("platform/Bad.h", '#include "library/Data.h"\n')
        write("display/Logic.cpp", '#include "display/widgets/BinderWindow.h"\n')
        found = violations(src)
        if len(found) != 2:
            return f"expected two violations, found {found}"
    return None


def main():
    if sys.argv[1:] == ["--self-test"]:
        problem = self_test()
        if problem:
            print("layers self-test:", problem)
            return 1
        print("layers self-test: ok")
        return 0
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    found = violations(sys.argv[1])
    for line in found:
        print(line)
    if found:
        print(f"{len(found)} include(s) against the layers")
        return 1
    print("layers: ok")
    return 0


if __name__ == "__main__":
    sys.exit(main())
