#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Puts the licence's SPDX line at the top of every source file of the project that lacks it: C++ files,
CMake files, shell and Python scripts (below a #! line). The font, the data and the generated files are
left alone. Run it from anywhere; it changes only files git tracks, and running it again changes nothing."""
import pathlib
import subprocess

LINE = "SPDX-License-Identifier: GPL-3.0-or-later"
ROOT = pathlib.Path(__file__).resolve().parent.parent


def comment_of(path: pathlib.Path, first_line: str):
    if path.suffix in (".cpp", ".h"):
        return "//"
    if path.suffix in (".cmake", ".sh", ".py") or path.name == "CMakeLists.txt" or first_line.startswith("#!"):
        return "#"
    return None


def main():
    tracked = subprocess.run(["git", "ls-files", "-z"], cwd=ROOT, check=True, capture_output=True, text=True)
    for name in filter(None, tracked.stdout.split("\0")):
        path = ROOT / name
        if not path.is_file():
            continue
        try:
            text = path.read_text(encoding="utf-8")
        except UnicodeDecodeError:
            continue  # pictures, sounds, the font
        lines = text.splitlines(keepends=True)
        comment = comment_of(path, lines[0] if lines else "")
        if comment is None or any(LINE in line for line in lines[:3]):
            continue
        at = 1 if lines and lines[0].startswith("#!") else 0
        lines.insert(at, f"{comment} {LINE}\n")
        path.write_text("".join(lines), encoding="utf-8")


if __name__ == "__main__":
    main()
