"""Line coverage per layer from llvm-cov's JSON export (read from standard input): the client's
layers, each subsystem of the library, the stand-in components, the server, the hosts and the
Python module, then the whole. Usage: llvm-cov export -summary-only ... | coverage_by_layer.py <repository>"""
import json
import os
import sys

# Layer name and the folder of its sources, relative to the repository; the first match counts.
LAYERS = [("automation", "client/src/automation/"), ("platform", "client/src/platform/")]
LAYERS += [("library " + sub, "client/src/noxsimplelinks/" + sub + "/")
           for sub in ("control", "common", "comm", "request", "metadata", "grid", "toolbar", "env")]
LAYERS += [("library (other)", "client/src/noxsimplelinks/"), ("components", "client/src/components/"),
           ("hosting", "client/src/hosting/"), ("shared object definitions", "shared/"), ("server", "server/"),
           ("apps", "apps/"), ("python module", "python/")]


def main():
    root = os.path.realpath(sys.argv[1]) + os.sep
    totals = {name: [0, 0] for name, _ in LAYERS}
    for data in json.load(sys.stdin)["data"]:
        for entry in data["files"]:
            path = os.path.realpath(entry["filename"])
            if not path.startswith(root):
                continue
            relative = path[len(root):]
            layer = next((name for name, folder in LAYERS if relative.startswith(folder)), None)
            if layer:
                lines = entry["summary"]["lines"]
                totals[layer][0] += lines["covered"]
                totals[layer][1] += lines["count"]
    print(f"{'layer':28} {'lines':>15} {'covered':>8}")
    covered = count = 0
    for name, _ in LAYERS:
        hit, all_lines = totals[name]
        if all_lines:
            print(f"{name:28} {hit:>7}/{all_lines:<7} {100 * hit / all_lines:7.1f}%")
        covered, count = covered + hit, count + all_lines
    print(f"{'all':28} {covered:>7}/{count:<7} {100 * covered / max(count, 1):7.1f}%")


if __name__ == "__main__":
    main()
