#!/usr/bin/env python3
"""Checks that the includes of the sources run with the layers.

The core (data/, calendar/, astronomy/, prayer/) includes no widget header and
nothing of print/, ui/, app/ or the programs over it (kolvira-db/, generators/),
and inside it a folder includes nothing of the folders after it in that order;
print/ includes no widget header and nothing of ui/, app/ or those programs;
ui/ includes nothing of app/ or those programs; no two
files (a header with its .cpp counted as one) include each other, directly or
through others.

Usage: check-layers.py SOURCE_DIR QT_WIDGETS_INCLUDE_DIR
Prints each fault and exits 1 when there is one.
"""
import re
import sys
from pathlib import Path

CORE = ("data", "calendar", "astronomy", "prayer")  # lowest first
WITHOUT_WIDGETS = CORE + ("print",)
PROGRAMS = ("kolvira-db", "generators")
FORBIDDEN = {
    folder: CORE[i + 1:] + ("print", "ui", "app") + PROGRAMS for i, folder in enumerate(CORE)
}
FORBIDDEN["print"] = ("ui", "app") + PROGRAMS
FORBIDDEN["ui"] = ("app",) + PROGRAMS
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def sources(root):
    for folder in WITHOUT_WIDGETS + ("ui", "app") + PROGRAMS:
        yield from sorted((root / folder).rglob("*.[ch]*"))


def main(root, widgets_dir):
    widget_headers = {p.name for p in widgets_dir.iterdir()}
    faults = []
    graph = {}
    for path in sources(root):
        if path.suffix not in (".h", ".cpp"):
            continue
        name = path.relative_to(root).as_posix()
        folder = name.split("/")[0]
        module = name.rsplit(".", 1)[0]
        graph.setdefault(module, [])
        for kind, included in INCLUDE.findall(path.read_text(encoding="utf-8")):
            top = included.split("/")[0]
            if kind == '"' and (root / included).is_file():
                target = included.rsplit(".", 1)[0]
                if target != module:
                    graph[module].append(target)
                if top in FORBIDDEN.get(folder, ()):
                    faults.append(f"{name}: includes {included} of {top}/")
            elif folder in WITHOUT_WIDGETS and (top == "QtWidgets" or included in widget_headers):
                faults.append(f"{name}: includes the widget header <{included}>")
    faults += cycles(graph)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


def cycles(graph):
    """One line for each include cycle found by a depth-first walk."""
    found, state = [], {}

    def walk(node, trail):
        state[node] = "open"
        for nxt in graph.get(node, ()):
            if state.get(nxt) == "open":
                loop = trail[trail.index(nxt):] + [nxt]
                found.append("include cycle: " + " -> ".join(loop))
            elif nxt not in state:
                walk(nxt, trail + [nxt])
        state[node] = "done"

    for node in graph:
        if node not in state:
            walk(node, [node])
    return found


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(Path(sys.argv[1]), Path(sys.argv[2])))
