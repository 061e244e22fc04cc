"""The layout keys by group, read from src/resources/LayoutKeys.txt, the list
the program checks its built-in layouts against."""
import pathlib

KEYS_FILE = pathlib.Path(__file__).resolve().parents[2] / "src" / "resources" / "LayoutKeys.txt"


def read_groups(path=KEYS_FILE):
    """{group: [key, ...]} and {group: title}, in the file's order."""
    groups, titles, current = {}, {}, None
    for raw in path.read_text(encoding="ascii").splitlines():
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        if line.startswith("["):
            current, _, title = line[1:].partition("]")
            groups[current], titles[current] = [], title.strip()
        else:
            groups[current].append(line)
    return groups, titles


groups, titles = read_groups()
ALL = [k for g in groups.values() for k in g]
if __name__ == "__main__":
    print(len(ALL), len(set(ALL)), {g: len(v) for g, v in groups.items()})
