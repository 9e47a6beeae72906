"""Checks the engine's layer libraries by their symbols: every symbol that a
library leaves undefined and another library of the engine defines must be
defined by a layer the library may use (itself or one below it). A call that
reaches up, or sideways between input, soil and section beyond the one edge,
fails with the library, the symbol and the layer that defines it.

Run with: check_link_layers.py NM LAYER=LIBRARY:BELOW,BELOW ...
where BELOW lists the layers LAYER may use (empty for none)."""

import subprocess
import sys

# Symbols a library defines for itself alone: weak definitions (inline
# functions, templates, vtables of inline classes) are in every library that
# uses them and point at no layer.
STRONG = set("TDBRGS")


def symbols(nm, library):
    """The defined (strong) and the undefined external symbols of an archive."""
    text = subprocess.run([nm, "-g", "-P", library], check=True, capture_output=True,
                          text=True).stdout
    defined, undefined = set(), set()
    for line in text.splitlines():
        parts = line.split()
        if len(parts) < 2 or line.endswith(":"):
            continue  # the name of a member, or a blank line
        name, kind = parts[0], parts[1]
        if kind == "U":
            undefined.add(name)
        elif kind in STRONG:
            defined.add(name)
    return defined, undefined


def demangled(name):
    try:
        return subprocess.run(["c++filt", name], check=True, capture_output=True,
                              text=True).stdout.strip()
    except (OSError, subprocess.CalledProcessError):
        return name


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    nm = argv[1]
    layers = {}
    for argument in argv[2:]:
        name, rest = argument.split("=", 1)
        library, _, below = rest.rpartition(":")
        layers[name] = (library, [b for b in below.split(",") if b])
    tables = {name: symbols(nm, library) for name, (library, _) in layers.items()}
    owner = {}
    for name, (defined, _) in tables.items():
        for symbol in defined:
            owner.setdefault(symbol, name)
    faults = 0
    for name, (_, undefined) in sorted(tables.items()):
        allowed = set(layers[name][1])
        for symbol in sorted(undefined):
            by = owner.get(symbol)
            if by is None or by == name or by in allowed:
                continue
            print(f"{layers[name][0]}: {name} uses {demangled(symbol)}, defined in {by}: "
                  f"{name} may not call {by}")
            faults += 1
    if faults:
        print(f"{faults} call(s) against the layers")
        return 1
    checked = sum(len(u) for _, u in tables.values())
    print(f"{len(tables)} libraries, {checked} undefined symbols: the calls follow the layers")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
