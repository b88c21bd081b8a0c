#!/usr/bin/env python3
"""Checks the includes of the client's sources: no include climbs out of its folder by a relative path
(each layer is reached through its include root), and the library's subsystems include each other
without a cycle. Prints what it finds wrong and exits 1 then."""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def main(source_root):
    root = pathlib.Path(source_root)
    problems = []
    graph = {}
    for path in sorted(root.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        relative = path.relative_to(root)
        for header in INCLUDE.findall(path.read_text(encoding="utf-8")):
            if header.startswith("../"):
                problems.append(f"{relative}: includes {header} by a relative path")
            parts = relative.parts
            if parts[0] == "noxsimplelinks" and len(parts) > 2 and header.startswith("noxsimplelinks/"):
                target = header.split("/")
                if len(target) > 2 and target[1] != parts[1]:
                    graph.setdefault(parts[1], set()).add(target[1])
    problems += [f"library subsystems include each other in a cycle: {' -> '.join(cycle)}" for cycle in cycles(graph)]
    for problem in problems:
        print(problem)
    return 1 if problems else 0


def cycles(graph):
    """One cycle per subsystem that lies on one, found by depth-first search."""
    found, state = [], {}

    def visit(node, trail):
        state[node] = "open"
        for following in sorted(graph.get(node, ())):
            if state.get(following) == "open":
                found.append(trail[trail.index(following):] + [following])
            elif following not in state:
                visit(following, trail + [following])
        state[node] = "done"

    for node in sorted(graph):
        if node not in state:
            visit(node, [node])
    return found


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
