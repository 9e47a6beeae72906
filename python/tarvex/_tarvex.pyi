"""The Tarvex lateral pile analysis engine, compiled (python/src/module.cpp).

Use the tarvex package: it makes ``tarvex.Results`` of the plain data that
these functions return (dicts and lists with the keys of the results file,
NumPy arrays for the columns of numbers).
"""

from typing import Any

__version__: str
"""The engine's version ("6.0.28")."""
engine_version: str
"""The engine's version as the report banner prints it ("(6.0.28)")."""
criteria: list[dict[str, Any]]
"""The p-y criterion table, codes 1 to 20: code, short_name, description,
family, fields (name, count and check of the values of a row, in input
order: the check none, not_negative, angle or percent),
counted (a layer of the code is kept), user_curves."""
limits: dict[str, int]
"""The capacities of the input under the names of tarvex.layout
("MAX_LAYERS": 40)."""

def analyse(input: bytes) -> dict[str, Any]:
    """Analyses the input (the bytes of a TARVEX6 file) in memory and returns
    the results as plain data."""

def analyse_file(path: bytes) -> dict[str, Any]:
    """Analyses the input file at ``path`` (as os.fsencode gives it), the
    outputs written into a private temporary folder, and returns the results
    as plain data."""

class Cancel:
    """A flag that stops a batch before its next run."""

    def __init__(self) -> None: ...
    def set(self) -> None:
        """Asks the batches that hold this flag to stop before their next run."""
    def is_set(self) -> bool:
        """Whether the flag is set."""

def analyse_batch(inputs: list[tuple[bool, bytes]],
                  cancel: Cancel | None = None) -> list[dict[str, Any]]:
    """Analyses (is_path, bytes) inputs one after the other with the
    interpreter lock let go once, and returns their results as plain data; a
    set ``cancel`` flag stops it before its next run."""
