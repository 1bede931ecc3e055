#!/usr/bin/env python3
"""Checks that no include in src/ runs upward: a folder includes only its own
files and folders of lower levels. The levels follow the run:
  5 app                          start-up, driver, views of a finished run
  4 readers, reduction, analyses what fills the store and works out figures
  3 writers/<kind>, legs         the writers, side by side (none includes another);
                                 the leg model of the survey lines
  2 store, dialogs               the survey store, the dialog services
  1 text, geo                    the fixed-format text layer, the UTM projection
  0 system                       files by UTF-8 names, the process's start-up
usage: check_includes.py SRC_FOLDER"""
import pathlib
import re
import sys

LEVELS = {"system": 0, "text": 1, "geo": 1, "store": 2, "dialogs": 2, "writers": 3, "legs": 3,
          "readers": 4, "reduction": 4, "analyses": 4, "app": 5}
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
