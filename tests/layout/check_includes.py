#!/usr/bin/env python3
"""Checks that no include in src/ runs upward: a folder includes only its own
files and folders of lower levels. The levels follow the run:
  4 app                          start-up, driver, views of a finished run
  3 readers, reduction, analyses what fills the store and works out figures
  2 writers/<kind>               the writers, side by side (none includes another)
  1 store, dialogs               the survey store, the dialog services
  0 text, geo                    the fixed-format text layer, the UTM projection
usage: check_includes.py SRC_FOLDER"""
import pathlib
import re
import sys

LEVELS = {"text": 0, "geo": 0, "store": 1, "dialogs": 1, "writers": 2,
          "readers": 3, "reduction": 3, "analyses": 3, "app": 4}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def room(path: str) -> str:
    """The folder a file belongs to: "writers/dxf" for writers, else the top folder."""
    parts = path.split("/")
    return "/".join(parts[:2]) if parts[0] == "writers" else parts[0]


def level(room_name: str) -> int:
    return LEVELS[room_name.split("/")[0]]


def main() -> int:
    src = pathlib.Path(sys.argv[1])
    upward = []
    for file in sorted(src.rglob("*.[ch]pp")):
        own = room(file.relative_to(src).as_posix())
        for number, line in enumerate(file.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match or "/" not in match.group(1):
                continue
            target = room(match.group(1))
            if target != own and level(target) >= level(own):
                upward.append(f"{file.relative_to(src)}:{number}: {own} includes {match.group(1)}")
    for violation in upward:
        print(violation)
    print(f"{len(upward)} include(s) running upward or sideways")
    return 1 if upward else 0


if __name__ == "__main__":
    sys.exit(main())
