"""Exceptions of the tarvex package."""

from __future__ import annotations

import warnings
from typing import TYPE_CHECKING, Iterable, Optional

if TYPE_CHECKING:
    from .results import Results


class TarvexError(Exception):
    """Base class of the errors raised by tarvex."""


class TarvexDeprecationWarning(DeprecationWarning):
    """A name or a form of call of tarvex that a later release removes; the
    message says what to use instead."""


def _where(file: Optional[str], line: Optional[int]) -> str:
    if file is not None and line is not None:
        return f"{file}, line {line}: "
    if line is not None:
        return f"line {line}: "
    if file is not None:
        return f"{file}: "
    return ""


class _RunError(TarvexError):
    """What an input error and an analysis error carry."""

    message: str
    """What went wrong, in words (several lines for an error of the engine)."""
    file: Optional[str]
    """The input file as given (None for a text or a model)."""
    line_number: Optional[int]
    """The line of the input at fault, from 1 (None when not about a line)."""
    identity: Optional[str]
    """The engine's error identity ("INP00095"); None when the package raised it."""
    code: Optional[int]
    """The engine's result code (195); None when the package raised it."""
    results: Optional[Results]
    """The results computed up to the error, for an error of a run; else None."""

    def __init__(self, message: str, *, file: Optional[str] = None,
                 line_number: Optional[int] = None, identity: Optional[str] = None,
                 code: Optional[int] = None, line: Optional[int] = None) -> None:
        if line is not None:
            warnings.warn("the keyword line= is deprecated; use line_number=",
                          TarvexDeprecationWarning, stacklevel=2)
            if line_number is None:
                line_number = line
        self.message = message
        self.file = file
        self.line_number = line_number
        self.identity = identity
        self.code = code
        self.results = None
        super().__init__(_where(file, line_number) + message)

    @property
    def line(self) -> Optional[int]:
        """Deprecated: ``line_number``."""
        warnings.warn(f"{type(self).__name__}.line is deprecated; use .line_number",
                      TarvexDeprecationWarning, stacklevel=2)
        return self.line_number


class InputError(_RunError, ValueError):
    """An input file that cannot be read.

    ``read_input`` raises it for a file whose layout it cannot follow; the
    engine raises it for an input error of a run. ``identity`` ("INP00095")
    and ``code`` (195) are the engine's when the engine raised it and None
    otherwise; ``file`` and ``line_number`` say where, ``message`` what, and
    ``results`` holds the results of the run (None for ``read_input``).
    """


class AnalysisError(_RunError, RuntimeError):
    """A run of the engine that ended with an error other than an input
    error: a runtime error ("RUN00010", a case that did not converge), an
    output the engine could not write, or a fault of the engine itself.
    ``identity``, ``code``, ``file``, ``line_number``, ``message`` and
    ``results`` as for ``InputError``."""


class ModelError(TarvexError, ValueError):
    """A model that cannot be written as an input the engine accepts.

    ``problems`` lists every value at fault, each naming the field by its
    path in the model ("sections[0].concrete.fc: must be positive, not 0").
    """

    problems: list[str]
    """One line per value at fault."""

    def __init__(self, problems: Iterable[str]) -> None:
        self.problems = list(problems)
        super().__init__("\n".join(self.problems))
